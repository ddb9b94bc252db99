#include "alarm/AlarmStore.h"
#include "alarm/AlarmNotice.h"
#include "alarm/Beeper.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "core/Form.h"
#include "core/MainWindowLink.h"
#include "core/TickSchedule.h"
#include "core/mod_alarm.h"
#include "mock/MockClock.h"
#include "settings/SettingsStore.h"
#include "support/ModalAnswer.h"
#include "support/TempSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

class FakeMainWindow final : public MainWindowLink
{
public:
    void setStatusText(const QString& text) override { status = text; }
    void refreshTitle() override { ++titleRefreshes; }
    void CheckIfNotesForToday() override {}

    QString status;
    int titleRefreshes = 0;
};

class CountingBeeper final : public Beeper
{
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class CountingNotice final : public AlarmNotice
{
public:
    void post(const QString& timeText) override { posted.append(timeText); }
    void withdraw() override { ++withdrawals; }
    QStringList posted;
    int withdrawals = 0;
};

void pressOkay(QWidget* notification)
{
    QTest::mouseClick(notification->findChild<QPushButton*>("cmd_okay"), Qt::LeftButton);
}

frm_SetAlarm& settingsWindow()
{
    return Form<frm_SetAlarm>::get();
}

void storeSlot(int n, bool on, int frequency, int dayChoice, const QString& hour,
               const QString& minute, const QDateTime& next = {})
{
    SaveSetting(AppTitle, AlarmSection, alarmKey("chkOn", n), on ? "1" : "0");
    SaveSetting(AppTitle, AlarmSection, alarmKey("comFreq", n), QString::number(frequency));
    SaveSetting(AppTitle, AlarmSection, alarmKey("comDays", n), QString::number(dayChoice));
    SaveSetting(AppTitle, AlarmSection, alarmKey("txtHr", n), hour);
    SaveSetting(AppTitle, AlarmSection, alarmKey("txtMin", n), minute);
    if (next.isValid())
        SaveSetting(AppTitle, AlarmSection, alarmKey("DateTime", n),
                    dateSerialText(toDateSerial(next)));
}

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

} // namespace

class TestSetAlarm : public QObject
{
    Q_OBJECT

private:
    frm_SetAlarm& showActive()
    {
        Form<frm_SetAlarm>::showModeless();
        frm_SetAlarm& window = settingsWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the alarm settings window never became active");
        return window;
    }

    void typeInto(QLineEdit* box, const QString& text)
    {
        box->window()->activateWindow();
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    FakeMainWindow m_main;
    CountingBeeper m_beeper;
    CountingNotice m_notice;
    std::unique_ptr<TempSettings> m_settings;
    // Monday 7 December 2026, half an hour before the usual alarm.
    std::unique_ptr<MockClock> m_clock;

private Q_SLOTS:
    void initTestCase()
    {
        MainWindowLink::setInstance(&m_main);
        Beeper::setInstance(&m_beeper);
        AlarmNotice::setInstance(&m_notice);
    }

    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        m_clock = std::make_unique<MockClock>(2026, 12, 7, 7, 0, 0);
        m_main = FakeMainWindow();
        m_beeper.beeps = 0;
        m_notice = CountingNotice();
    }

    void cleanup()
    {
        Form<frm_alarm_notif>::unload();
        Form<frm_SetAlarm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_clock.reset();
        m_settings.reset();
    }

    void rowIsEnabledExactlyWhileItsBoxIsChecked()
    {
        frm_SetAlarm& window = showActive();
        QCheckBox* check = window.chkOn[3];
        const QList<QWidget*> row{window.comFreq[3], window.comDays[3], window.txtHr[3],
                                  window.txtMin[3]};
        for (QWidget* control : row)
            QVERIFY(!control->isEnabled());

        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(check->text(), QStringLiteral("On"));
        for (QWidget* control : row)
            QVERIFY(control->isEnabled());
        QVERIFY(window.slotTable()[3].isOn);

        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(check->text(), QStringLiteral("Off"));
        for (QWidget* control : row)
            QVERIFY(!control->isEnabled());
        QVERIFY(check->isEnabled());
        QVERIFY(!window.slotTable()[3].isOn);
    }

