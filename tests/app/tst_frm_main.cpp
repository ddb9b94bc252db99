#include "app/frm_Main.h"
#include "core/Form.h"
#include "core/TickSchedule.h"
#include "mock/MockClock.h"
#include "support/TempSettings.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QTest>
#include <QTimer>

// Reopening where it was left, the sizes with a real frame and what a screen reader hears of
// the clock are tested from outside, in tests/e2e.
class TestMainWindow : public QObject
{
    Q_OBJECT

    static frm_Main& showMain()
    {
        Form<frm_Main>::showModeless();
        if (!QTest::qWaitForWindowActive(&Form<frm_Main>::get()))
            qWarning("the clock is not the active window, so its shortcuts are not taken");
        return Form<frm_Main>::get();
    }

    // Sends a shortcut as the window system would, so that modality applies to it.
    static void press(frm_Main& main, Qt::Key key)
    {
        QTest::keyClick(main.windowHandle(), key, Qt::ControlModifier);
    }

private Q_SLOTS:
    void cleanup()
    {
        Form<frm_Main>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void negativeStoredEdgesAreClampedToTheScreen()
    {
        TempSettings settings;
        settings.writeFile("[Main]\ntop=-30\nleft=600\n");
        QCOMPARE(Form<frm_Main>::get().pos(), QPoint(40, 0));
    }

    void aLateTickAimsTheNextAtTheHalfSecond()
    {
        TempSettings settings;
        MockClock clock(2026, 12, 7);
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 29, 59, 750)));
        frm_Main& main = Form<frm_Main>::get();
        QCOMPARE(main.Timer1->interval(), 250 + TickSchedule::Margin);
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 30, 0, 40)));
        main.Timer1_Timer();
        QCOMPARE(main.Timer1->interval(), 460 + TickSchedule::Margin);
    }

    void theCalendarOpensOnTodayAndKeepsItsDayPastMidnight()
    {
        TempSettings settings;
        MockClock clock(2027, 1, 31, 23, 59, 58);
        frm_Main& main = showMain();
        press(main, Qt::Key_H); // nothing to hide yet
        press(main, Qt::Key_S);
        QCOMPARE(main.Calendar1->selectedDate(), QDate(2027, 1, 31));
        clock.advanceSeconds(3);
        main.Timer1_Timer();
        QCOMPARE(main.Calendar1->selectedDate(), QDate(2027, 1, 31));

        main.Calendar1->setSelectedDate(QDate(2027, 3, 3));
        press(main, Qt::Key_H);
        QVERIFY(main.Calendar1->isHidden());
        press(main, Qt::Key_S);
        QCOMPARE(main.Calendar1->selectedDate(), QDate(2027, 2, 1));
        QCOMPARE(main.Calendar1->monthShown(), 2);
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
        QWidget* modal = nullptr;
        QString timeSeenWhileOpen;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget();
            press(main, Qt::Key_S);
            clock.advanceSeconds(5);
            QTest::qWait(600);
            timeSeenWhileOpen = main.lblTime->text().replace(QChar(0x202f), u' ');
            if (modal)
                modal->close();
        });
        QList{main.itmSetAlarm, main.itmDailyNotes, main.itmAbout}[window]->trigger();

        QVERIFY(modal && modal != &main);
        QVERIFY2(!main.Calendar1, "the main window took a shortcut behind a modal window");
        QCOMPARE(timeSeenWhileOpen, "9:00:05 AM");
        // and takes it once the window has gone
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        press(main, Qt::Key_S);
        QVERIFY(main.Calendar1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_frm_main.moc"
