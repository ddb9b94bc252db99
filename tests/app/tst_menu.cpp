#include "about/frmAbout.h"
#include "alarm/frm_SetAlarm.h"
#include "app/frm_Main.h"
#include "core/Form.h"
#include "mock/MockClock.h"
#include "notes/frmNotes.h"
#include "support/StoredNotes.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

class TestMenu : public QObject
{
    Q_OBJECT

    frm_Main& showMain()
    {
        Form<frm_Main>::showModeless();
        frm_Main& main = Form<frm_Main>::get();
        [&] { QVERIFY(QTest::qWaitForWindowActive(&main)); }();
        return main;
    }

    // Sends a shortcut as the window system would, so that modality applies to it.
    static void press(frm_Main& main, Qt::Key key)
    {
        QTest::keyClick(main.windowHandle(), key, Qt::ControlModifier);
    }

private Q_SLOTS:
    void cleanup()
    {
        Form<frmAbout>::unload();
        Form<frm_Main>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void entriesShortcutsAndStates()
    {
        TempSettings settings;
        frm_Main& main = showMain();
        QCOMPARE(main.mnuMenu->title(), QStringLiteral("&Menu"));
        const QList<QAction*> entries = main.mnuMenu->actions();
        QCOMPARE(entries, QList<QAction*>({main.itmSetAlarm, main.itmDailyNotes, main.SepOne,
                                           main.itmShowCalendar, main.itmHideCalendar,
                                           main.SepTwo}));
        QStringList shown;
        for (const QAction* entry : entries) {
            shown << (entry->isSeparator() ? QStringLiteral("-")
                                           : entry->text() + QLatin1Char(' ')
                                                 + entry->shortcut().toString()
                                                 + (entry->isEnabled() ? "" : " (greyed)"));
        }
        QCOMPARE(shown, QStringList({"Set &Alarm Ctrl+A", "View Daily &Notes Ctrl+N", "-",
                                     "&Show Calendar Ctrl+S", "&Hide Calendar Ctrl+H (greyed)",
                                     "-"}));

        // "About" is an entry of the bar itself, beside the menu, with no shortcut.
        QCOMPARE(main.menuBar()->actions(), QList({main.mnuMenu->menuAction(), main.itmAbout}));
        QCOMPARE(main.itmAbout->text() + main.itmAbout->shortcut().toString(), "About");
    }

    void calendarUnfoldsOnTodayAndFoldsBackInPlace()
    {
        TempSettings settings;
        MockClock clock(2027, 1, 31, 23, 59, 58);
        frm_Main& main = showMain();
        main.move(120, 90);
        const QRect folded = main.frameGeometry();
        QCOMPARE(folded.size(), QSize(181, 111));

        press(main, Qt::Key_H);
        QVERIFY(!main.Calendar1 || main.Calendar1->isHidden());

        press(main, Qt::Key_S);
        QVERIFY(main.Calendar1->isVisible());
        QCOMPARE(main.Calendar1->selectedDate(), QDate(2027, 1, 31));
        QCOMPARE(main.frameGeometry(), QRect(folded.topLeft(), QSize(310, 319)));
        QVERIFY(!main.itmShowCalendar->isEnabled());
        QVERIFY(main.itmHideCalendar->isEnabled());
        QVERIFY(main.lblStatus->geometry().bottom() < main.Calendar1->geometry().top());

        // Open across midnight, it keeps the day it was shown with.
        clock.advanceSeconds(3);
        main.Timer1_Timer();
        QCOMPARE(main.Calendar1->selectedDate(), QDate(2027, 1, 31));

        main.Calendar1->showNextMonth();
        main.Calendar1->setSelectedDate(QDate(2027, 3, 3));
        press(main, Qt::Key_H);
        QVERIFY(main.Calendar1->isHidden());
        QCOMPARE(main.frameGeometry(), folded);
        QVERIFY(main.itmShowCalendar->isEnabled());
        QVERIFY(!main.itmHideCalendar->isEnabled());

        press(main, Qt::Key_S);
        QCOMPARE(main.Calendar1->selectedDate(), QDate(2027, 2, 1));
        QCOMPARE(main.Calendar1->monthShown(), 2);
        QCOMPARE(main.Calendar1->yearShown(), 2027);
    }

    void modalWindowsBlockTheMenuWhileTheClockTicks_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("alarm settings") << 0;
        QTest::newRow("daily notes") << 1;
        QTest::newRow("about") << 2;
    }
    void modalWindowsBlockTheMenuWhileTheClockTicks()
    {
        QFETCH(int, window);
        TempSettings settings;
        MockClock clock(2026, 12, 7, 9, 0, 0);
        frm_Main& main = showMain();
        QAction* item = QList{main.itmSetAlarm, main.itmDailyNotes, main.itmAbout}[window];

        QWidget* modal = nullptr;
        QString timeSeenWhileOpen;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget();
            press(main, Qt::Key_S);
            clock.advanceSeconds(5);
            QTest::qWait(600);
            timeSeenWhileOpen = main.lblTime->text();
            modal->close();
        });
        item->trigger();

        QVERIFY(modal);
        QVERIFY(modal != &main);
        QVERIFY2(!main.Calendar1 || main.Calendar1->isHidden(),
                 "the main window took a shortcut behind a modal window");
        QCOMPARE(timeSeenWhileOpen.replace(QChar(0x202f), QLatin1Char(' ')),
                 QStringLiteral("9:00:05 AM"));
    }

    void theNOpensTheNotesBesideAUsableClock()
    {
        TempSettings settings;
        MockClock clock(2026, 12, 7, 9, 0, 0);
        storeNotes(settings, {{QDate(2026, 12, 7), "dentist at ten"}});
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        frm_Main& main = showMain();
        QVERIFY(main.lblNote->isVisible());

        QTest::mouseClick(main.lblNote, Qt::LeftButton);
        frmNotes& notes = Form<frmNotes>::get();
        QVERIFY(QTest::qWaitForWindowExposed(&notes));
        QVERIFY(!QApplication::activeModalWidget());

        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        press(main, Qt::Key_S);
        QVERIFY(main.Calendar1->isVisible());

        // "View Daily Notes" now brings the open window forward rather than waiting on it.
        main.itmDailyNotes->trigger();
        QVERIFY(notes.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
