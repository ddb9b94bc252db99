#include "alarm/AlarmClock.h"
#include "alarm/BeepCount.h"
#include "alarm/CountdownTimer.h"
#include "alarm/DateChooser.h"
#include "alarm/DaysChooser.h"
#include "alarm/DayTexts.h"
#include "alarm/Snooze.h"
#include "alarm/SoundChooser.h"
#include "alarm/TimeField.h"
#include "alarm/frmMissedAlarms.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "alarm/frmTimer.h"
#include "app/frm_Main.h"
#include "core/CharacterLimit.h"
#include "core/Fonts.h"
#include "core/TimeText.h"
#include "core/Twips.h"
#include "mock/MockClock.h"
#include "support/AlarmRecorder.h"
#include "support/ModalAnswer.h"
#include "support/TempSettings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// A moment in December 2026; the 7th is a Monday.
DateSerial december(int day, int hour, int minute)
{
    return toDateSerial(at(2026, 12, day, hour, minute));
}

// Stores slot n switched on.
void storeSlot(int n, int frequency, int dayChoice, const char* hour, const char* minute,
               DateSerial next = 0)
{
    const QStringList fields{"chkOn", "comFreq", "comDays", "txtHr", "txtMin", "DateTime"},
        values{"1", QString::number(frequency), QString::number(dayChoice), hour, minute, dateSerialText(next)};
    for (int field = 0; field < fields.size(); ++field)
        SaveSetting(AppTitle, AlarmSection, alarmKey(fields[field], n), values[field]);
}