    void dayListFollowsTheFrequency()
    {
        frm_SetAlarm& window = settingsWindow();
        QComboBox* frequency = window.comFreq[5];
        QComboBox* days = window.comDays[5];
        QCOMPARE(days->count(), 7);

        frequency->setCurrentIndex(1);
        QCOMPARE(days->count(), 10);
        QCOMPARE(days->itemText(9), QStringLiteral("Saturday & Sunday"));
        days->setCurrentIndex(9);
        frequency->setCurrentIndex(0);
        QCOMPARE(days->count(), 7);
        QCOMPARE(days->currentText(), QStringLiteral("Monday"));
        QCOMPARE(window.slotTable()[5].dayChoice, 0);

        days->setCurrentIndex(3);
        frequency->setCurrentIndex(1);
        QCOMPARE(days->count(), 10);
        QCOMPARE(days->currentText(), QStringLiteral("Thursday"));
        frequency->setCurrentIndex(0);
        QCOMPARE(days->currentText(), QStringLiteral("Thursday"));
        QCOMPARE(window.slotTable()[5].dayChoice, 3);
        QCOMPARE(window.slotTable()[5].frequency, 0);

        // A list with nothing chosen keeps nothing chosen.
        days->setCurrentIndex(-1);
        window.FillDayList(5, 1);
        QCOMPARE(days->currentIndex(), -1);
    }

    void leavingABoxValidatesIt_data()
    {
        QTest::addColumn<bool>("hourBox");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");   // the text after leaving
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString hourMessage = QStringLiteral("You must enter a number in the range 0-23");
        const QString minuteMessage = QStringLiteral("You must enter a number in the range 0-59");
        QTest::newRow("hour 7") << true << "7" << "07" << "";
        QTest::newRow("hour 23") << true << "23" << "23" << "";
        QTest::newRow("hour 24") << true << "24" << "24" << hourMessage;
        QTest::newRow("hour -1") << true << "-1" << "-1" << hourMessage;
        QTest::newRow("hour 1.") << true << "1." << "1." << hourMessage;
        QTest::newRow("hour ab") << true << "ab" << "ab" << hourMessage;
        QTest::newRow("hour empty") << true << "" << "" << hourMessage;
        QTest::newRow("minute 5") << false << "5" << "05" << "";
        QTest::newRow("minute 60") << false << "60" << "60" << minuteMessage;
    }
    void leavingABoxValidatesIt()
    {
        QFETCH(bool, hourBox);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        frm_SetAlarm& window = showActive();
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        QLineEdit* box = hourBox ? window.txtHr[0] : window.txtMin[0];

        QString seenText, seenTitle;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        ModalAnswerer answerer([&](QWidget* modal) {
            auto* messageBox = qobject_cast<QMessageBox*>(modal);
            QVERIFY(messageBox);
            seenText = messageBox->text();
            seenTitle = messageBox->windowTitle();
            seenIcon = messageBox->icon();
            // While the box is up, the focus and a full selection are already back.
            QCOMPARE(box->selectedText(), box->text());
            messageBox->button(QMessageBox::Ok)->click();
        });
        typeInto(box, typed);
        QTest::keyClick(box, Qt::Key_Tab);
        QTest::qWait(50);

        QCOMPARE(box->text(), shown);
        if (message.isEmpty()) {
            QCOMPARE(answerer.seen, 0);
            QVERIFY(QApplication::focusWidget() != box);
            return;
        }
        QCOMPARE(answerer.seen, 1);
        QCOMPARE(seenText, message);
        QCOMPARE(seenTitle, QStringLiteral("Invalid entry"));
        QCOMPARE(seenIcon, QMessageBox::Warning);
        QCOMPARE(window.focusWidget(), box);

        // The box is checked again the next time it is left.
        typeInto(box, QStringLiteral("3"));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(box->text(), QStringLiteral("03"));
        QCOMPARE(answerer.seen, 1);
    }

