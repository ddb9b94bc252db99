#include "alarm/AlarmClock.h"
#include "alarm/frmMissedAlarms.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "app/frm_Main.h"
#include "mock/MockClock.h"
#include "support/AlarmRecorder.h"
#include "support/ModalAnswer.h"
#include "support/TempSettings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

void typeInto(QLineEdit* box, const QString& text)
{
    box->window()->activateWindow(); // a message box may have had it
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    box->selectAll(); // typed over
    QTest::keyClicks(box, text);
}

} // namespace

// The windows of the alarms: the settings, the ringing notification and the missed alarms,
// from Monday 7 December 2026, 07:00.
class TestAlarmWindows : public QObject
{
    Q_OBJECT

    AlarmRecorder m_seen;
    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;

    // Starts the clock with slot 0 on, every day at 07:30.
    void startWithDailyAlarm(frm_Main& main)
    {
        m_settings->writeFile("[AlarmSetting]\nchkOn%200=1\ncomFreq%200=1\ncomDays%200=8\n"
                              "txtHr%200=07\ntxtMin%200=30\n");
        main.Form_Load();
    }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        m_clock = std::make_unique<MockClock>(2026, 12, 7, 7, 0, 0);
        m_seen = AlarmRecorder();
    }
    void cleanup() { m_clock.reset(); }

    void aRowIsSavedOnceEveryBoxHoldsATime()
    {
        AlarmClock alarms(m_seen, m_seen);
        alarms.start();
        frm_SetAlarm window(alarms);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto row = [&] {
            const bool enabled = window.comFreq[0]->isEnabled() && window.txtMin[0]->isEnabled();
            return window.chkOn[0]->text() + (enabled ? " enabled" : " greyed");
        };
        QCOMPARE(row(), "Off greyed");
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        QCOMPARE(row(), "On enabled");
        // Switched to once only, a pattern, which the once-only list lacks, becomes Monday.
        window.comFreq[0]->setCurrentIndex(Frequency::Regular);
        window.comDays[0]->setCurrentIndex(DayChoice::MondayToFriday);
        window.comFreq[0]->setCurrentIndex(Frequency::OnceOnly);
        QCOMPARE(window.comDays[0]->currentText(), "Monday");
        typeInto(window.txtHr[0], "24");
        auto message = answerNextBox(QMessageBox::Ok);
        QTest::keyClick(window.txtHr[0], Qt::Key_Tab);
        QCOMPARE(*message, "You must enter a number in the range 0-23");
        QCOMPARE(window.txtHr[0]->selectedText(), "24"); // ready to be typed over
        typeInto(window.txtHr[0], "7");
        QTest::keyClick(window.txtHr[0], Qt::Key_Tab);
        QCOMPARE(window.txtHr[0]->text(), "07");
        typeInto(window.txtMin[0], "60");
        // Return in a box saves nothing, nor does a click on "Save Settings" past a refusal.
        QTest::keyClick(window.txtMin[0], Qt::Key_Return);
        message = answerNextBox(QMessageBox::Ok);
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(*message, "You must enter a number in the range 0-59");
        QVERIFY(window.isVisible() && !m_settings->onDisk(AlarmSection, "dur").isValid());
        typeInto(window.txtMin[0], "30");
        QTest::keyClick(window.vscr_dur, Qt::Key_End);
        QTest::keyClick(window.txtMin[0], Qt::Key_Escape); // keeps the edits
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(alarms.nextAlarmText(), "Monday 07:30 (Next Alarm)");
        QCOMPARE(m_settings->onDisk(AlarmSection, {"dur", "chkOn 0", "comFreq 0", "comDays 0", "txtHr 0", "txtMin 0"}),
                 "60 1 0 0 07 30");
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        QCOMPARE(row(), "Off greyed");
    }

    void anAlarmRingsOverTheOpenSettingsAndItsRowsShowTheStoredSlotsAfter()
    {
        frm_Main main(m_seen, m_seen);
        startWithDailyAlarm(main);
        main.show();
        QPointer<frm_alarm_notif> notification;
        QTimer::singleShot(0, &main, [&] {
            frm_SetAlarm& settings = *main.settingsWindow();
            const auto closing = qScopeGuard([&] { settings.close(); }); // even after a failure
            QTest::mouseClick(settings.chkOn[0], Qt::LeftButton); // an edit the alarm discards
            m_clock->set(QDateTime(QDate(2026, 12, 7), QTime(7, 30)));
            main.Timer1_Timer();
            notification = main.notification();
            QVERIFY(notification && notification->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), notification.data());
            QTest::mouseClick(notification->cmd_okay, Qt::LeftButton); // at once, by mouse
            QTRY_VERIFY(!notification);
            QVERIFY(settings.chkOn[0]->isChecked() && settings.isVisible());
        });
        main.itmSetAlarm->trigger();
        QTRY_VERIFY(!main.settingsWindow()); // closed is gone: the next opening reads anew
        QCOMPARE(m_seen.withdrawals, 1);
        QCOMPARE(main.windowTitle(), "Tuesday 07:30 (Next Alarm)");
        // Closed with an alarm set, the clock says the alarms are off until it runs again.
        main.close();
        QCOMPARE(m_seen.informed.size(), 1);
        QVERIFY(m_seen.informed.at(0).startsWith("Alarms off: "));
    }

    void theNotificationIsAnAlertAnsweredFromTheKeyboardAfterItsFirstSecond()
    {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
            frm_alarm_notif notification(toDateSerial(QDate(2026, 12, 7), QTime(7, 30)));
            notification.setAttribute(Qt::WA_DeleteOnClose, false);
            QSignalSpy closed(&notification, &QDialog::finished);
            notification.show();
            QVERIFY(QTest::qWaitForWindowActive(&notification));
            QCOMPARE(QAccessible::queryAccessibleInterface(&notification)->role(),
                     QAccessible::AlertMessage);
            QCOMPARE(notification.lbl_time->text(), "07:30");
            QCOMPARE(QApplication::focusWidget(), notification.cmd_okay);
            QVERIFY(notification.windowFlags() & Qt::WindowStaysOnTopHint);
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(closed.isEmpty()); // typed for another window
            QTest::qWait(frm_alarm_notif::KeyGuardMs);
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(closed.size(), 1);
            QVERIFY(!notification.isVisible());
            // "Okay" lets go of the top before closing; Escape closes it as it stands.
            QCOMPARE(bool(notification.windowFlags() & Qt::WindowStaysOnTopHint), key == Qt::Key_Escape);
        }
    }

    // Missed while the computer slept: listed, a line each, beside the clock, which the
    // window does not block; once closed, the next missed alarm opens it afresh.
    void missedAlarmsGatherInOneWindowThatBlocksNothing()
    {
        frm_Main main(m_seen, m_seen);
        startWithDailyAlarm(main);
        for (int day : {8, 9}) {
            m_clock->set(QDateTime(QDate(2026, 12, day), QTime(8, 0)));
            main.Timer1_Timer();
        }
        QPointer<frmMissedAlarms> missed = main.missedAlarms();
        QVERIFY(!main.notification() && missed->isVisible() && !QApplication::activeModalWidget());
        QCOMPARE(missed->windowTitle() + ": " + missed->lstMissed->item(1)->text(),
                 "Missed Alarms: Missed alarm: Wednesday 07:30");
        QCOMPARE(missed->lstMissed->count(), 2);
        QTest::keyClick(missed->lstMissed, Qt::Key_Return);
        QTRY_VERIFY(!missed);
        m_clock->set(QDateTime(QDate(2026, 12, 10), QTime(8, 0)));
        main.Timer1_Timer();
        QCOMPARE(main.missedAlarms()->lstMissed->count(), 1);
    }
};

QTEST_MAIN(TestAlarmWindows)
#include "tst_alarmwindows.moc"