// A slot switched on, at `time` ("07:30").
AlarmSlot slotAt(int frequency, int dayChoice, const QString& time, DateSerial next = 0)
{
    return {true, qint16(frequency), qint16(dayChoice), time.section(':', 0, 0), time.section(':', 1), next, {}, 0, {}, {}};
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

// The alarms: when they fall, how they ring and move on, what is stored, and the windows that
// show them. The clock starts at Monday 7 December 2026, 07:00.
class TestAlarms : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<MockClock> m_clock;
    AlarmRecorder m_seen;

    QString stored(std::initializer_list<const char*> keys) const { return m_settings->onDisk(AlarmSection, keys); }
    QDateTime moveTo(const QDateTime& moment) { m_clock->set(moment); return moment; }

    // Runs `open`, and `answer` in the window of that type it opens, which is closed after a
    // failed check too; the window's title, empty when none came. Its OK and Cancel sit side by
    // side at its foot, below the rest, on the right; its face is its opener's.
    template <typename Chooser>
    static QString answered(const std::function<void()>& open, const std::function<void(Chooser&)>& answer)
    {
        QString title;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<Chooser*>(QApplication::activeModalWidget());
            const auto closing = qScopeGuard([chooser] { if (chooser && chooser->isVisible()) chooser->reject(); });
            QVERIFY(chooser && chooser->objectName() == Chooser::staticMetaObject.className() && chooser->font() == chooser->parentWidget()->font());
            QTRY_COMPARE(QApplication::activeWindow(), chooser);
            auto* okButton = chooser->template findChild<QPushButton*>("cmdOK");
            const QRect ok = okButton->geometry(), cancel = chooser->template findChild<QPushButton*>("cmdCancel")->geometry();
            QVERIFY(ok.top() == cancel.top() && ok.right() < cancel.left() && chooser->width() - cancel.right() < 20 && ok.width() == okButton->sizeHint().width());
            for (QWidget* child : chooser->template findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY(child->geometry().bottom() < ok.top() || child->geometry() == ok || child->geometry() == cancel);
            title = chooser->windowTitle();
            answer(*chooser);
        });
        open();
        return title;
    }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<TempSettings>();
        m_clock = std::make_unique<MockClock>(2026, 12, 7, 7, 0, 0);
        m_seen = AlarmRecorder();
    }
    void cleanup() { m_clock.reset(); }

    // 2026-12-07 is a Monday; 2026-12-11 a Friday, 12 and 13 the weekend. No expected time:
    // the slot never rings. Then the moments as stored, days since 30 December 1899.
    void nextAlarmTime()
    {
        const QList<std::tuple<QDateTime, int, const char*, QDateTime>> cases{
            {at(2026, 12, 7, 7, 29, 59), 0, "07:30", at(2026, 12, 7, 7, 30)},
            {at(2026, 12, 7, 7, 30), 0, "07:30", at(2026, 12, 14, 7, 30)}, // the minute itself
            {at(2026, 12, 11, 9, 0), 6, "8:0", at(2026, 12, 13, 8, 0)},
            {at(2026, 12, 11, 18, 0), 7, "07:00", at(2026, 12, 14, 7, 0)}, // weekdays
            {at(2026, 2, 28, 23, 0), 8, "06:30", at(2026, 3, 1, 6, 30)}, // every day
            {at(2026, 12, 13, 10, 0), 9, "09:00", at(2026, 12, 19, 9, 0)}, // the weekend
            {at(2026, 12, 31, 10, 0), 9, "09:00", at(2027, 1, 2, 9, 0)},
            {at(2026, 12, 7, 7, 0), -1, "07:30", {}}, // nothing chosen
            {at(2026, 12, 7, 7, 0), 8, "ab:30", {}}};
        for (const auto& [now, dayChoice, time, expected] : cases) {
            AlarmSlot slot = slotAt(Frequency::Regular, dayChoice, time);
            QCOMPARE(NextAlarmTime(slot, now), expected.isValid() ? toDateSerial(expected) : 0.0);
            slot.isOn = false;
            QCOMPARE(NextAlarmTime(slot, now), 0.0);
        }
        // Stored with 15 digits, most minutes lie a hair below or above the exact one.
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const QTime time = QTime(0, 0).addSecs(minute * 60);
            const auto parsed = parseDateSerial(dateSerialText(toDateSerial(QDate(2026, 12, 7), time)));
            QVERIFY(parsed && wallClockOf(*parsed).second == time);
        }
        const auto midnight = std::pair{QDate(2026, 12, 8), QTime(0, 0)};
        QCOMPARE(wallClockOf(toDateSerial(midnight.first, midnight.second) - 1e-9), midnight); // a hair below
        for (const auto& [text, value] : {std::pair{"46001,3125", 46001.3125}, {" 46023 ", 46023.0},
                                          {"tomorrow", -1.0}, {"46,001.3125", -1.0}, {"inf", -1.0}})
            QCOMPARE(parseDateSerial(text).value_or(-1), value);
    }

    void chosenDaysAndDates_data()
    {
        QTest::addColumn<QString>("choice"); // weekdays as digits, Monday 1, or a date
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDateTime>("due"); // in UTC; none when invalid
        const auto utc = [](int year, int month, int day, int hour, int minute) {
            return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
        };
        const int nextOfMonWedFri[]{9, 9, 11, 11, 14, 14, 14};
        for (int day = 7; day <= 13; ++day)
            QTest::newRow(qPrintable("135 from day " + QString::number(day))) << "135" << at(2026, 12, day, 8, 0) << "07:30" << utc(2026, 12, nextOfMonWedFri[day - 7], 7, 30);
        QTest::newRow("on its day before its minute") << "135" << at(2026, 12, 9, 7, 29, 59) << "07:30" << utc(2026, 12, 9, 7, 30);
        QTest::newRow("into March") << "15" << at(2026, 2, 28, 8, 0) << "07:30" << utc(2026, 3, 2, 7, 30);
        QTest::newRow("into the new year") << "246" << at(2026, 12, 31, 8, 0) << "07:30" << utc(2027, 1, 2, 7, 30);
        QTest::newRow("in the hour summer time skips") << "37" << at(2027, 3, 27, 12, 0) << "01:30" << utc(2027, 3, 28, 1, 0);
        QTest::newRow("in the hour autumn repeats") << "37" << at(2027, 10, 30, 12, 0) << "01:30" << utc(2027, 10, 31, 0, 30);
        QTest::newRow("no days") << "" << at(2026, 12, 7, 7, 0) << "07:30" << QDateTime();
        QTest::newRow("three weeks ahead") << "2026-12-28" << at(2026, 12, 7, 7, 0) << "07:30" << utc(2026, 12, 28, 7, 30);
        QTest::newRow("a year ahead") << "2027-12-07" << at(2026, 12, 7, 7, 0) << "07:30" << utc(2027, 12, 7, 7, 30);
        QTest::newRow("today before its minute") << "2026-12-07" << at(2026, 12, 7, 7, 29, 59) << "07:30" << utc(2026, 12, 7, 7, 30);
        QTest::newRow("today in its minute") << "2026-12-07" << at(2026, 12, 7, 7, 30) << "07:30" << QDateTime();
        QTest::newRow("yesterday") << "2026-12-06" << at(2026, 12, 7, 7, 0) << "07:30" << QDateTime();
        QTest::newRow("a date in the skipped hour") << "2027-03-28" << at(2026, 12, 7, 7, 0) << "01:30" << utc(2027, 3, 28, 1, 0);
    }

    // Chosen weekdays ring on the first of them from today on, a date on that date, at the
    // alarm's minute, or at the end of the hour summer time skips; a date passed, never.
    void chosenDaysAndDates()
    {
        QFETCH(QString, choice);
        QFETCH(QDateTime, now);
        QFETCH(QString, time);
        QFETCH(QDateTime, due);
        const QDate date = QDate::fromString(choice, Qt::ISODate);
        AlarmSlot slot = date.isValid() ? slotAt(Frequency::OnceOnly, DayChoice::OnDate, time) : slotAt(Frequency::Regular, DayChoice::ChosenDays, time);
        slot.chosenDate = date;
        for (QChar day : date.isValid() ? QString() : choice)
            slot.chosenDays.set(day.digitValue() - 1);
        const DateSerial next = NextAlarmTime(slot, now);
        QCOMPARE(next ? dueMoment(next).toUTC() : QDateTime(), due);
        // A date that will not come is not saved; days that never come are a choice of their own.
        SlotTable slots;
        slots[3] = slot;
        QCOMPARE(firstPassedDate(slots, now), date.isValid() && !due.isValid() ? 3 : -1);
        slots[3].isOn = false;
        QCOMPARE(firstPassedDate(slots, now), -1);
    }

    // Lateness counts in real time. A minute the clock skips for summer time is due at the
    // end of the gap; one it repeats, the first time round. The alarm as the wall clock reads
    // it and the moment of the check are both given in UTC, so no zone moves them.
    void whenAnAlarmIsDue()
    {
        const auto utc = [](int year, int month, int day, int hour, int minute, int second = 0) {
            return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
        };
        const QByteArray london("Europe/London"), berlin("Europe/Berlin"), lordHowe("Australia/Lord_Howe");
        const QDateTime monday = utc(2026, 12, 7, 7, 30), gap = utc(2027, 3, 28, 2, 30);
        const QList<std::tuple<QByteArray, QDateTime, QDateTime, AlarmCheck, bool>> cases{
            {london, monday, utc(2026, 12, 7, 7, 29, 59), AlarmCheck::Wait, false},
            {london, monday, utc(2026, 12, 7, 7, 30, 0), AlarmCheck::Ring, false},
            {london, monday, utc(2026, 12, 7, 7, 30, 59), AlarmCheck::Ring, true},
            {london, monday, utc(2026, 12, 7, 7, 31), AlarmCheck::RingLate, true},
            {london, monday, utc(2026, 12, 7, 7, 35), AlarmCheck::RingLate, true},
            {london, monday, utc(2026, 12, 7, 7, 35, 1), AlarmCheck::Skip, true},
            {berlin, gap, utc(2027, 3, 28, 0, 59, 59), AlarmCheck::Wait, false},
            {berlin, gap, utc(2027, 3, 28, 1, 0), AlarmCheck::Ring, false},
            {berlin, utc(2027, 3, 28, 1, 58), utc(2027, 3, 28, 1, 2), AlarmCheck::RingLate, true},
            {lordHowe, utc(2027, 10, 3, 2, 15), utc(2027, 10, 2, 15, 29, 59), AlarmCheck::Wait, false},
            {lordHowe, utc(2027, 10, 3, 2, 15), utc(2027, 10, 2, 15, 30), AlarmCheck::Ring, false},
            {lordHowe, utc(2027, 4, 4, 1, 45), utc(2027, 4, 3, 14, 45), AlarmCheck::Ring, false},
            {berlin, utc(2027, 10, 31, 2, 30), utc(2027, 10, 31, 0, 30), AlarmCheck::Ring, false},
            {berlin, utc(2027, 10, 31, 2, 30), utc(2027, 10, 31, 1, 30), AlarmCheck::Skip, true}};
        const auto useZone = [](const QByteArray& zone) { qputenv("TZ", zone); tzset(); };
        const auto restoreZone = qScopeGuard([&useZone, saved = qgetenv("TZ")] { useZone(saved); });
        for (const auto& [zone, alarm, check, expected, expired] : cases) {
            useZone(zone);
            const QDateTime now = check.toLocalTime();
            const DateSerial serial = toDateSerial(alarm.date(), alarm.time());
            QCOMPARE(checkAlarm(serial, now), expected);
            QCOMPARE(oneOffExpired(slotAt(Frequency::OnceOnly, 0, "07:30", serial), now.addMSecs(900)), expired);
            QVERIFY(!oneOffExpired(slotAt(Frequency::Regular, 0, "07:30", serial), now.addDays(9)));
            // The status line shows the alarm as set, also where the clock skips it.
            QCOMPARE(nextAlarmStatusText(serial), alarm.toString("dddd HH:mm") + " (Next Alarm)");
        }
        // A snooze into the hour summer time skips rings at its end; snoozed as that ends, it
        // counts from the minute the alarm rang.
        useZone(berlin);
        const QDateTime rang(QDate(2027, 3, 28), QTime(1, 55, 20)), endOfGap(QDate(2027, 3, 28), QTime(3, 0, 10));
        QCOMPARE(checkAlarm(snoozeMoment(rang, 10, rang.addSecs(30)), endOfGap), AlarmCheck::Ring);
        QCOMPARE(snoozeMoment(endOfGap, 10, endOfGap), toDateSerial(QDate(2027, 3, 28), QTime(3, 10)));
    }

    void rulesOfTheSlotsAndTheBeeping()
    {
        SlotTable slots;
        QCOMPARE(nextAlarmStatusText(soonestOf(slots)), "Alarm is OFF");
        slots[3].nextAlarm = slots[8].nextAlarm = december(10, 6, 15);
        slots[11].nextAlarm = december(8, 7, 5); // slots off hold 0
        QCOMPARE(nextAlarmStatusText(soonestOf(slots), DayNaming::Weekday, QLocale(QLocale::German)), "Dienstag 07:05 (Next Alarm)");
        const auto entries = [](int frequency) {
            QStringList texts;
            for (const DayEntry& entry : dayList(frequency).mid(6))
                texts << entry.text + '=' + QString::number(entry.choice);
            return texts;
        };
        QCOMPARE(entries(Frequency::OnceOnly), QStringList({"Sunday=6", "On a date…=11"}));
        QCOMPARE(entries(Frequency::Regular), QStringList({"Sunday=6", "Monday to Friday=7", "Monday to Sunday=8",
                                                          "Saturday & Sunday=9", "Chosen days…=10"}));
        // Chosen days that a choice of old names are stored as that choice; the others are
        // shown briefly in the week's order, more than four by those left out.
        const QLocale english(QLocale::English, QLocale::UnitedStates), german(QLocale::German);
        for (const auto& [days, choice] : {std::pair{0b0000001, 0}, {0b0011111, 7}, {0b1111111, 8}, {0b1100000, 9}, {0b1000001, 10}})
            QCOMPARE(dayChoiceFor(Weekdays(days)), choice);
        for (const auto& [days, text] : {std::pair{0b1000001, "Sun, Mon"}, {0b1010101, "Sun, Mon, Wed, Fri"},
                                         {0b0101111, "All but Sun, Fri"}, {0b1111110, "All but Mon"}})
            QCOMPARE(weekdaysText(Weekdays(days), english), text);
        QCOMPARE(weekdaysText(Weekdays(0b1000001), german) + " / " + dayAndDateText(QDate(2026, 12, 22), german), "Mo., So. / Di. 22 Dez. 2026");
        QCOMPARE(dayAndDateText(QDate(2026, 12, 22), english), "Tue 22 Dec 2026");
        // A once-only list has no patterns: a pattern becomes Monday, a weekday stays.
        for (const auto& [frequency, choice, kept] : {std::tuple{0, 6, 6}, {0, 7, 0}, {1, 9, 9}, {0, -1, -1}})
            QCOMPARE(dayChoiceKeptFor(frequency, choice), kept);
        for (const auto& [text, hour] : {std::pair{"7", 7}, {" 23 ", 23}, {"+5", 5}, {"24", 99},
                                         {"-1", 99}, {"1.", 99}, {"ab", 99}, {"", 99}})
            QCOMPARE(timeFieldValue(text, HighestHour).value_or(99), hour);
        QCOMPARE(paddedTimeField("7") + paddedTimeField("45"), "0745");
        // A name keeps 60 characters as a reader counts them, and never half of one.
        const QString a59(59, 'a');
        for (const auto& [typed, kept] : {std::pair{a59 + "💊", a59 + "💊"}, {a59 + "e\u0301x", a59 + "e\u0301"},
                                          {a59 + "🇩🇪🇫🇷", a59 + "🇩🇪"}, {a59 + "👩‍👧z", a59 + "👩‍👧"}, {"two\nlines", "two lines"}})
            QCOMPARE(alarmLabel(typed), kept);
        // A full box drops what was just typed or pasted, ending at the cursor, from its end.
        const CharacterLimit three(3, nullptr);
        for (auto [text, cursor, kept, keptCursor] : {std::tuple{QString("abXc"), 3, "abc", 2}, {"a💊💊b", 5, "a💊b", 3},
                                                      {"abc\u0301", 4, "abc\u0301", 4}, {"Xabc", 0, "Xab", 0}}) {
            QCOMPARE(three.validate(text, cursor), QValidator::Acceptable);
            QCOMPARE(text + '@' + QString::number(cursor), kept + QString('@') + QString::number(keptCursor));
        }
        // floor(2.5 * duration) + 2 beeps; each ringing counts afresh.
        int elapsed = 0;
        for (const auto& [duration, beeps] : {std::pair{1, 4}, {2, 7}, {2, 7}, {5, 14}, {60, 152}}) {
            int count = 1;
            while (!beepTickIsLast(elapsed, duration))
                ++count;
            QCOMPARE(count, beeps);
        }
    }

    // From Monday 07:29:59: an alarm rings in its minute, once; an alarm whose minute comes
    // while another rings, or that passed unobserved more than five minutes ago, is reported
    // missed rather than rung.
    void aWeekOfAlarms()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        storeSlot(1, Frequency::OnceOnly, 0, "07", "30", december(7, 7, 30));
        storeSlot(2, Frequency::Regular, DayChoice::MondayToSunday, "07", "33");
        storeSlot(3, Frequency::OnceOnly, 1, "09", "00", december(8, 9, 0));
        SaveSetting(AppTitle, AlarmSection, "dur", "1");
        m_clock->set(at(2026, 12, 7, 7, 29, 59));
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy ringing(&alarms, &AlarmClock::ringingStarted);
        QSignalSpy ended(&alarms, &AlarmClock::ringingEnded);
        alarms.start();
        QCOMPARE(alarms.nextAlarmText(), "Monday 07:30 (Next Alarm)");
        for (int second : {0, 1, 0}) { // one alarm, one ringing
            m_clock->advanceSeconds(second);
            alarms.check(m_clock->now());
        }
        QCOMPARE(ringing.size(), 1);
        QCOMPARE(ringing.at(0).at(0).toDouble(), december(7, 7, 30));
        QCOMPARE(m_seen.posted, QStringList{"07:30||10"});
        // A duration of 1 s: 4 beeps, then silence while it waits.
        QTRY_COMPARE(m_seen.beeps, 4);
        QTest::qWait(500);
        QCOMPARE(m_seen.beeps + ended.size(), 4);
        // Acknowledged within its own second: the one-off has rung all the same.
        alarms.acknowledge();
        alarms.acknowledge(); // with nothing ringing, nothing to do
        QCOMPARE(ended.size() + m_seen.withdrawals, 2);
        QCOMPARE(alarms.nextAlarmText(), "Monday 07:33 (Next Alarm)");
        QCOMPARE(stored({"chkOn 1", "DateTime 0"}), "0 " + dateSerialText(december(8, 7, 30)));
        alarms.check(moveTo(at(2026, 12, 7, 7, 38, 1)));
        alarms.check(moveTo(at(2026, 12, 8, 7, 30)));
        m_clock->set(at(2026, 12, 8, 7, 34));
        alarms.acknowledge();
        // Asleep from Tuesday 07:34 until Wednesday 07:40.
        alarms.check(moveTo(at(2026, 12, 9, 7, 40)));
        QTest::qWait(500); // acknowledged before its first beep, the second ringing beeps none
        QVERIFY(ringing.size() == 2 && m_seen.beeps == 4);
        QCOMPARE(m_seen.informed, QStringList({"Missed alarm: Monday 07:33", "Missed alarm: Tuesday 07:33",
                                               "Missed alarm: Tuesday 09:00", "Missed alarm: Wednesday 07:30",
                                               "Missed alarm: Wednesday 07:33"}));
        QCOMPARE(stored({"chkOn 3"}), "0");
        QCOMPARE(alarms.nextAlarmText(), "Thursday 07:30 (Next Alarm)");
    }

    // A named daily alarm and a one-off at Monday 07:30, snoozed together late in their minute,
    // ring again at 07:40, also after a restart; snoozed after its minute, 07:40 counts; snoozed
    // as 07:40 comes, from then. A snooze cancelled, switched off, passed in sleep or while the
    // clock was closed never rings; one passed in sleep or while the clock was closed is missed.
    void snoozes()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        SaveSetting(AppTitle, AlarmSection, "label 0", "Pills");
        storeSlot(1, Frequency::OnceOnly, 0, "07", "30", december(7, 7, 30));
        std::optional<AlarmClock> alarms(std::in_place, m_seen, m_seen);
        const auto ringAndSnooze = [&](int day, int minute, QTime snooze) {
            alarms->check(moveTo(at(2026, 12, day, 7, minute)));
            m_clock->set(QDateTime(QDate(2026, 12, day), snooze));
            alarms->snooze();
            return alarms->nextAlarmText();
        };
        alarms->start();
        ringAndSnooze(7, 30, QTime(7, 30, 59));
        const QString monday740 = dateSerialText(december(7, 7, 40));
        QCOMPARE(stored({"chkOn 1", "snoozeUntil 0", "snoozeUntil 1"}), "0 " + monday740 + " " + monday740);
        m_clock->set(at(2026, 12, 7, 7, 35));
        alarms.emplace(m_seen, m_seen).start();
        QCOMPARE(alarms->nextAlarmText() + alarms->nextAlarmLabel(), "Monday 07:40 (Next Alarm)Pills");
        QCOMPARE(ringAndSnooze(7, 40, QTime(7, 41, 5)), "Monday 07:50 (Next Alarm)");
        QCOMPARE(m_seen.posted, QStringList({"07:30|Pills|10", "07:40|Pills|10"}));
        alarms->cancelSnooze();
        QCOMPARE(alarms->nextAlarmText() + stored({"snoozeUntil 0", "snoozeUntil 1"}), "Tuesday 07:30 (Next Alarm) ");
        QCOMPARE(ringAndSnooze(8, 30, QTime(7, 40)), "Tuesday 07:50 (Next Alarm)");
        alarms->check(moveTo(at(2026, 12, 8, 7, 55, 1))); // asleep through 07:50
        QCOMPARE(m_seen.informed, QStringList{"Missed alarm: Tuesday 07:50 – Pills"});
        ringAndSnooze(9, 30, QTime(7, 30, 10));
        SlotTable slots = alarms->slots();
        alarms->saveSettings(slots, alarms->options());
        QCOMPARE(alarms->nextAlarmText(), "Wednesday 07:40 (Next Alarm)");
        slots[0].isOn = false;
        alarms->saveSettings(slots, alarms->options());
        QCOMPARE(alarms->nextAlarmText() + stored({"snoozeUntil 0"}), "Alarm is OFF");
        // The snooze of a slot that is off, and one that passed while the clock was closed.
        SaveSetting(AppTitle, AlarmSection, "snoozeUntil 5", dateSerialText(december(9, 7, 50)));
        SaveSetting(AppTitle, AlarmSection, "snoozeUntil 6", dateSerialText(december(9, 7, 0)));
        alarms.emplace(m_seen, m_seen).start();
        alarms->check(m_clock->now());
        QCOMPARE(alarms->nextAlarmText() + QString::number(alarms->slots()[6].snoozeUntil), "Wednesday 07:50 (Next Alarm)0");
        QCOMPARE(m_seen.informed, QStringList({"Missed alarm: Tuesday 07:50 – Pills", "Missed alarm: Wednesday 07:00"}));
    }

    void anAlarmThatCameWhileTheClockWasClosed_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QString>("rings");
        QTest::addColumn<QStringList>("missed");
        QTest::addColumn<QString>("next");
        const auto daily = [](int n, const char* hour, const char* minute, DateSerial next) {
            return QString("chkOn%20{n}=1\ncomFreq%20{n}=1\ncomDays%20{n}=8\ntxtHr%20{n}={h}\ntxtMin%20{n}={m}\nDateTime%20{n}={d}\n")
                .replace("{n}", QString::number(n)).replace("{h}", hour).replace("{m}", minute).replace("{d}", dateSerialText(next));
        };
        const QString at0730 = daily(0, "07", "30", december(7, 7, 30));
        QTest::newRow("in its minute") << at0730 << QTime(7, 30, 1) << "07:30" << QStringList() << "Tuesday 07:30 (Next Alarm)";
        QTest::newRow("four minutes late") << at0730 << QTime(7, 34, 59) << "07:30" << QStringList() << "Tuesday 07:30 (Next Alarm)";
        QTest::newRow("an hour late") << at0730 << QTime(8, 30) << "" << QStringList{"Missed alarm: Monday 07:30"} << "Tuesday 07:30 (Next Alarm)";
        QTest::newRow("once only") << QString(at0730).replace("comFreq%200=1\ncomDays%200=8", "comFreq%200=0\ncomDays%200=0")
                                   << QTime(7, 33) << "07:30" << QStringList() << "Alarm is OFF, slot 0 off";
        QTest::newRow("a snooze") << daily(0, "07", "30", december(8, 7, 30)) + "snoozeUntil%200=" + dateSerialText(december(7, 7, 40))
                                  << QTime(7, 41) << "07:40" << QStringList() << "Tuesday 07:30 (Next Alarm)";
        const QString dated = QString(at0730).replace("comFreq%200=1\ncomDays%200=8", "comFreq%200=0\ncomDays%200=0") + "date%200=46363\n";
        QTest::newRow("on a date") << dated << QTime(7, 33) << "07:30" << QStringList() << "Alarm is OFF, slot 0 off";
        QTest::newRow("on a date, missed") << dated << QTime(8, 30) << "" << QStringList{"Missed alarm: Monday 07:30"} << "Alarm is OFF, slot 0 off";
        QTest::newRow("on a date passed when saved") << QString(dated).replace(dateSerialText(december(7, 7, 30)), "0")
                                                     << QTime(7, 0) << "" << QStringList() << "Alarm is OFF, slot 0 off";
        QTest::newRow("one missed, one in time") << daily(0, "06", "00", december(7, 6, 0)) + daily(1, "07", "28", december(7, 7, 28))
                                                 << QTime(7, 30) << "07:28" << QStringList{"Missed alarm: Monday 06:00"} << "Tuesday 06:00 (Next Alarm)";
    }

    // The stored next alarm came while the clock was not running: the first check rings it if
    // it is at most five minutes late, in its minute as a matter of course, and reports it
    // missed when later; then the slots move on.
    void anAlarmThatCameWhileTheClockWasClosed()
    {
        QFETCH(QString, stored);
        QFETCH(QTime, start);
        QFETCH(QString, rings);
        QFETCH(QStringList, missed);
        QFETCH(QString, next);
        m_settings->writeFile(("[AlarmSetting]\n" + stored).toUtf8());
        m_clock->set(QDateTime(QDate(2026, 12, 7), start));
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy ringing(&alarms, &AlarmClock::ringingStarted);
        alarms.start();
        alarms.check(m_clock->now());
        QCOMPARE(ringing.isEmpty() ? "" : shortTimeText(wallClockOf(ringing.at(0).at(0).toDouble()).second), rings);
        QCOMPARE(m_seen.informed, missed);
        alarms.acknowledge();
        QCOMPARE(alarms.nextAlarmText() + (alarms.slots()[0].isOn ? "" : ", slot 0 off"), next);
    }

    // Three weeks ahead, a date is named in the status line, and handed over; from six days
    // ahead its weekday says enough, as it always has for a one-off on the next Monday. It rings
    // once and is off, the date kept.
    void anAlarmOnADate()
    {
        storeSlot(0, Frequency::OnceOnly, 0, "07", "30", december(28, 7, 30));
        SaveSetting(AppTitle, AlarmSection, "date 0", "46384"); // Monday 28 December
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy handedOver(&alarms, &AlarmClock::soonestMomentChanged);
        alarms.start();
        QCOMPARE(alarms.nextAlarmText(), "28 Dec 2026 07:30 (Next Alarm)");
        QCOMPARE(alarms.soonestDayAndTime(), "28 Dec 2026 07:30");
        QCOMPARE(handedOver.constLast().at(0).toDateTime(), at(2026, 12, 28, 7, 30));
        const SlotTable dated = alarms.slots();
        SlotTable weekday = dated;
        weekday[0].dayChoice = 0;
        const auto shownOn = [&](int day, const SlotTable& slots) {
            m_clock->set(at(2026, 12, day, 7, 30));
            alarms.saveSettings(slots, alarms.options());
            return alarms.nextAlarmText();
        };
        QCOMPARE(shownOn(21, weekday), "Monday 07:30 (Next Alarm)");
        QCOMPARE(shownOn(21, dated), "28 Dec 2026 07:30 (Next Alarm)");
        QCOMPARE(shownOn(22, dated), "Monday 07:30 (Next Alarm)");
        alarms.check(moveTo(at(2026, 12, 28, 7, 30)));
        QVERIFY(alarms.isRinging());
        alarms.acknowledge();
        QCOMPARE(alarms.nextAlarmText() + ' ' + stored({"chkOn 0", "comDays 0", "date 0"}), "Alarm is OFF 0 0 46384");
    }

    void chosenDaysAndDatesStored_data()
    {
        QTest::addColumn<QString>("stored"); // beside slot 0's other keys
        QTest::addColumn<QString>("read");   // its day choice, chosen days, date
        QTest::addColumn<QString>("written"); // "comDays 0", "days 0", "date 0"
        QTest::newRow("chosen days") << "comFreq 0=1\ncomDays 0=2\ndays 0=3567" << "10 3567 " << "2 3567 ";
        QTest::newRow("an earlier version's choice") << "comFreq 0=1\ncomDays 0=3\ndays 0=356" << "3  " << "3  ";
        QTest::newRow("chosen days on a once-only row") << "comFreq 0=0\ncomDays 0=2\ndays 0=356" << "2  " << "2  ";
        QTest::newRow("before Monday") << "comFreq 0=1\ncomDays 0=2\ndays 0=306" << "2  " << "2  ";
        QTest::newRow("past Sunday") << "comFreq 0=1\ncomDays 0=2\ndays 0=368" << "2  " << "2  ";
        QTest::newRow("no days") << "comFreq 0=1\ncomDays 0=2\ndays 0=" << "2  " << "2  ";
        QTest::newRow("a pattern") << "comFreq 0=1\ncomDays 0=7\ndays 0=12345" << "7 12345 " << "7  ";
        QTest::newRow("a date") << "comFreq 0=0\ncomDays 0=0\ndate 0=46384" << "11  2026-12-28" << "0  46384";
        QTest::newRow("a date an earlier version moved") << "comFreq 0=0\ncomDays 0=3\ndate 0=46384" << "3  " << "3  ";
        QTest::newRow("a date with a time") << "comFreq 0=0\ncomDays 0=0\ndate 0=46384.5" << "0  " << "0  ";
        QTest::newRow("not a date") << "comFreq 0=0\ncomDays 0=0\ndate 0=soon" << "0  " << "0  ";
    }

    // The days and the date are read only while "comDays 0" holds their nearest weekday, which
    // an earlier version rings on; anything else reads as if absent, and is gone at the next save.
    void chosenDaysAndDatesStored()
    {
        QFETCH(QString, stored);
        QFETCH(QString, read);
        QFETCH(QString, written);
        m_settings->writeFile(("[AlarmSetting]\n" + stored.replace(" 0=", "%200=")).toUtf8());
        AlarmClock alarms(m_seen, m_seen);
        alarms.start();
        const AlarmSlot& slot = alarms.slots()[0];
        QString digits;
        for (int day = 1; day <= 7; ++day)
            digits += slot.chosenDays.test(day - 1) ? QString::number(day) : "";
        QCOMPARE(QString::number(slot.dayChoice) + ' ' + digits + ' ' + slot.chosenDate.toString(Qt::ISODate), read);
        alarms.saveSettings(alarms.slots(), alarms.options());
        QCOMPARE(this->stored({"comDays 0", "days 0", "date 0"}), written);
    }

    void timerLengthsAndTheirCountdown()
    {
        for (const auto& [minutes, seconds, length] : {std::tuple{"5", "00", 300}, {" 12 ", "", 720}, {"", "1", 1},
                                                       {"1440", "0", 86400}, {"1440", "1", 0}, {"0", "0", 0}, {"2", "60", 0},
                                                       {"-1", "30", 0}, {"1.5", "0", 0}, {"ab", "0", 0}, {"99999", "0", 0}})
            QCOMPARE(timerLength(minutes, seconds).value_or(0), length);
        QCOMPARE(QStringList({countdownText(719, false), countdownText(3900, false), countdownText(240, true), countdownText(-3, false)}),
                 QStringList({"Timer 11:59", "Timer 1:05:00", "Timer 4:00 (paused)", "Timer 0:00"}));
        QCOMPARE(timerName("") + "|" + timerName("Tea"), "Timer|Timer – Tea");
    }

    // A two-minute timer named Tea, from Monday 07:00:00.4, counts down on the status line and
    // rings in the second it ends, once; snoozed, it rings again ten minutes after that second,
    // also after a restart; paused, it keeps its seconds, and an alarm that comes before it
    // takes the line; ringing late still rings, but more than five minutes late it is missed.
    void aTimerRingsInItsSecond()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "23", "30");
        m_clock->set(at(2026, 12, 7, 7, 0).addMSecs(400));
        std::optional<AlarmClock> alarms(std::in_place, m_seen, m_seen);
        QSignalSpy ringing(&*alarms, &AlarmClock::ringingStarted);
        QSignalSpy handedOver(&*alarms, &AlarmClock::soonestMomentChanged);
        const auto tick = [&](int hour, int minute, int second) {
            alarms->check(moveTo(at(2026, 12, 7, hour, minute, second).addMSecs(5)));
            return alarms->nextAlarmText();
        };
        alarms->start();
        alarms->startTimer(120, "Tea");
        QCOMPARE(alarms->nextAlarmText() + alarms->nextAlarmLabel(), "Timer 2:00Tea");
        QCOMPARE(handedOver.last().at(0).toDateTime(), at(2026, 12, 7, 7, 2));
        QCOMPARE(tick(7, 1, 59), "Timer 0:01");
        QVERIFY(ringing.isEmpty());
        QSignalSpy shown(&*alarms, &AlarmClock::nextAlarmTextChanged);
        QCOMPARE(tick(7, 2, 0), "Timer 0:00");
        QCOMPARE(shown.size() == 1 ? shown.at(0).at(0).toString() : "", "Timer 0:00"); // not left a second short while it rings
        QCOMPARE(ringing.size() + m_seen.posted.size(), 2);
        QCOMPARE(m_seen.posted.last() + "|" + ringing.at(0).at(1).toString(), "07:02|Timer – Tea|10|Timer – Tea");
        QVERIFY(!m_settings->onDisk(AlarmSection, "timerEnd").isValid()); // rung, as far as a restart knows
        tick(7, 2, 40);
        alarms->snooze();
        QCOMPARE(stored({"timerEnd", "timerLength"}), QString::number(at(2026, 12, 7, 7, 12).toSecsSinceEpoch()) + " 120");
        alarms.emplace(m_seen, m_seen).start();
        QCOMPARE(alarms->nextAlarmText(), "Timer 9:20");
        alarms->pauseTimer();
        QCOMPARE(tick(23, 20, 40), "Timer 9:20 (paused)");
        QCOMPARE(tick(23, 20, 41) + "|" + stored({"timerLeft"}), "Monday 23:30 (Next Alarm)|560");
        m_clock->set(at(2026, 12, 7, 8, 0));
        alarms.emplace(m_seen, m_seen).start();
        alarms->resumeTimer();
        QCOMPARE(tick(8, 9, 30), "Timer 0:00"); // ten seconds late
        QCOMPARE(m_seen.posted.size(), 2);
        alarms->acknowledge();
        QCOMPARE(alarms->nextAlarmText() + stored({"timerEnd", "timerLeft"}), "Monday 23:30 (Next Alarm) ");
        alarms->startTimer(60, {});
        tick(8, 16, 1); // asleep through its end
        QCOMPARE(m_seen.informed, QStringList{"Missed alarm: Monday 08:10 – Timer"});
        QVERIFY(!alarms->timer().isSet() && !alarms->isRinging() && m_seen.posted.size() == 2);
    }

    // Slot 0 and 1 hold what no save writes (a pattern on a once-only slot, for one): they
    // read as the defaults; slot 2 keeps the text it holds; slot 3 was never saved but for a
    // name on two lines. A save writes all ninety-one values, and the keys beside them only
    // while they hold more than their defaults, exactly as typed.
    void valuesNoSaveWritesLoadAsDefaultsAndASaveWritesAll()
    {
        m_settings->writeFile("[AlarmSetting]\ndur=61\nchkOn%200=2\ncomFreq%200=1\ncomDays%200=10\n"
                              "chkOn%201=yes\ncomFreq%201=0\ncomDays%201=8\ncomFreq%202=-1\n"
                              "comDays%202=3\nDateTime%202=tomorrow\ntxtHr%202=ab\nsnoozeUntil%202=x\n"
                              "label%203=two\\nlines\nsnooze=61\ngentle=yes\nsound=bell.ogg\nuntilAnswered=2\n");
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy failed(&alarms, &AlarmClock::saveFailed);
        alarms.start();
        SlotTable slots = alarms.slots();
        const AlarmOptions& options = alarms.options();
        QStringList read{QStringLiteral("%1 %2 %3 %4 %5").arg(options.duration).arg(options.snoozeMinutes).arg(options.soundFile).arg(options.gentle).arg(options.untilAnswered)};
        for (const AlarmSlot& slot : QList<AlarmSlot>(slots.begin(), slots.begin() + 4))
            read << QStringLiteral("%1 %2 %3 %4:%5 %6 %7 %8").arg(slot.isOn).arg(slot.frequency).arg(slot.dayChoice)
                        .arg(slot.hourText, slot.minuteText).arg(slot.nextAlarm).arg(slot.snoozeUntil).arg(slot.label);
        QCOMPARE(read, QStringList({"5 10  0 0", "0 1 0 12:00 0 0 ", "0 0 0 12:00 0 0 ", "0 0 3 ab:00 0 0 ", "0 0 0 12:00 0 0 two lines"}));
        slots[2].hourText = "12";
        slots[3].label.clear();
        slots[4] = {true, Frequency::Regular, DayChoice::SaturdayAndSunday, "06", "45", 0, {}, 0, {}, {}};
        slots[14].hourText = "7"; // kept as typed: the window pads it
        AlarmOptions saved{60, DefaultSnoozeMinutes, {}, false};
        alarms.saveSettings(slots, saved);
        QCOMPARE(m_settings->onDisk(AlarmSection).toInt(), 91);
        QCOMPARE(stored({"dur", "chkOn 4", "comFreq 4", "comDays 4", "txtHr 4", "txtMin 4", "DateTime 5", "txtHr 14"}),
                 "60 1 1 9 06 45 0 7");
        QCOMPARE(stored({"DateTime 4", "DateTime 2"}), dateSerialText(december(12, 6, 45)) + " 0");
        slots[4].label = "Pills; \"=[#] 'x' \\ 💊 Таблетки 薬";
        saved = {60, 25, "/home/me/Alarm sounds/bell=1;.ogg", true, true};
        alarms.saveSettings(slots, saved);
        QCOMPARE(m_settings->onDisk(AlarmSection).toInt(), 96);
        SettingsStore::reopen();
        const StoredAlarms reread = readStoredAlarms();
        QVERIFY(reread.options == saved && reread.slots[4].label == slots[4].label);
        QCOMPARE(failed.size(), 0);
        // A directory in the file's place makes every save fail, even for root.
        QVERIFY(QFile::remove(m_settings->fileName()) && QDir().mkpath(m_settings->fileName()));
        alarms.saveSettings(slots, saved);
        QCOMPARE(failed.size(), 1);
    }

    // The sound module is loaded at the first sound only; beside the tests, with no audio
    // output, it reports every file, once a ringing. A sound file plays through the ringing and
    // stops with it; gentle, it rises to full by half the duration.
    void theSoundOfAnAlarm()
    {
        AlarmRecorder* loaded = nullptr;
        ToneOnDemand tone([&] { auto recorder = std::make_unique<AlarmRecorder>(); loaded = recorder.get(); return recorder; });
        tone.silence();
        QVERIFY(!loaded);
        tone.beep({}, 1);
        tone.beep({}, 1);
        QVERIFY(loaded && loaded->beeps == 2); // a second load would have counted one
        ToneOnDemand module;
        QStringList failed;
        module.setFailureHandler([&](const QString& soundFile) { failed << soundFile; });
        for (int tick : {1, 2, 3, 0})
            tick ? module.beep("/music/bell.ogg", 1) : module.silence();
        module.beep("/music/bell.ogg", 1);
        module.playSample("/music/bell.ogg");
        QCOMPARE(failed, QStringList(3, "/music/bell.ogg"));

        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        for (const auto& [key, value] : {std::pair{"dur", "1"}, {"sound", "/music/bell.ogg"}, {"gentle", "1"}})
            SaveSetting(AppTitle, AlarmSection, key, value);
        AlarmClock alarms(m_seen, m_seen);
        QSignalSpy ringingFailed(&alarms, &AlarmClock::ringingSoundFailed), sampleFailed(&alarms, &AlarmClock::sampleFailed);
        alarms.start();
        alarms.check(moveTo(at(2026, 12, 7, 7, 30)));
        QTRY_COMPARE(m_seen.silences, 1);
        QCOMPARE(m_seen.volumes, QList<double>({0.2, 0.2 + 0.8 * 333 / 500, 1, 1}));
        QCOMPARE(m_seen.played, QStringList(4, "/music/bell.ogg"));
        alarms.acknowledge();
        alarms.playSample(m_seen.unplayable = "/music/bell.ogg");
        QVERIFY(m_seen.silences == 2 && sampleFailed.size() == 1 && ringingFailed.isEmpty());
        alarms.check(moveTo(at(2026, 12, 8, 7, 30)));
        QTRY_VERIFY(!ringingFailed.isEmpty() && sampleFailed.size() == 1);
    }

    // With a duration of 1 s and "Until answered": the sound goes on past a minute until the
    // desktop's notice answers it. Left alone, it stops after ten minutes, the window stays to be
    // answered, and the notice says that no one has.
    void untilAnsweredRingsForTenMinutesAtMost()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        for (const auto& [key, value] : {std::pair{"dur", "1"}, {"untilAnswered", "1"}, {"label 0", "Up"}})
            SaveSetting(AppTitle, AlarmSection, key, value);
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        frm_SetAlarm settings(main.alarmClock());
        settings.Form_Load();
        QVERIFY(settings.chkUntilAnswered->isChecked() && !settings.vscr_dur->isEnabled());
        m_clock->set(at(2026, 12, 7, 7, 30));
        main.Timer1_Timer();
        m_clock->advanceSeconds(61);
        QTRY_VERIFY(m_seen.beeps > 5);
        m_seen.answerWith("okay");
        QTRY_VERIFY(!main.notification());
        QCOMPARE(QString::number(m_seen.silences) + QString::number(m_seen.withdrawals), "11");
        m_clock->set(at(2026, 12, 8, 7, 30));
        main.Timer1_Timer();
        m_clock->advanceSeconds(UnansweredRingSeconds - 1);
        const int beeps = m_seen.beeps;
        QTRY_VERIFY(m_seen.beeps > beeps);
        m_clock->advanceSeconds(1);
        QTRY_COMPARE(m_seen.silences, 2);
        const int last = m_seen.beeps;
        QTest::qWait(700);
        QVERIFY(m_seen.beeps == last && main.notification() && main.alarmClock().isRinging());
        QCOMPARE(m_seen.informed, QStringList{"Alarm not answered: Tuesday 07:30 – Up"});
        QCOMPARE(m_seen.withdrawals, 2);
        QTest::mouseClick(main.notification()->cmd_okay, Qt::LeftButton);
        QTRY_VERIFY(!main.notification());
        QCOMPARE(main.alarmClock().nextAlarmText(), "Wednesday 07:30 (Next Alarm)");
    }

    void aRowIsSavedOnceEveryBoxHoldsATime()
    {
        AlarmClock alarms(m_seen, m_seen);
        alarms.start();
        frm_SetAlarm window(alarms);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.chkOn[14]->y() - window.chkOn[1]->y(), 13 * 24); // rows 24 px apart, from the top
        const auto row = [&] {
            const bool enabled = window.comFreq[0]->isEnabled() && window.txtMin[0]->isEnabled();
            return window.chkOn[0]->text() + (enabled ? " enabled" : " greyed");
        };
        QCOMPARE(row() + window.comDays[0]->itemText(6), "Off greyedSunday");
        QTest::mouseClick(window.chkOn[0], Qt::LeftButton);
        QCOMPARE(row(), "On enabled");
        // Switched to once only, a pattern, which the once-only list lacks, becomes Monday.
        window.comDays[0]->setCurrentIndex(4);
        window.comFreq[0]->setCurrentIndex(Frequency::Regular); // a weekday stays
        QCOMPARE(window.comDays[0]->currentText(), "Friday");
        window.comDays[0]->setCurrentIndex(DayChoice::MondayToFriday);
        window.comFreq[0]->setCurrentIndex(Frequency::OnceOnly);
        QCOMPARE(window.comDays[0]->currentText(), "Monday");
        typeInto(window.txtHr[0], "245"); // two characters at most
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
        QTest::keyClick(window.txtMin[0], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.txtLabel[0]);
        QTest::keyClicks(window.txtLabel[0], "Pills; \"=[x] ");
        for (const QString& typed : {QString(46, 'z'), QString("💊"), QString("x")}) // QTest types ASCII only
            window.txtLabel[0]->insert(typed);
        const QString label = "Pills; \"=[x] " + QString(46, 'z') + "💊"; // the 60th character an emoji
        QCOMPARE(window.txtLabel[0]->text(), label);
        window.cmd_save->setFocus(); // the duration, "Until answered" and the snooze come next, by Tab
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_End, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Home})
            QTest::keyClick(QApplication::focusWidget(), key);
        QTest::keyClick(window.txtMin[0], Qt::Key_Escape); // keeps the edits
        // A sound file chosen in the file dialog, played, and refused by the speaker.
        const QString bell = m_settings->dir() + "/bell.ogg";
        QVERIFY(QFile(bell).open(QIODevice::WriteOnly));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog->selectFile(bell);
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::mouseClick(window.fraSound->cmdChooseSound, Qt::LeftButton);
        QCOMPARE(window.fraSound->comSound->currentText(), "bell.ogg");
        m_seen.unplayable = bell;
        message = answerNextBox(QMessageBox::Ok);
        QTest::mouseClick(window.fraSound->cmdPlay, Qt::LeftButton);
        QCOMPARE(*message, "\"bell.ogg\" could not be played. Choose another sound file; until then the alarms beep instead.");
        QTest::mouseClick(window.fraSound->chkGentle, Qt::LeftButton);
        QTest::mouseClick(window.chkUntilAnswered, Qt::LeftButton); // the seconds wait, kept
        QVERIFY(!window.vscr_dur->isEnabled() && !window.lbl_dur->isEnabled());
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(alarms.nextAlarmText(), "Monday 07:30 (Next Alarm)");
        QCOMPARE(m_settings->onDisk(AlarmSection, {"dur", "chkOn 0", "comFreq 0", "comDays 0", "txtHr 0", "txtMin 0", "snooze", "gentle", "untilAnswered"}),
                 "60 1 0 0 07 30 1 1 1");
        QCOMPARE(m_settings->onDisk(AlarmSection, "label 0").toString(), label);
        QCOMPARE(m_settings->onDisk(AlarmSection, "sound"), bell);
        window.fraSound->comSound->setCurrentIndex(0); // back to the beep
        QTest::mouseClick(window.fraSound->cmdPlay, Qt::LeftButton);
        QCOMPARE(m_seen.samples, QStringList{""});
    }

    // Closed with an edit not saved, the settings ask: Cancel stays with it, Discard leaves the
    // alarms as stored, Keep saves the box being typed in as leaving it would. Unchanged, they
    // close without a word; closing the clock over them asks once.
    void closingTheSettingsAsksWhetherToKeepTheirEdits()
    {
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        const QList<std::tuple<QMessageBox::StandardButton, bool, const char*>> answers{
            {QMessageBox::Cancel, true, "07"}, {QMessageBox::Discard, false, "07"}, {QMessageBox::Save, false, "09"}};
        for (const auto& [answer, stays, kept] : answers) {
            frm_SetAlarm window(main.alarmClock());
            window.setAttribute(Qt::WA_DeleteOnClose, false);
            window.Form_Load();
            window.show();
            typeInto(window.txtHr[0], "9");
            const auto question = answerNextBox(answer);
            window.close();
            QCOMPARE(*question, "Keep the changes to the alarm settings?");
            QCOMPARE(window.isVisible(), stays);
            QCOMPARE(stored({"txtHr 0"}) + main.alarmClock().slots()[0].hourText, QString(kept) + kept);
        }
        frm_SetAlarm unchanged(main.alarmClock());
        unchanged.setAttribute(Qt::WA_DeleteOnClose, false);
        unchanged.Form_Load();
        QVERIFY(!unchanged.hasUnsavedEdits());
        // A screen reader counts the rows from 1, as the user does.
        QCOMPARE(unchanged.chkOn[14]->accessibleName() + "|" + unchanged.comDays[0]->accessibleDescription(), "Alarm 15 on|Alarm 1 day");
        unchanged.fraSound->chkGentle->click();
        QVERIFY(unchanged.hasUnsavedEdits());
        unchanged.fraSound->chkGentle->click();
        const auto question = answerNextBox(QMessageBox::Cancel);
        QVERIFY(unchanged.close());
        QCoreApplication::processEvents();
        QCOMPARE(*question, "");
        QTimer::singleShot(0, &main, [&] {
            main.settingsWindow()->chkOn[0]->click();
            EveryBoxAnswered keep(QMessageBox::Save);
            main.close();
            QCOMPARE(keep.seen, QStringList{"Keep the changes to the alarm settings? [&Keep]"});
        });
        main.itmSetAlarm->trigger();
        QCOMPARE(stored({"chkOn 0"}), "0");
    }

    // The last entry of a row's day list opens a window of its own, by the keyboard: in the
    // week's order, top to bottom, OK refused with no day ticked, Escape or Cancel keeping the
    // choice before; chosen again, with the days or the date chosen. The calendar starts
    // today and moves as the clock's does. Saved, both are stored; switched to the other
    // frequency, each keeps its nearest weekday.
    void chosenDaysAndADateFromTheKeyboard()
    {
        AlarmClock alarms(m_seen, m_seen);
        alarms.start();
        frm_SetAlarm window(alarms);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto keys = [](std::initializer_list<Qt::Key> keys) {
            for (Qt::Key key : keys)
                QTest::keyClick(QApplication::focusWidget(), key);
        };
        const auto lastEntry = [&](int n) { QTest::keyClick(window.comDays[n], Qt::Key_End); };
        const auto reopen = [&](int n) {
            QTest::keyClick(window.comDays[n], Qt::Key_Down, Qt::AltModifier);
            QTest::keyClick(window.comDays[n]->view(), Qt::Key_Return);
        };
        const auto click = [](QWidget& chooser, const char* button) { QTest::mouseClick(chooser.findChild<QPushButton*>(button), Qt::LeftButton); };
        window.chkOn[0]->setChecked(true);
        window.chkOn[1]->setChecked(true);
        window.comFreq[0]->setCurrentIndex(Frequency::Regular);
        QStringList order;
        QCOMPARE(answered<DaysChooser>([&] { lastEntry(0); }, [&](DaysChooser& chooser) {
            for (int day = 0, y = -1; day < 7; ++day, keys({Qt::Key_Tab})) {
                auto* box = qobject_cast<QCheckBox*>(QApplication::focusWidget());
                order << box->objectName() + (box->isChecked() ? "+" : "") + (box->y() > y ? "" : " above");
                y = box->y();
            }
            chooser.chkDay[0]->setFocus();
            keys({Qt::Key_Space, Qt::Key_Return});
            QVERIFY(chooser.isVisible() && !chooser.cmdOK->isEnabled());
            keys({Qt::Key_Escape});
        }), "Chosen Days");
        QCOMPARE(order.join(' ') + ", " + window.comDays[0]->currentText(), "chkDay_7 chkDay_1+ chkDay_2 chkDay_3 chkDay_4 chkDay_5 chkDay_6, Monday");
        // Monday off, Wednesday and Friday on; then Monday on again, and cancelled.
        answered<DaysChooser>([&] { lastEntry(0); }, [&](DaysChooser&) {
            keys({Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return});
        });
        answered<DaysChooser>([&] { reopen(0); }, [&](DaysChooser& chooser) {
            keys({Qt::Key_Tab, Qt::Key_Space});
            QCOMPARE(chooser.days(), Weekdays(0b0010101));
            click(chooser, "cmdCancel");
            QVERIFY(chooser.isHidden());
        });
        QCOMPARE(window.comDays[0]->currentText(), "Wed, Fri");
        // Left: not before today; then three weeks and a day on. Chosen again, a day later.
        QCOMPARE(answered<DateChooser>([&] { lastEntry(1); }, [&](DateChooser&) {
            keys({Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return});
        }), "Alarm Date");
        QCOMPARE(window.comDays[1]->currentText(), "Tue 29 Dec 2026");
        answered<DateChooser>([&] { reopen(1); }, [&](DateChooser& chooser) {
            keys({Qt::Key_Right});
            click(chooser, "cmdOK");
        });
        QCOMPARE(window.comDays[1]->currentText(), "Wed 30 Dec 2026");
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(stored({"comDays 0", "days 0", "comDays 1", "date 1"}), "2 35 2 46386");
        // Today at 06:00 has passed at 07:00: refused, nothing stored, the hour ready to correct.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        answered<DateChooser>([&] { reopen(1); }, [&](DateChooser&) {
            keys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return});
        });
        typeInto(window.txtHr[1], "06");
        auto message = answerNextBox(QMessageBox::Ok);
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(*message, "Alarm 2 is set for a date and time that have passed.");
        QVERIFY(window.isVisible());
        QCOMPARE(window.focusWidget(), window.txtHr[1]);
        QCOMPARE(window.txtHr[1]->selectedText(), "06");
        QCOMPARE(stored({"txtHr 1", "date 1"}), "12 46386");
        typeInto(window.txtHr[1], "07");
        typeInto(window.txtMin[1], "01");
        QTest::mouseClick(window.cmd_save, Qt::LeftButton);
        QCOMPARE(stored({"txtHr 1", "txtMin 1", "date 1"}) + ", " + window.comDays[1]->currentText(), "07 01 46363, Mon 7 Dec 2026");
        window.comFreq[0]->setCurrentIndex(Frequency::OnceOnly);
        window.comFreq[1]->setCurrentIndex(Frequency::Regular);
        QCOMPARE(window.comDays[0]->currentText() + ", " + window.comDays[1]->currentText(), "Wednesday, Monday");
        QCOMPARE(window.comDays[0]->itemText(7) + ", " + window.comDays[1]->itemText(10), "On a date…, Chosen days…");
    }

    // A named alarm rings over the open settings, whose unsaved edit it discards, and cannot
    // play its sound. Answered from the desktop's notice: brought forward, then snoozed, shown on
    // the status line, its tool tip and its row, and cancelled from the menu. The next ringing
    // is acknowledged at once, by mouse; closed with alarms set, the clock says they are off.
    void aNamedAlarmRingsOverTheSettingsAndIsSnoozedFromTheDesktop()
    {
        frm_Main main(m_seen, m_seen);
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        SaveSetting(AppTitle, AlarmSection, "label 0", "Pills");
        SaveSetting(AppTitle, AlarmSection, "sound", m_seen.unplayable = "/music/bell.ogg");
        main.Form_Load();
        main.show();
        QVERIFY(!main.itmCancelSnooze->isVisible());
        QPointer<frm_alarm_notif> notification;
        QTimer::singleShot(0, &main, [&] {
            frm_SetAlarm& settings = *main.settingsWindow();
            const auto closing = qScopeGuard([&] { answerNextBox(QMessageBox::Discard); settings.close(); }); // even after a failure
            QTest::mouseClick(settings.chkOn[0], Qt::LeftButton); // an edit the alarm discards
            m_clock->set(at(2026, 12, 7, 7, 30));
            main.Timer1_Timer();
            notification = main.notification();
            QCOMPARE(QApplication::activeModalWidget(), notification.data());
            QCOMPARE(notification->lbl_label->text(), "Pills");
            QTRY_VERIFY(notification->lbl_sound->isVisible() && settings.fraSound->comSound->currentText() == "bell.ogg");
            QCOMPARE(settings.txtLabel[0]->text(), "Pills");
            settings.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &settings);
            m_seen.answerWith("default");
            QTRY_COMPARE(QApplication::activeWindow(), notification.data());
            m_seen.answerWith("snooze");
            QTRY_VERIFY(!notification);
            QVERIFY(settings.chkOn[0]->isChecked() && settings.isVisible());
            QCOMPARE(settings.lblSnoozed[0]->isVisible() ? settings.lblSnoozed[0]->text() : "hidden", "Snoozed until 07:40");
            QTest::mouseClick(settings.chkOn[0], Qt::LeftButton); // unsaved: the snooze stays
            QVERIFY(settings.lblSnoozed[0]->isHidden());
        });
        main.itmSetAlarm->trigger();
        QTRY_VERIFY(!main.settingsWindow()); // closed is gone: the next opening reads anew
        QCOMPARE(main.windowTitle() + main.lblStatus->toolTip(), "Monday 07:40 (Next Alarm)Pills");
        QVERIFY(main.itmCancelSnooze->isVisible());
        main.itmCancelSnooze->trigger();
        QVERIFY(main.windowTitle() == "Tuesday 07:30 (Next Alarm)" && !main.itmCancelSnooze->isVisible());
        m_clock->set(at(2026, 12, 8, 7, 30));
        main.Timer1_Timer();
        notification = main.notification();
        QTest::mouseClick(notification->cmd_okay, Qt::LeftButton); // at once, by mouse
        QTRY_VERIFY(!notification);
        QCOMPARE(main.windowTitle() + QString::number(m_seen.withdrawals), "Wednesday 07:30 (Next Alarm)2");
        main.close();
        QCOMPARE(m_seen.informed.size(), 1);
        QVERIFY(m_seen.informed.at(0).startsWith("Alarms off: "));
    }

    // "Okay" where it always was, with the focus; "Snooze" below it, by S or Alt+S. A name
    // gets a line of its own and a window grown to hold it.
    void theNotificationIsAnAlertAnsweredFromTheKeyboardAfterItsFirstSecond()
    {
        // Tab puts the focus on "Snooze", where Return still means "Okay".
        const QList<std::tuple<Qt::Key, Qt::KeyboardModifier, int>> answers{
            {Qt::Key_Return, Qt::NoModifier, 0}, {Qt::Key_Enter, Qt::KeypadModifier, 0}, {Qt::Key_Space, Qt::NoModifier, 0},
            {Qt::Key_Escape, Qt::NoModifier, 0}, {Qt::Key_S, Qt::NoModifier, frm_alarm_notif::Snoozed},
            {Qt::Key_S, Qt::AltModifier, frm_alarm_notif::Snoozed}, {Qt::Key_Tab, Qt::NoModifier, 0}};
        for (const auto& [key, modifier, result] : answers) {
            frm_alarm_notif notification(december(7, 7, 30), {}, 10);
            notification.setAttribute(Qt::WA_DeleteOnClose, false);
            QSignalSpy closed(&notification, &QDialog::finished);
            notification.show();
            QVERIFY(QTest::qWaitForWindowActive(&notification));
            QCOMPARE(QAccessible::queryAccessibleInterface(&notification)->role(), QAccessible::AlertMessage);
            QCOMPARE(notification.lbl_time->text() + notification.cmd_snooze->text(), "07:30&Snooze 10 min");
            QVERIFY(notification.cmd_okay->geometry() == twipsRect(720, 840, 1695, 615) && notification.lbl_label->isHidden());
            QCOMPARE(QApplication::focusWidget(), notification.cmd_okay);
            QVERIFY(notification.windowFlags() & Qt::WindowStaysOnTopHint);
            QTest::keyClick(QApplication::focusWidget(), key, modifier);
            QVERIFY(closed.isEmpty()); // typed for another window
            QTest::qWait(frm_alarm_notif::KeyGuardMs);
            QTest::keyClick(QApplication::focusWidget(), key, modifier);
            if (key == Qt::Key_Tab)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTRY_VERIFY(closed.size() == 1 && !notification.isVisible()); // an access key clicks a moment later
            QCOMPARE(closed.at(0).at(0).toInt(), result);
            // The buttons let go of the top before closing; Escape closes it as it stands.
            QCOMPARE(bool(notification.windowFlags() & Qt::WindowStaysOnTopHint), key == Qt::Key_Escape);
        }
        const QString label = "WWWWWWWWWW WWWWWWWWWW WWWWWWWWWW WWWWWWWWWW WWWWWWWWWW";
        frm_alarm_notif plain(december(7, 7, 30), {}, 10), named(december(7, 7, 30), label, 10), oneWord(december(7, 7, 30), QString(60, 'W'), 10);
        QVERIFY(named.width() > plain.width() && named.height() > plain.height());
        QVERIFY((named.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center()).manhattanLength() <= 2);
        QVERIFY(named.lbl_label->height() > named.lbl_label->fontMetrics().height()); // wrapped
        QVERIFY(named.cmd_okay->y() > named.lbl_label->geometry().bottom() && qAbs(named.cmd_okay->geometry().center().x() - named.width() / 2) <= 2);
        QVERIFY(oneWord.lbl_label->fontMetrics().horizontalAdvance(QString(60, 'W')) <= oneWord.lbl_label->width());
        QCOMPARE(named.accessibleDescription(), "The time is now 07:30. " + label);
        QCOMPARE(fittedFont(sansFont(12), QString(500, 'W'), 10).pointSizeF(), 8.0); // no smaller than asked
        const int exactWidth = QFontMetrics(sansFont(12)).horizontalAdvance(label);
        QCOMPARE(fittedFont(sansFont(12), label, exactWidth).pointSizeF() + fittedFont(sansFont(12), label, exactWidth - 1).pointSizeF(), 12 + 11.5);
        const int height = named.height();
        named.showSoundFailure();
        QVERIFY(named.height() > height && named.lbl_sound->geometry().bottom() < named.height());
        QCOMPARE(named.lbl_sound->x() + named.lbl_sound->width(), named.lbl_label->x() + named.lbl_label->width()); // the name's margins
    }

    // Ctrl+T, a number, Return: a timer of so many minutes, counting down in the title, with
    // Pause, Resume and Cancel in the menu while it is set. Escape changes nothing; a length out
    // of range is refused and the window stays; a second timer replaces the first only if the
    // user says so.
    void aTimerFromTheKeyboard()
    {
        frm_Main main(m_seen, m_seen);
        main.Form_Load();
        main.show();
        // The key goes through the window system's queue: the window is looked for until it opens.
        const auto withTimerWindow = [&](const std::function<void(frmTimer&)>& act) {
            bool seen = false;
            QTimer poll;
            poll.setInterval(10);
            connect(&poll, &QTimer::timeout, &main, [&] {
                auto* window = qobject_cast<frmTimer*>(QApplication::activeModalWidget());
                if (!window)
                    return;
                poll.stop();
                seen = true;
                const auto closing = qScopeGuard([window] { window->reject(); }); // even after a failure
                act(*window);
            });
            poll.start();
            main.activateWindow();
            if (!QTest::qWaitForWindowActive(&main))
                return false;
            QTest::keyClick(main.windowHandle(), Qt::Key_T, Qt::ControlModifier);
            return QTest::qWaitFor([&] { return seen && !QApplication::activeModalWidget(); }, 2000);
        };
        const auto menu = [&] { return QString("%1 %2 %3").arg(main.itmPauseTimer->isVisible()).arg(main.itmPauseTimer->text()).arg(main.itmCancelTimer->isVisible()); };
        QCOMPARE(menu(), "0 &Pause Timer 0");
        QVERIFY(withTimerWindow([](frmTimer& window) {
            QCOMPARE(window.focusWidget(), window.txtMinutes);
            QCOMPARE(window.txtMinutes->selectedText() + ":" + window.txtSeconds->text() + " " + window.txtLabel->placeholderText(), "5:00 Name");
            QTest::keyClicks(window.txtMinutes, "12");
            QTest::keyClick(window.txtMinutes, Qt::Key_Return);
        }));
        m_clock->advanceSeconds(1);
        main.Timer1_Timer();
        QCOMPARE(main.windowTitle() + " " + menu(), "Timer 11:59 1 &Pause Timer 1");

        main.itmPauseTimer->trigger();
        QCOMPARE(main.windowTitle() + " " + menu(), "Timer 11:59 (paused) 1 Resu&me Timer 1");
        QVERIFY(withTimerWindow([](frmTimer& window) {
            QTest::keyClicks(window.txtMinutes, "3");
            QTest::keyClick(&window, Qt::Key_Escape);
        }));
        QCOMPARE(main.windowTitle() + QString::number(main.alarmClock().lastTimerLength()), "Timer 11:59 (paused)720");
        QVERIFY(withTimerWindow([](frmTimer& window) {
            for (const auto& [minutes, seconds] : {std::pair{"0", "0"}, {"1441", "0"}, {"1", "75"}}) {
                window.txtMinutes->setText(minutes);
                window.txtSeconds->setText(seconds);
                const auto refused = answerNextBox(QMessageBox::Ok);
                QTest::keyClick(window.txtSeconds, Qt::Key_Return);
                QVERIFY2(refused->startsWith("Enter a length from 1 second to 24 hours"), minutes);
                QVERIFY(window.isVisible() && window.focusWidget() == window.txtMinutes && window.txtMinutes->selectedText() == minutes);
            }
            window.txtSeconds->setText("30");
            for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
                const auto asked = answerNextBox(answer);
                QTest::keyClick(window.txtMinutes, Qt::Key_Return);
                QCOMPARE(*asked, "A timer is already set. Replace it?");
            }
        }));
        QCOMPARE(main.windowTitle() + " " + menu(), "Timer 1:30 1 &Pause Timer 1");
        QVERIFY(withTimerWindow([](frmTimer& window) {
            QCOMPARE(window.txtMinutes->selectedText() + ":" + window.txtSeconds->text(), "1:30"); // the last length started
            QTest::keyClick(&window, Qt::Key_Escape);
        }));
        main.itmCancelTimer->trigger();
        QCOMPARE(main.windowTitle() + " " + menu() + stored({"timerEnd", "timerLength"}), "Alarm is OFF 0 &Pause Timer 0 90");
    }

    // Missed while the computer slept: listed, a line each, beside the clock, which the
    // window does not block; once closed, the next missed alarm opens it afresh.
    void missedAlarmsGatherInOneWindowThatBlocksNothing()
    {
        frm_Main main(m_seen, m_seen);
        storeSlot(0, Frequency::Regular, DayChoice::MondayToSunday, "07", "30");
        main.Form_Load();
        for (int day : {8, 9}) {
            m_clock->set(at(2026, 12, day, 8, 0));
            main.Timer1_Timer();
        }
        QPointer<frmMissedAlarms> missed = main.missedAlarms();
        QVERIFY(!main.notification() && missed->isVisible() && !QApplication::activeModalWidget());
        QVERIFY(main.windowHandle() && missed->windowHandle()->transientParent() == main.windowHandle() && !(missed->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(missed->windowTitle() + ": " + missed->lstMissed->item(1)->text(), "Missed Alarms: Missed alarm: Wednesday 07:30");
        // The list above, as wide as the window; OK below it, on the right.
        const QRect list = missed->lstMissed->geometry(), ok = missed->cmdOK->geometry();
        QVERIFY(missed->lstMissed->count() == 2 && ok.top() > list.bottom() && ok.right() == list.right() && list.left() < ok.left());
        QTest::keyClick(missed->lstMissed, Qt::Key_Return);
        QTRY_VERIFY(!missed);
        m_clock->set(at(2026, 12, 10, 8, 0));
        main.Timer1_Timer();
        QCOMPARE(main.missedAlarms()->lstMissed->count(), 1);
    }
};

QTEST_MAIN(TestAlarms)
#include "tst_alarms.moc"