    void saveWaitsForARejectedBox()
    {
        frm_SetAlarm& window = showActive();
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        ModalAnswerer answerer([](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        typeInto(window.txtHr[0], QStringLiteral("24"));
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(answerer.seen, 1);
        QVERIFY(window.isVisible());
        QVERIFY(!m_settings->onDiskContains(AlarmSection, "dur"));

        typeInto(window.txtHr[0], QStringLiteral("6"));
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(answerer.seen, 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(m_settings->onDisk(AlarmSection, "txtHr 0"), QStringLiteral("06"));
    }

    void saveWritesEveryValueAndTheStatusLine()
    {
        frm_SetAlarm& window = showActive();
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        window.comFreq[0]->setCurrentIndex(1);
        window.comDays[0]->setCurrentIndex(7); // Monday to Friday
        typeInto(window.txtHr[0], QStringLiteral("7"));
        typeInto(window.txtMin[0], QStringLiteral("30"));
        QTest::keyClick(window.vscr_dur, Qt::Key_End);
        QCOMPARE(window.lbl_dur->text(), QStringLiteral("60"));
        QVERIFY(!m_settings->onDiskContains(AlarmSection, "dur"));
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);

        QVERIFY(!window.isVisible());
        QCOMPARE(m_main.status, QStringLiteral("Monday 07:30 (Next Alarm)"));
        QCOMPARE(dateTimeFromSerial(mod_alarm::alarmDisplayTime), at(2026, 12, 7, 7, 30));
        QSettings file(m_settings->fileName(), QSettings::IniFormat);
        file.beginGroup(AlarmSection);
        QCOMPARE(file.childKeys().size(), 91);
        QStringList values;
        for (const char* key : {"dur", "chkOn 0", "comFreq 0", "comDays 0", "txtHr 0", "txtMin 0",
                                "DateTime 0", "DateTime 1"})
            values << file.value(key).toString();
        QCOMPARE(values, QStringList({"60", "1", "1", "7", "07", "30",
                                      dateSerialText(toDateSerial(at(2026, 12, 7, 7, 30))), "0"}));

        // Switched off and saved, it leaves the status line at once.
        showActive();
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        QTest::keyClick(window.vscr_dur, Qt::Key_Home);
        QCOMPARE(window.lbl_dur->text(), QStringLiteral("1"));
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(m_main.status, QStringLiteral("Alarm is OFF"));
    }

    void loadShowsStoredSlotsAndSwitchesOffPastOneOffs()
    {
        storeSlot(2, true, 1, 9, "7", "5");
        storeSlot(3, true, 0, 4, "06", "00", at(2026, 12, 7, 6, 59, 59));
        storeSlot(4, true, 0, 0, "07", "00", at(2026, 12, 7, 7, 0));
        frm_SetAlarm& window = settingsWindow();
        QCOMPARE(window.comDays[2]->currentText(), QStringLiteral("Saturday & Sunday"));
        QCOMPARE(window.txtHr[2]->text(), QStringLiteral("7")); // padded only on leaving
        QVERIFY(window.comDays[2]->isEnabled());
        QVERIFY(!window.chkOn[3]->isChecked());
        QVERIFY(!window.comDays[3]->isEnabled());
        QVERIFY(window.chkOn[4]->isChecked()); // its second is now: not yet past
        QCOMPARE(m_settings->onDisk(AlarmSection, "chkOn 3"), QStringLiteral("1"));
        QCOMPARE(m_main.status, QStringLiteral("Saturday 07:05 (Next Alarm)"));
    }

    void closingKeepsTheAlarmsWatched()
    {
        frm_SetAlarm& window = showActive();
        window.move(200, 150);
        QTest::mouseClick(window.chkOn[2], Qt::LeftButton);
        const QPointer<frm_SetAlarm> closed(&window);
        window.close();
        QTRY_VERIFY(!closed);
        QVERIFY(Form<frm_SetAlarm>::isLoaded());

        frm_SetAlarm& reloaded = settingsWindow();
        QVERIFY(!reloaded.isVisible());
        QVERIFY(reloaded.timer_alarm->isActive());
        QVERIFY(!reloaded.chkOn[2]->isChecked());
        QCOMPARE(reloaded.pos(), QPoint(200, 150));
    }

    void checksAreAimedJustAfterTheWallClocksSeconds()
    {
        const QDateTime loaded(QDate(2026, 12, 7), QTime(7, 29, 59, 600));
        m_clock->set(loaded);
        frm_SetAlarm& window = settingsWindow();
        const int margin = TickSchedule::Margin;
        QCOMPARE(loaded.addMSecs(window.timer_alarm->interval()),
                 QDateTime(loaded.date(), QTime(7, 30, 0, margin)));

        // A check that came late is not carried on: the next is aimed at the next second.
        const QDateTime lateCheck(loaded.date(), QTime(7, 30, 0, 70));
        m_clock->set(lateCheck);
        window.timer_alarm_Timer();
        QCOMPARE(lateCheck.addMSecs(window.timer_alarm->interval()),
                 QDateTime(loaded.date(), QTime(7, 30, 1, margin)));
    }

    void alarmRingsOverTheOpenSettingsWindow()
    {
        storeSlot(0, true, 1, 8, "07", "30");
        m_clock->set(2026, 12, 7, 7, 29, 59);
        frm_SetAlarm& window = showActive();
        QTest::mouseClick(window.chkOn[1], Qt::LeftButton); // an unsaved edit
        window.timer_alarm_Timer();
        QCOMPARE(m_beeper.beeps, 0);

        m_clock->advanceSecond();
        ModalAnswerer answerer([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Alarm Notification"));
            QVERIFY(modal->windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(modal->findChild<QLabel*>("lbl_txt")->text(), QStringLiteral("The time is now"));
            QCOMPARE(modal->findChild<QLabel*>("lbl_time")->text(), QStringLiteral("07:30"));
            QVERIFY(window.timer_beep->isActive());
            QCOMPARE(m_notice.posted, QStringList{QStringLiteral("07:30")});
            QCOMPARE(m_notice.withdrawals, 0);
            // A tick inside the notification's wait is no second firing: it returns at once
            // and leaves this notification open. (Should it wait instead, it is let go.)
            QTimer release;
            release.setSingleShot(true);
            QObject::connect(&release, &QTimer::timeout, [] {
                if (QWidget* stuck = QApplication::activeModalWidget())
                    pressOkay(stuck);
            });
            release.start(300);
            window.timer_alarm_Timer();
            release.stop();
            QVERIFY(Form<frm_alarm_notif>::isLoaded());
            QTRY_VERIFY(m_beeper.beeps >= 2);
            m_clock->advanceSeconds(10);
            pressOkay(modal);
        });
        window.timer_alarm_Timer();

        QCOMPARE(answerer.seen, 1);
        QVERIFY(!Form<frm_alarm_notif>::isLoaded());
        QCOMPARE(m_notice.posted.size(), 1);
        QCOMPARE(m_notice.withdrawals, 1);
        QVERIFY(!window.timer_beep->isActive());
        QCOMPARE(window.beepElapsed, 0);
        const int beeps = m_beeper.beeps;
        QTest::qWait(400);
        QCOMPARE(m_beeper.beeps, beeps);
        QCOMPARE(m_main.titleRefreshes, 1);
        QVERIFY(!window.chkOn[1]->isChecked());
        QCOMPARE(m_main.status, QStringLiteral("Tuesday 07:30 (Next Alarm)"));
        QCOMPARE(m_settings->onDisk(AlarmSection, "DateTime 0"),
                 dateSerialText(toDateSerial(at(2026, 12, 8, 7, 30))));

        // "Okay" came within the alarm's minute: the rest of the minute stays quiet.
        m_clock->advanceSeconds(20);
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, 1);
    }

    void beepingStopsAfterTheDuration()
    {
        storeSlot(0, true, 0, 0, "07", "30", at(2026, 12, 7, 7, 30));
        SaveSetting(AppTitle, AlarmSection, "dur", "1");
        m_clock->set(2026, 12, 7, 7, 29, 0);
        frm_SetAlarm& window = settingsWindow();
        m_clock->set(2026, 12, 7, 7, 30, 0);
        ModalAnswerer answerer([&](QWidget* modal) {
            QTRY_VERIFY_WITH_TIMEOUT(!window.timer_beep->isActive(), 3000);
            QCOMPARE(m_beeper.beeps, 4);
            QVERIFY(modal->isVisible());
            m_clock->advanceSeconds(5);
            modal->close();
        });
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, 1);
        // The one-off slot rang and is stored as off.
        QCOMPARE(m_settings->onDisk(AlarmSection, "chkOn 0"), QStringLiteral("0"));
        QCOMPARE(m_main.status, QStringLiteral("Alarm is OFF"));
    }

    void missedAlarmRingsLateOrIsSkipped_data()
    {
        QTest::addColumn<QDateTime>("found");
        QTest::addColumn<bool>("rings");
        QTest::newRow("four minutes late") << at(2026, 12, 7, 7, 34, 0) << true;
        QTest::newRow("an hour late") << at(2026, 12, 7, 8, 30, 0) << false;
    }
    void missedAlarmRingsLateOrIsSkipped()
    {
        QFETCH(QDateTime, found);
        QFETCH(bool, rings);
        storeSlot(0, true, 0, 0, "07", "30", at(2026, 12, 7, 7, 30));
        storeSlot(1, true, 1, 8, "07", "30", at(2026, 12, 7, 7, 30));
        m_clock->set(2026, 12, 7, 7, 29, 0);
        frm_SetAlarm& window = showActive();
        m_clock->set(found);
        QString shownTime;
        ModalAnswerer answerer([&](QWidget* modal) {
            shownTime = modal->findChild<QLabel*>("lbl_time")->text();
            pressOkay(modal);
        });

        // Not while the user edits the alarms: the reload would discard the edits.
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, 0);
        QCOMPARE(m_main.status, QStringLiteral("Monday 07:30 (Next Alarm)"));

        window.hide();
        window.timer_alarm_Timer();
        QCOMPARE(answerer.seen, rings ? 1 : 0);
        if (rings)
            QCOMPARE(shownTime, QStringLiteral("07:30"));
        // Either way the alarms move on and the missed one-off is switched off.
        QCOMPARE(m_main.status, QStringLiteral("Tuesday 07:30 (Next Alarm)"));
        QCOMPARE(m_settings->onDisk(AlarmSection, "chkOn 0"), QStringLiteral("0"));
        QCOMPARE(m_settings->onDisk(AlarmSection, "DateTime 1"),
                 dateSerialText(toDateSerial(at(2026, 12, 8, 7, 30))));
    }
};

QTEST_MAIN(TestSetAlarm)
#include "tst_setalarm.moc"
