#include "alarm/AlarmNotice.h"
#include "alarm/AlarmStore.h"
#include "alarm/Beeper.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "core/Form.h"
#include "core/MainWindowLink.h"
#include "mock/MockClock.h"
#include "settings/SettingsStore.h"
#include "support/ModalAnswer.h"
#include "support/TempSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// Stands in for the main window, the speaker and the desktop notice, recording their use.
struct Recorder final : MainWindowLink, Beeper, AlarmNotice {
    void setStatusText(const QString& text) override { status = text; }
    void refreshTitle() override {}
    void CheckIfNotesForToday() override {}
    void beep() override { ++beeps; }
    void post(const QString& timeText) override { posted.append(timeText); }
    void withdraw() override { ++withdrawals; }
    QString status;
    int beeps = 0, withdrawals = 0;
    QStringList posted;
};

// A moment in December 2026; the 7th is a Monday.
QDateTime at(int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second));
}

// Stores slot n switched on for 07:30.
void storeSlot(int n, int frequency, int dayChoice, const QDateTime& next = {})
{
    const QStringList values{"1", QString::number(frequency), QString::number(dayChoice), "07",
                             "30", next.isValid() ? dateSerialText(toDateSerial(next)) : "0"};
    for (int field = 0; field < values.size(); ++field) {
        static const char* const names[]{"chkOn", "comFreq", "comDays", "txtHr", "txtMin", "DateTime"};
        SaveSetting(AppTitle, AlarmSection, alarmKey(names[field], n), values[field]);
    }
}

void pressOkay(QWidget* notification)
{
    QTest::mouseClick(notification->findChild<QPushButton*>("cmd_okay"), Qt::LeftButton);
}

frm_SetAlarm& showActive()
{
    Form<frm_SetAlarm>::showModeless();
    if (!QTest::qWaitForWindowActive(&Form<frm_SetAlarm>::get()))
        qFatal("the alarm settings window never became active");
    return Form<frm_SetAlarm>::get();
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

class TestSetAlarm : public QObject
{
    Q_OBJECT

    Recorder m_seen;
    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;

    QString stored(const QString& key) const { return m_settings->onDisk(AlarmSection, key); }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        m_clock = std::make_unique<MockClock>(2026, 12, 7, 7, 0, 0);
        m_seen = Recorder();
        MainWindowLink::setInstance(&m_seen);
        Beeper::setInstance(&m_seen);
        AlarmNotice::setInstance(&m_seen);
    }
    void cleanup()
    {
        Form<frm_alarm_notif>::unload();
        Form<frm_SetAlarm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_clock.reset();
        m_settings.reset();
    }

    void aRowIsSavedOnceEveryBoxHoldsATime()
    {
        frm_SetAlarm& window = showActive();
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
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(messages, QStringList({"You must enter a number in the range 0-23",
                                        "You must enter a number in the range 0-59"}));
        QVERIFY(window.isVisible());
        QVERIFY(!m_settings->onDiskContains(AlarmSection, "dur"));
        typeInto(window.txtMin[0], QStringLiteral("30"));
        QTest::keyClick(window.vscr_dur, Qt::Key_End);
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(m_seen.status, QStringLiteral("Monday 07:30 (Next Alarm)"));
        QStringList values;
        for (const char* key : {"dur", "chkOn 0", "comFreq 0", "comDays 0", "txtHr 0", "txtMin 0",
                                "DateTime 0", "DateTime 1"})
            values << stored(key);
        QCOMPARE(values, QStringList({"60", "1", "0", "0", "07", "30",
                                      dateSerialText(toDateSerial(at(7, 7, 30))), "0"}));
    }

    void closingTheWindowLeavesTheAlarmsWatched()
    {
        const QPointer<frm_SetAlarm> closed(&showActive());
        closed->close();
        QTRY_VERIFY(!closed);
        QVERIFY(Form<frm_SetAlarm>::isLoaded());
        QVERIFY(!Form<frm_SetAlarm>::get().isVisible());
        QVERIFY(Form<frm_SetAlarm>::get().timer_alarm->isActive());
    }

    void alarmsRingOnTimeOrAFewMinutesLateAndMoveOn()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday);
        storeSlot(1, Frequency::OnceOnly, 0, at(7, 7, 30));
        SaveSetting(AppTitle, AlarmSection, "dur", "1");
        m_clock->set(at(7, 7, 29, 59));
        frm_SetAlarm& window = showActive();
        QTest::mouseClick(window.chkOn[2], Qt::LeftButton); // an edit the alarm discards
        window.timer_alarm_Timer();
        QVERIFY(m_seen.posted.isEmpty());
        m_clock->advanceSecond();
        ModalAnswerer answerer([&](QWidget* modal) {
            const auto okay = qScopeGuard([modal] { pressOkay(modal); }); // even after a failure
            if (m_seen.posted.size() > 1) // the late alarm below
                return;
            QCOMPARE(m_seen.posted, QStringList{QStringLiteral("07:30")});
            // A check inside the notification's wait returns at once, leaving it open.
            QTimer release; // should the check wait instead, the test lets it go and fails
            release.callOnTimeout([] { pressOkay(QApplication::activeModalWidget()); });
            release.start(300);
            window.timer_alarm_Timer();
            release.stop();
            QVERIFY(Form<frm_alarm_notif>::isLoaded());
            QTRY_VERIFY_WITH_TIMEOUT(!window.timer_beep->isActive(), 3000);
            QCOMPARE(m_seen.beeps, 4);
            m_clock->advanceSeconds(10);
        });
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, 1);
        QCOMPARE(m_seen.withdrawals, 1);
        QVERIFY(!window.chkOn[2]->isChecked());
        QCOMPARE(m_seen.status, QStringLiteral("Tuesday 07:30 (Next Alarm)"));
        QCOMPARE(stored("DateTime 0"), dateSerialText(toDateSerial(at(8, 7, 30))));
        QCOMPARE(stored("chkOn 1"), QStringLiteral("0")); // the one-off has rung
        // "Okay" came within the alarm's minute: the rest of the minute stays quiet.
        m_clock->advanceSeconds(20);
        window.timer_alarm_Timer();
        QCOMPARE(m_seen.posted.size(), 1);
        // A missed alarm waits for the open window, whose edits a reload would discard.
        m_clock->set(at(8, 7, 34));
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, 1);
        window.hide();
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, 2);
        QCOMPARE(m_seen.status, QStringLiteral("Wednesday 07:30 (Next Alarm)"));
        // More than five minutes late, it is skipped.
        m_clock->set(at(9, 7, 35, 1));
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, 2);
        QCOMPARE(m_seen.status, QStringLiteral("Thursday 07:30 (Next Alarm)"));
        QCOMPARE(stored("DateTime 0"), dateSerialText(toDateSerial(at(10, 7, 30))));
    }
};

QTEST_MAIN(TestSetAlarm)
#include "tst_setalarm.moc"
