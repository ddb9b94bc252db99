#include "alarm/AlarmClock.h"
#include "alarm/AlarmStore.h"
#include "alarm/frmMissedAlarms.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "app/frm_Main.h"
#include "mock/MockClock.h"
#include "settings/SettingsStore.h"
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
#include <QTimer>

namespace {

// A moment in December 2026; the 7th is a Monday.
QDateTime at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
}

// Stores slot 0 on, every day at 07:30.
void storeDailyAlarm()
{
    const QStringList values{"1", "1", "8", "07", "30"};
    for (int field = 0; field < values.size(); ++field) {
        static const char* const names[]{"chkOn", "comFreq", "comDays", "txtHr", "txtMin"};
        SaveSetting(AppTitle, AlarmSection, alarmKey(names[field], 0), values[field]);
    }
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->window()->activateWindow(); // a message box may have had it
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    box->selectAll(); // typed over
    QTest::keyClicks(box, text);
}

} // namespace

// The windows of the alarms: the settings, the ringing notification and the missed alarms.
class TestAlarmWindows : public QObject
{
    Q_OBJECT

    AlarmRecorder m_seen;
    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;

    QString stored(const QString& key) const { return m_settings->onDisk(AlarmSection, key); }

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
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        window.comFreq[0]->setCurrentIndex(Frequency::Regular);
        window.comDays[0]->setCurrentIndex(DayChoice::SaturdayAndSunday);
        // A once-only list has no patterns: the row falls back to Monday, not to no day.
        window.comFreq[0]->setCurrentIndex(Frequency::OnceOnly);
        QCOMPARE(window.comDays[0]->currentText(), QStringLiteral("Monday"));
        QStringList messages;
        ModalAnswerer answerer([&](QWidget* modal) {
            messages << qobject_cast<QMessageBox*>(modal)->text();
            modal->close();
            // The refused entry is selected, ready to be typed over.
            QCOMPARE(qobject_cast<QLineEdit*>(window.focusWidget())->selectedText().size(), 2);
        });
        typeInto(window.txtHr[0], QStringLiteral("24"));
        QTest::keyClick(window.txtHr[0], Qt::Key_Tab);
        typeInto(window.txtHr[0], QStringLiteral("7"));
        QTest::keyClick(window.txtHr[0], Qt::Key_Tab);
        QCOMPARE(window.txtHr[0]->text(), QStringLiteral("07"));
        typeInto(window.txtMin[0], QStringLiteral("60"));
        // Return in a box saves nothing, nor does a click on "Save Settings" past a refusal.
        QTest::keyClick(window.txtMin[0], Qt::Key_Return);
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(messages, QStringList({"You must enter a number in the range 0-23",
                                        "You must enter a number in the range 0-59"}));
        QVERIFY(window.isVisible());
        QVERIFY(!m_settings->onDiskContains(AlarmSection, "dur"));
        typeInto(window.txtMin[0], QStringLiteral("30"));
        QTest::keyClick(window.vscr_dur, Qt::Key_End);
        QTest::keyClick(window.txtMin[0], Qt::Key_Escape); // keeps the edits
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(alarms.nextAlarmText(), QStringLiteral("Monday 07:30 (Next Alarm)"));
        QStringList values;
        for (const char* key : {"dur", "chkOn 0", "comFreq 0", "comDays 0", "txtHr 0", "txtMin 0"})
            values << stored(key);
        QCOMPARE(values, QStringList({"60", "1", "0", "0", "07", "30"}));
    }

    void anAlarmRingsOverTheOpenSettingsAndItsRowsShowTheStoredSlotsAfter()
    {
        storeDailyAlarm();
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        QPointer<frm_alarm_notif> notification;
        QTimer::singleShot(0, &main, [&] {
            frm_SetAlarm& settings = *main.settingsWindow();
            const auto closing = qScopeGuard([&] { settings.close(); }); // even after a failure
            QTest::mouseClick(settings.chkOn[0], Qt::LeftButton); // an edit the alarm discards
            m_clock->set(at(7, 7, 30));
            main.Timer1_Timer();
            notification = main.notification();
            QVERIFY(notification && notification->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), notification.data());
            QTest::mouseClick(notification->cmd_okay, Qt::LeftButton); // at once, by mouse
            QTRY_VERIFY(!notification);
            QVERIFY(settings.chkOn[0]->isChecked());
            QVERIFY(settings.isVisible());
        });
        main.itmSetAlarm->trigger();
        QVERIFY(!main.settingsWindow()); // closed is gone: the next opening reads the slots anew
        QCOMPARE(m_seen.withdrawals, 1);
        QCOMPARE(main.lblStatus->text(), QStringLiteral("Tuesday 07:30 (Next Alarm)"));
    }

    void theNotificationIsAnAlertAnsweredFromTheKeyboardAfterItsFirstSecond_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void theNotificationIsAnAlertAnsweredFromTheKeyboardAfterItsFirstSecond()
    {
        QFETCH(int, key);
        frm_alarm_notif notification(toDateSerial(at(7, 7, 30)));
        notification.setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy closed(&notification, &QDialog::finished);
        notification.show();
        QVERIFY(QTest::qWaitForWindowActive(&notification));
        QCOMPARE(QAccessible::queryAccessibleInterface(&notification)->role(),
                 QAccessible::AlertMessage);
        QCOMPARE(notification.lbl_time->text(), QStringLiteral("07:30"));
        QCOMPARE(QApplication::focusWidget(), notification.cmd_okay);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(closed.isEmpty()); // typed for another window
        QTest::qWait(frm_alarm_notif::KeyGuardMs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(closed.size(), 1);
        QVERIFY(!notification.isVisible());
    }

    void missedAlarmsGatherInOneWindowThatBlocksNothing()
    {
        storeDailyAlarm();
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        for (int day : {8, 9}) {
            m_clock->set(at(day, 8, 0));
            main.Timer1_Timer();
        }
        QVERIFY(!main.notification());
        frmMissedAlarms* missed = main.missedAlarms();
        QVERIFY(missed && missed->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(missed->lstMissed->count(), 2);
        QCOMPARE(missed->lstMissed->item(1)->text(), QStringLiteral("Missed alarm: Wednesday 07:30"));
    }
};

QTEST_MAIN(TestAlarmWindows)
#include "tst_alarmwindows.moc"
