#include "about/frmAbout.h"
#include "app/frm_Main.h"
#include "core/TickSchedule.h"
#include "mock/MockClock.h"
#include "support/AlarmRecorder.h"
#include "support/TempSettings.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>

// The sizes with a real frame, reopening in place and a screen reader's view are in tests/e2e.
class TestMainWindow : public QObject
{
    Q_OBJECT

    AlarmRecorder m_seen;

    // Sends a shortcut as the window system would, so that modality applies to it.
    static void press(frm_Main& main, Qt::Key key)
    {
        QTest::keyClick(main.windowHandle(), key, Qt::ControlModifier);
    }

private Q_SLOTS:
    // The window opens where it was left, but never above or left of the screen. One tick a
    // second, just after the second turns, shows the time; the title bar repeats the status
    // line once the window is shown.
    void theWindowOpensInPlaceAndTicksOnTheSecond()
    {
        TempSettings settings;
        settings.writeFile("[Main]\ntop=-30\nleft=-15\n");
        MockClock clock(2026, 12, 7, 7, 29, 59);
        {
            frm_Main main(m_seen, m_seen);
            main.Form_Load();
            QCOMPARE(main.pos(), QPoint(0, 0));
            QCOMPARE(main.windowTitle(), "Vintrel Clock & Alarm");
            main.show();
            QCOMPARE(main.windowTitle(), "Alarm is OFF");
            clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 30, 0, 40)));
            main.Timer1_Timer();
            QCOMPARE(main.Timer1->interval(), 960 + TickSchedule::Margin);
            QCOMPARE(main.lblTime->text().replace(QChar(0x202f), u' '), "7:30:00 AM");
            QCOMPARE(main.lblTime->font().pointSizeF(), 18.0);
            main.move(70, 50);
            main.close();
        }
        QCOMPARE(settings.onDisk("Main", "top").toString() + ',' + settings.onDisk("Main", "left").toString(),
                 "750,1050");
    }

    // While the settings, notes or About window is open, the clock's shortcuts wait and its
    // time still turns. Closed, each is gone; hiding what was never made is refused.
    void modalWindowsHoldTheShortcutsBackWhileTheClockTicks()
    {
        TempSettings settings;
        MockClock clock(2026, 12, 7, 9, 0, 0);
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        main.show();
        for (QAction* item : {main.itmSetAlarm, main.itmDailyNotes, main.itmAbout}) {
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            QWidget* modal = nullptr;
            QTimer::singleShot(0, &main, [&] {
                modal = QApplication::activeModalWidget();
                press(main, Qt::Key_S);
                clock.advanceSeconds(5);
                QTest::qWait(1100);
                if (modal)
                    modal->close();
            });
            item->trigger();
            QVERIFY(modal && modal != &main);
            QVERIFY2(!main.Calendar1, "the clock took a shortcut behind a modal window");
            QCOMPARE(main.lblTime->text().replace(QChar(0x202f), u' '), clock.now().toString("h:mm:ss AP"));
        }
        QTRY_VERIFY(!main.settingsWindow() && !main.notesWindow());
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        press(main, Qt::Key_H);
        press(main, Qt::Key_S);
        QVERIFY(main.Calendar1 && main.Calendar1->isVisible());
        QCOMPARE(main.Calendar1->selectedDate(), QDate(2026, 12, 7));
        QVERIFY(!main.itmShowCalendar->isEnabled() && main.itmHideCalendar->isEnabled());
    }

    void theAboutWindowNamesTheVersionAndItsHistory()
    {
        frm_Main main(m_seen, m_seen);
        QTimer::singleShot(0, &main, [] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            const auto closing = qScopeGuard([about] { QTest::keyClick(about, Qt::Key_Escape); });
            QCOMPARE(about->windowTitle() + ' ' + about->lblVersion->text(),
                     "About Vintrel Clock & Alarm v3.0.1");
            const QStringList history = about->txtUpdates->toPlainText().split("\n\n");
            QCOMPARE(history.size(), 7);
            QCOMPARE(history.first(), "v3.0.1 - Bug fix: Fixed alarm setting calculations.");
            QCOMPARE(history.last(), "v1.0.1 - Bug fix.    Calendar now shows the correct date.");
            QVERIFY(about->txtUpdates->isReadOnly() && !about->txtUpdates->font().bold());
            QCOMPARE(about->txtUpdates->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            const QFont title = about->lblTitle->font();
            QVERIFY(title.bold() && title.pointSizeF() == 12 && title.styleHint() == QFont::SansSerif);
            QCOMPARE(about->focusWidget(), about->cmdOK);
            const QPoint centre = QApplication::primaryScreen()->availableGeometry().center();
            QVERIFY((about->geometry().center() - centre).manhattanLength() <= 8);
        });
        main.itmAbout->trigger();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_frm_main.moc"
