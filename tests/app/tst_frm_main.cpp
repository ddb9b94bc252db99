#include "alarm/frm_alarm_notif.h"
#include "app/frm_Main.h"
#include "core/TickSchedule.h"
#include "mock/MockClock.h"
#include "support/AlarmRecorder.h"
#include "support/TempSettings.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
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
    void negativeStoredEdgesAreClampedToTheScreen()
    {
        TempSettings settings;
        settings.writeFile("[Main]\ntop=-30\nleft=600\n");
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        QCOMPARE(main.pos(), QPoint(40, 0));
    }

    void nextTickLandsJustAfterTheNextSecond_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QTime>("mark");
        QTest::newRow("on a second") << QTime(7, 29, 59) << QTime(7, 30);
        // A tick that wakes early but after the second has turned waits for the next one,
        // rather than ticking twice in a row.
        QTest::newRow("woken early") << QTime(7, 30, 0, 3) << QTime(7, 30, 1);
        QTest::newRow("late") << QTime(7, 30, 0, 505) << QTime(7, 30, 1);
        QTest::newRow("before midnight") << QTime(23, 59, 59, 999) << QTime(0, 0);
    }
    void nextTickLandsJustAfterTheNextSecond()
    {
        QFETCH(QTime, now);
        QFETCH(QTime, mark);
        QCOMPARE(now.addMSecs(TickSchedule::msecsToNextTick(now, 1000)),
                 mark.addMSecs(TickSchedule::Margin));
    }

    // One tick a second shows the time, follows the status line and checks the alarms.
    void theTickShowsTheTimeAndRingsTheAlarm()
    {
        TempSettings settings;
        settings.writeFile("[AlarmSetting]\nchkOn%200=1\ncomFreq%200=1\ncomDays%200=8\n"
                           "txtHr%200=07\ntxtMin%200=30\n");
        MockClock clock(2026, 12, 7, 7, 29, 59);
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        QCOMPARE(main.windowTitle(), QStringLiteral("Vintrel Clock & Alarm")); // not yet shown
        main.show();
        QCOMPARE(main.windowTitle(), QStringLiteral("Monday 07:30 (Next Alarm)"));
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 30, 0, 40)));
        main.Timer1_Timer();
        QCOMPARE(main.Timer1->interval(), 960 + TickSchedule::Margin);
        QCOMPARE(main.lblTime->text().replace(QChar(0x202f), u' '), "7:30:00 AM");
        QVERIFY(main.notification());
        // The title follows the status line at once, without waiting for a tick.
        QTest::mouseClick(main.notification()->cmd_okay, Qt::LeftButton);
        QCOMPARE(main.windowTitle(), QStringLiteral("Tuesday 07:30 (Next Alarm)"));
        // Closed with an alarm set, the clock says the alarms are off until it runs again.
        main.close();
        QCOMPARE(m_seen.informed.size(), 1);
        QVERIFY(m_seen.informed.at(0).startsWith("Alarms off: "));
    }

    void modalWindowsHoldTheShortcutsBackWhileTheClockTicks_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("alarm settings") << 0;
        QTest::newRow("daily notes") << 1;
        QTest::newRow("about") << 2;
    }
    void modalWindowsHoldTheShortcutsBackWhileTheClockTicks()
    {
        QFETCH(int, window);
        TempSettings settings;
        MockClock clock(2026, 12, 7, 9, 0, 0);
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QWidget* modal = nullptr;
        QString timeSeenWhileOpen;
        QTimer::singleShot(0, &main, [&] {
            modal = QApplication::activeModalWidget();
            press(main, Qt::Key_S);
            clock.advanceSeconds(5);
            QTest::qWait(1100);
            timeSeenWhileOpen = main.lblTime->text().replace(QChar(0x202f), u' ');
            if (modal)
                modal->close();
        });
        QList{main.itmSetAlarm, main.itmDailyNotes, main.itmAbout}[window]->trigger();
        QVERIFY(modal && modal != &main);
        QVERIFY2(!main.Calendar1, "the clock took a shortcut behind a modal window");
        QCOMPARE(timeSeenWhileOpen, "9:00:05 AM");
        QTRY_VERIFY(!main.settingsWindow() && !main.notesWindow()); // closed is gone

        // Once the window has gone the shortcuts work again; hiding what was never made is
        // refused, not a crash.
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        press(main, Qt::Key_H);
        press(main, Qt::Key_S);
        QVERIFY(main.Calendar1 && main.Calendar1->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_frm_main.moc"
