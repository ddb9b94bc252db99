#include "app/frm_Main.h"
#include "core/Form.h"
#include "core/TickSchedule.h"
#include "mock/MockClock.h"
#include "support/TempSettings.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

// Closing and reopening where it was left is e2e/main_window_position.sh, with a real frame.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Form<frm_Main>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void firstRunOpensTopLeftWithoutTheIndicator()
    {
        TempSettings settings;
        MockClock clock(2026, 12, 7, 7, 29, 59);
        frm_Main& window = Form<frm_Main>::get();
        QCOMPARE(window.pos(), QPoint(0, 0));
        QCOMPARE(window.windowTitle(), AppTitle);
        Form<frm_Main>::showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.lblNote->isVisible());
        QVERIFY(window.lblTime->text().isEmpty());
    }

    void storedPositionIsRestoredAndNegativeEdgesClamped()
    {
        TempSettings settings;
        settings.writeFile("[Main]\ntop=-30\nleft=600\n");
        QCOMPARE(Form<frm_Main>::get().pos(), QPoint(40, 0));
    }

    void tickShowsTheTimeAndTheTitleFollowsTheStatus()
    {
        TempSettings settings;
        MockClock clock(2026, 12, 7, 15, 4, 5);
        frm_Main& window = Form<frm_Main>::get();
        window.setStatusText(QStringLiteral("Monday 07:30 (Next Alarm)"));
        window.Timer1_Timer();
        QCOMPARE(window.windowTitle(), AppTitle);

        Form<frm_Main>::showModeless();
        clock.advanceSecond();
        window.Timer1_Timer();
        QCOMPARE(window.lblTime->text().replace(QChar(0x202f), QLatin1Char(' ')),
                 QStringLiteral("3:04:06 PM"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Monday 07:30 (Next Alarm)"));

        window.setStatusText(QStringLiteral("Alarm is OFF"));
        window.Timer1_Timer();
        QCOMPARE(window.windowTitle(), QStringLiteral("Alarm is OFF"));
        QCOMPARE(window.lblStatus->text(), QStringLiteral("Alarm is OFF"));
    }

    void ticksAreAimedJustAfterTheWallClocksHalfSeconds()
    {
        TempSettings settings;
        const QDateTime loaded(QDate(2026, 12, 7), QTime(7, 29, 59, 750));
        MockClock clock(2026, 12, 7);
        clock.set(loaded);
        frm_Main& window = Form<frm_Main>::get();
        QVERIFY(window.Timer1->isActive());
        const auto nextTick = [&window](const QDateTime& now) {
            return now.addMSecs(window.Timer1->interval());
        };
        const int margin = TickSchedule::Margin;
        QCOMPARE(nextTick(loaded), QDateTime(loaded.date(), QTime(7, 30, 0, margin)));

        // A tick that came late is not carried on: the one after is aimed at the mark.
        const QDateTime lateTick(loaded.date(), QTime(7, 30, 0, 40));
        clock.set(lateTick);
        window.Timer1_Timer();
        QCOMPARE(nextTick(lateTick), QDateTime(loaded.date(), QTime(7, 30, 0, 500 + margin)));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_frm_main.moc"
