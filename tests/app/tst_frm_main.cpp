#include "app/frm_Main.h"
#include "core/Form.h"
#include "core/TickSchedule.h"
#include "mock/MockClock.h"
#include "support/TempSettings.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QTest>
#include <QTimer>

// The sizes with a real frame, reopening in place and a screen reader's view are in tests/e2e.
class TestMainWindow : public QObject
{
    Q_OBJECT

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

    void nextTickLandsJustAfterTheNextMark_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("period");
        QTest::addColumn<QTime>("mark");
        QTest::newRow("on a second") << QTime(7, 29, 59) << 500 << QTime(7, 29, 59, 500);
        // A tick that wakes early but after the second has turned waits for the next mark,
        // rather than ticking twice in a row.
        QTest::newRow("woken early") << QTime(7, 30, 0, 3) << 500 << QTime(7, 30, 0, 500);
        QTest::newRow("second half") << QTime(7, 30, 0, 505) << 500 << QTime(7, 30, 1);
        QTest::newRow("before midnight") << QTime(23, 59, 59, 999) << 500 << QTime(0, 0);
        QTest::newRow("whole seconds") << QTime(7, 30, 0, 1) << 1000 << QTime(7, 30, 1);
    }
    void nextTickLandsJustAfterTheNextMark()
    {
        QFETCH(QTime, now);
        QFETCH(int, period);
        QFETCH(QTime, mark);
        QCOMPARE(now.addMSecs(TickSchedule::msecsToNextTick(now, period)),
                 mark.addMSecs(TickSchedule::Margin));
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
        Form<frm_Main>::showModeless();
        frm_Main& main = Form<frm_Main>::get();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QWidget* modal = nullptr;
        QString timeSeenWhileOpen;
        QTimer::singleShot(0, &main, [&] {
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
        QVERIFY2(!main.Calendar1, "the clock took a shortcut behind a modal window");
        QCOMPARE(timeSeenWhileOpen, "9:00:05 AM");

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
