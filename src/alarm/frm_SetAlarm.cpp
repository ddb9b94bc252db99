#include "alarm/frm_SetAlarm.h"

#include "alarm/AlarmClock.h"
#include "alarm/DateChooser.h"
#include "alarm/DayTexts.h"
#include "alarm/DaysChooser.h"
#include "alarm/Scheduler.h"
#include "alarm/Snooze.h"
#include "alarm/SoundChooser.h"
#include "alarm/TimeField.h"
#include "core/CharacterLimit.h"
#include "core/Clock.h"
#include "core/Fonts.h"
#include "core/KeepEdits.h"
#include "core/Twips.h"
#include "settings/WindowPosition.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>

namespace
{

const QString positionSection = QStringLiteral("SetAlarm");
constexpr int defaultTopTwips = 0;
constexpr int defaultLeftTwips = 2730;
constexpr double controlPoints = 8.25;
constexpr double largePoints = 13.5;

// The column beside the rows: the duration, the snooze length and the sound.
constexpr int optionsLeft = 10620;
constexpr int optionsWidth = 2055;

struct NumberFrame {
    QGroupBox* frame;
    QLabel* number;
    QScrollBar* bar;
};

struct NumberFrameNames {
    const char* frame;
    const char* number;
    const char* bar;
};

// A number in a white box and the scroll bar beside it that sets it, in a frame of the
// options column.
NumberFrame addNumberFrame(QWidget* window, NumberFrameNames names, const QString& caption,
                           int topTwips, std::pair<int, int> range, const QString& toolTip,
                           const QString& accessibleName)
{
    auto* frame = new QGroupBox(caption, window);
    frame->setObjectName(QLatin1String(names.frame));
    frame->setGeometry(twipsRect(optionsLeft, topTwips, optionsWidth, 1215));
    frame->setFont(sansFont(controlPoints, true));

    auto* number = new QLabel(frame);
    number->setObjectName(QLatin1String(names.number));
    number->setGeometry(twipsRect(600, 360, 495, 495));
    number->setFont(sansFont(largePoints));
    number->setToolTip(toolTip);
    // A box like a text box's: white with dark text, or dark with light text on a dark desktop.
    number->setAutoFillBackground(true);
    number->setBackgroundRole(QPalette::Base);
    number->setForegroundRole(QPalette::Text);

    auto* bar = new QScrollBar(Qt::Vertical, frame);
    bar->setObjectName(QLatin1String(names.bar));
    bar->setGeometry(twipsRect(1080, 360, 255, 495));
    bar->setRange(range.first, range.second);
    // The upper arrow makes the number grow, as it is above it.
    bar->setInvertedAppearance(true);
    bar->setAccessibleName(accessibleName);
    // Scroll bars take no focus of their own; this one is a control, reached by Tab.
    bar->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(bar, &QScrollBar::valueChanged, number,
                     [number](int value) { number->setText(QString::number(value)); });
    return {frame, number, bar};
}

QString arrayMemberName(const char* array, int n)
{
    return QLatin1String(array) + QLatin1Char('_') + QString::number(n);
}

int rowTop(int n)
{
    return 600 + 360 * n;
}

} // namespace

frm_SetAlarm::frm_SetAlarm(AlarmClock& alarmClock, QWidget* owner)
    : EditorDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_alarmClock(alarmClock)
{
    setObjectName(QStringLiteral("frm_SetAlarm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Vintrel Clock & Alarm - Alarm Settings"));
    setFont(sansFont(controlPoints));
    setFixedSize(twips(optionsLeft + optionsWidth + 120), twips(7095));

    fraAlarmSettings = new QGroupBox(tr("Alarm settings"), this);
    fraAlarmSettings->setObjectName(QStringLiteral("fraAlarmSettings"));
    fraAlarmSettings->setGeometry(twipsRect(120, 120, 10380, 6135));
    fraAlarmSettings->setFont(sansFont(controlPoints, true));
    // The rows sit on a plain panel over the frame and take its regular font from there:
    // the bold is for the frame's title, and a font set on each combo box would build its
    // popup list at once, thirty of them at every start.
    m_rows = new QWidget(fraAlarmSettings);
    m_rows->setFont(sansFont(controlPoints));
    m_rows->setGeometry(fraAlarmSettings->rect());
    for (int n = 0; n < SlotCount; ++n)
        createRow(n);

    cmd_save = new QPushButton(tr("Save Settings"), this);
    cmd_save->setObjectName(QStringLiteral("cmd_save"));
    // Centred under the rows.
    cmd_save->setGeometry(twipsRect(4260, 6480, 2100, 495));
    cmd_save->setFont(sansFont(largePoints));
    cmd_save->setAutoDefault(false);
    connect(cmd_save, &QPushButton::clicked, this, &frm_SetAlarm::cmd_save_Click);

    const NumberFrame duration =
        addNumberFrame(this, {"frm_duration", "lbl_dur", "vscr_dur"}, tr("Alarm duration (sec)"),
                       120, {ShortestAlarmDuration, LongestAlarmDuration}, tr("1-60 seconds"),
                       tr("Alarm duration in seconds"));
    frm_duration = duration.frame;
    lbl_dur = duration.number;
    vscr_dur = duration.bar;
    chkUntilAnswered = new QCheckBox(tr("Until answered"), frm_duration);
    chkUntilAnswered->setObjectName(QStringLiteral("chkUntilAnswered"));
    chkUntilAnswered->setGeometry(twipsRect(120, 900, 1815, 255));
    chkUntilAnswered->setFont(sansFont(controlPoints));
    chkUntilAnswered->setToolTip(
        tr("The sound repeats until the alarm is answered, for ten minutes at most"));
    connect(chkUntilAnswered, &QCheckBox::toggled, this, [this](bool untilAnswered) {
        lbl_dur->setEnabled(!untilAnswered);
        vscr_dur->setEnabled(!untilAnswered);
    });

    const NumberFrame snooze =
        addNumberFrame(this, {"fra_snooze", "lbl_snooze", "vscr_snooze"}, tr("Snooze (min)"), 1455,
                       {ShortestSnoozeMinutes, LongestSnoozeMinutes}, tr("1-60 minutes"),
                       tr("Snooze length in minutes"));
    fra_snooze = snooze.frame;
    lbl_snooze = snooze.number;
    vscr_snooze = snooze.bar;

    fraSound = new SoundChooser(m_alarmClock, this);
    fraSound->setGeometry(twipsRect(optionsLeft, 2790, optionsWidth, 1545));

    lblReach = new QLabel(this);
    lblReach->setObjectName(QStringLiteral("lblReach"));
    lblReach->setGeometry(twipsRect(optionsLeft, 4455, optionsWidth, 1800));
    lblReach->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblReach->setWordWrap(true);
    lblReach->hide();

    QWidget* previous = nullptr;
    for (int n = 0; n < SlotCount; ++n) {
        for (QWidget* control :
             {static_cast<QWidget*>(chkOn[n]), static_cast<QWidget*>(comFreq[n]),
              static_cast<QWidget*>(comDays[n]), static_cast<QWidget*>(txtHr[n]),
              static_cast<QWidget*>(txtMin[n]), static_cast<QWidget*>(txtLabel[n])}) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    setTabOrder(previous, cmd_save);
    setTabOrder(cmd_save, vscr_dur);
    setTabOrder(vscr_dur, chkUntilAnswered);
    setTabOrder(chkUntilAnswered, vscr_snooze);
    setTabOrder(vscr_snooze, fraSound->comSound);

    connect(qApp, &QApplication::focusChanged, this, &frm_SetAlarm::focusChanged);
    connect(&m_alarmClock, &AlarmClock::slotsReloaded, this, &frm_SetAlarm::showSlots);
}

frm_SetAlarm::~frm_SetAlarm()
{
    // The focus moves as the window's controls go, and the window is no longer one to hear it.
    disconnect(qApp, &QApplication::focusChanged, this, &frm_SetAlarm::focusChanged);
}

void frm_SetAlarm::showReach(const QString& text)
{
    lblReach->setText(text);
    lblReach->setVisible(!text.isEmpty());
}

void frm_SetAlarm::createRow(int n)
{
    chkOn[n] = new QCheckBox(tr("Off"), m_rows);
    chkOn[n]->setObjectName(arrayMemberName("chkOn", n));
    chkOn[n]->setGeometry(twipsRect(240, rowTop(n) + 60, 780, 195));
    connect(chkOn[n], &QCheckBox::toggled, this, [this, n] { chkOn_Click(n); });

    comFreq[n] = new QComboBox(m_rows);
    comFreq[n]->setObjectName(arrayMemberName("comFreq", n));
    comFreq[n]->setGeometry(twipsRect(1080, rowTop(n), 1575, 315));
    comFreq[n]->addItems({tr("once only"), tr("regular")});
    // Nothing chosen until the first load, so that load's choice raises comFreq_Click.
    comFreq[n]->setCurrentIndex(-1);
    connect(comFreq[n], &QComboBox::currentIndexChanged, this, [this, n] { comFreq_Click(n); });

    comDays[n] = new QComboBox(m_rows);
    comDays[n]->setObjectName(arrayMemberName("comDays", n));
    // Wide enough for four chosen days in every language.
    comDays[n]->setGeometry(twipsRect(2760, rowTop(n), 2295, 315));
    comDays[n]->setMaxVisibleItems(11);
    connect(comDays[n], &QComboBox::currentIndexChanged, this, [this, n] { comDays_Click(n); });
    // Raised by the user's every choice, also of the entry already shown: the last entry opens
    // its window again.
    connect(comDays[n], &QComboBox::activated, this, [this, n] { comDays_Activated(n); });

    txtHr[n] = new QLineEdit(m_rows);
    txtHr[n]->setObjectName(arrayMemberName("txtHr", n));
    txtHr[n]->setGeometry(twipsRect(5160, rowTop(n), 375, 285));
    txtMin[n] = new QLineEdit(m_rows);
    txtMin[n]->setObjectName(arrayMemberName("txtMin", n));
    txtMin[n]->setGeometry(twipsRect(5760, rowTop(n), 375, 285));
    for (QLineEdit* box : {txtHr[n], txtMin[n]}) {
        box->setValidator(new CharacterLimit(2, box));
        box->setAlignment(Qt::AlignCenter);
    }
    connect(txtHr[n], &QLineEdit::textChanged, this,
            [this, n](const QString& text) { m_slots[n].hourText = text; });
    connect(txtMin[n], &QLineEdit::textChanged, this,
            [this, n](const QString& text) { m_slots[n].minuteText = text; });

    txtLabel[n] = new QLineEdit(m_rows);
    txtLabel[n]->setObjectName(arrayMemberName("txtLabel", n));
    txtLabel[n]->setGeometry(twipsRect(6240, rowTop(n), 2100, 285));
    txtLabel[n]->setValidator(new CharacterLimit(LongestAlarmLabel, txtLabel[n]));
    txtLabel[n]->setPlaceholderText(tr("Name"));
    connect(txtLabel[n], &QLineEdit::textChanged, this,
            [this, n](const QString& text) { m_slots[n].label = alarmLabel(text); });

    lblSnoozed[n] = new QLabel(m_rows);
    lblSnoozed[n]->setObjectName(arrayMemberName("lblSnoozed", n));
    lblSnoozed[n]->setGeometry(twipsRect(8430, rowTop(n) + 15, 1830, 255));

    // Screen readers name each control by its row, counted from 1 as the user counts.
    const QString number = QString::number(n + 1);
    chkOn[n]->setAccessibleName(tr("Alarm %1 on").arg(number));
    comFreq[n]->setAccessibleName(tr("Alarm %1 frequency").arg(number));
    comDays[n]->setAccessibleName(tr("Alarm %1 day").arg(number));
    // On Linux a drop-down list is read by its choice; the description says whose it is.
    for (QComboBox* box : {comFreq[n], comDays[n]})
        box->setAccessibleDescription(box->accessibleName());
    txtHr[n]->setAccessibleName(tr("Alarm %1 hour").arg(number));
    txtMin[n]->setAccessibleName(tr("Alarm %1 minute").arg(number));
    txtLabel[n]->setAccessibleName(tr("Alarm %1 name").arg(number));
}

void frm_SetAlarm::Form_Load()
{
    restoreWindowPosition(this, positionSection, defaultTopTwips, defaultLeftTwips, false);
    showSlots();
}

void frm_SetAlarm::Form_Unload()
{
    saveWindowPosition(this, positionSection);
}

void frm_SetAlarm::closeEvent(QCloseEvent* event)
{
    if (!settleEdits()) {
        event->ignore();
        return;
    }
    Form_Unload();
    QDialog::closeEvent(event);
}

void frm_SetAlarm::showSlots()
{
    const SlotTable& slots = m_alarmClock.slots();
    const AlarmOptions& options = m_alarmClock.options();
    lbl_dur->setText(QString::number(options.duration));
    vscr_dur->setValue(options.duration);
    chkUntilAnswered->setChecked(options.untilAnswered);
    lbl_snooze->setText(QString::number(options.snoozeMinutes));
    vscr_snooze->setValue(options.snoozeMinutes);
    fraSound->showChoice(options.soundFile, options.gentle);
    m_rejectedBox = nullptr;
    m_slots = slots;

    // Setting the controls raises their events, which keep each record equal to its row.
    for (int n = 0; n < SlotCount; ++n) {
        chkOn[n]->setChecked(slots[n].isOn);
        comFreq[n]->setCurrentIndex(slots[n].frequency);
        // The refill for a new frequency chose a day of its own.
        m_slots[n].dayChoice = slots[n].dayChoice;
        showDayChoice(n);
        txtHr[n]->setText(slots[n].hourText);
        txtMin[n]->setText(slots[n].minuteText);
        txtLabel[n]->setText(slots[n].label);
        showRowState(n);
    }
}

void frm_SetAlarm::FillDayList(int n, int frequency)
{
    QComboBox* days = comDays[n];
    {
        const QSignalBlocker quiet(days);
        // Chosen days or a date, which the other list does not offer, become their nearest
        // weekday.
        const int shown = days->currentIndex() < 0 ? -1 : compatibleDayChoice(m_slots[n]);
        const int kept = dayChoiceKeptFor(frequency, shown);
        days->clear();
        for (const DayEntry& entry : dayList(frequency))
            days->addItem(entry.text, entry.choice);
        days->setCurrentIndex(days->findData(kept));
        m_slots[n].dayChoice = qint16(kept);
    }
}

void frm_SetAlarm::showDayChoice(int n)
{
    QComboBox* days = comDays[n];
    const QSignalBlocker quiet(days);
    days->setItemText(days->count() - 1, lastDayEntryText(m_slots[n]));
    days->setCurrentIndex(days->findData(m_slots[n].dayChoice));
}

void frm_SetAlarm::showRowState(int n)
{
    const bool on = chkOn[n]->isChecked();
    chkOn[n]->setText(on ? tr("On") : tr("Off"));
    for (QWidget* control : {static_cast<QWidget*>(comFreq[n]), static_cast<QWidget*>(comDays[n]),
                             static_cast<QWidget*>(txtHr[n]), static_cast<QWidget*>(txtMin[n]),
                             static_cast<QWidget*>(txtLabel[n])})
        control->setEnabled(on);
    const DateSerial snoozed = keptSnooze(m_alarmClock.slots()[n], m_slots[n]);
    lblSnoozed[n]->setText(snoozed != 0 ? snoozedUntilText(snoozed) : QString());
    lblSnoozed[n]->setVisible(snoozed != 0);
}

void frm_SetAlarm::chkOn_Click(int n)
{
    m_slots[n].isOn = chkOn[n]->isChecked();
    showRowState(n);
}

void frm_SetAlarm::comFreq_Click(int n)
{
    const int frequency = comFreq[n]->currentIndex();
    m_slots[n].frequency = qint16(frequency);
    FillDayList(n, frequency);
}

void frm_SetAlarm::comDays_Click(int n)
{
    const int choice = comDays[n]->currentData().toInt();
    // The window that the last entry opens makes that choice, or leaves the one before.
    if (choice == DayChoice::ChosenDays || choice == DayChoice::OnDate)
        return;
    m_slots[n].dayChoice = qint16(choice);
    showDayChoice(n);
}

void frm_SetAlarm::comDays_Activated(int n)
{
    AlarmSlot& slot = m_slots[n];
    const int choice = comDays[n]->currentData().toInt();
    if (choice == DayChoice::ChosenDays) {
        DaysChooser chooser(weekdaysOf(slot), this);
        if (chooser.exec() == QDialog::Accepted) {
            slot.chosenDays = chooser.days();
            slot.dayChoice = qint16(dayChoiceFor(slot.chosenDays));
        }
    } else if (choice == DayChoice::OnDate) {
        DateChooser chooser(slot.chosenDate, Clock::today(), this);
        if (chooser.exec() == QDialog::Accepted) {
            slot.chosenDate = chooser.date();
            slot.dayChoice = DayChoice::OnDate;
        }
    }
    showDayChoice(n);
}

void frm_SetAlarm::focusChanged(QWidget* old, QWidget* now)
{
    // Only a move to another control of this window validates: the message box that a
    // rejection shows takes the focus too, and must not validate the box again.
    if (!old || !now || now->window() != this)
        return;
    for (int n = 0; n < SlotCount; ++n) {
        if (old == txtHr[n])
            txtHr_LostFocus(n);
        else if (old == txtMin[n])
            txtMin_LostFocus(n);
    }
}

void frm_SetAlarm::txtHr_LostFocus(int n)
{
    validateTimeBox(txtHr[n], HighestHour, tr("You must enter a number in the range 0-23"));
}

void frm_SetAlarm::txtMin_LostFocus(int n)
{
    validateTimeBox(txtMin[n], HighestMinute, tr("You must enter a number in the range 0-59"));
}

void frm_SetAlarm::validateTimeBox(QLineEdit* box, int highest, const QString& message)
{
    if (timeFieldValue(box->text(), highest)) {
        box->setText(paddedTimeField(box->text()));
        if (m_rejectedBox == box)
            m_rejectedBox = nullptr;
        return;
    }
    m_rejectedBox = box;
    refuseEntry(box, message);
}

void frm_SetAlarm::refuseEntry(QLineEdit* box, const QString& message)
{
    box->setFocus();
    box->setSelection(0, int(box->text().size()));
    QMessageBox invalid(QMessageBox::Warning, tr("Invalid entry"), message, QMessageBox::Ok, this);
    invalid.exec();
}

void frm_SetAlarm::cmd_save_Click()
{
    // Hidden, not closed: the window stays made, its rows as saved.
    if (saveEdits())
        hide();
}

bool frm_SetAlarm::saveEdits()
{
    // The click took the focus from a box whose entry was just refused: that box is
    // corrected first.
    if (m_rejectedBox) {
        m_rejectedBox->setFocus();
        return false;
    }
    // A date's alarm whose moment has come would be kept but never ring.
    const int passed = firstPassedDate(m_slots, Clock::now());
    if (passed >= 0) {
        refuseEntry(txtHr[passed],
                    tr("Alarm %1 is set for a date and time that have passed.").arg(passed + 1));
        return false;
    }
    m_alarmClock.saveSettings(m_slots, shownOptions());
    return true;
}

AlarmOptions frm_SetAlarm::shownOptions() const
{
    return {vscr_dur->value(), vscr_snooze->value(), fraSound->soundFile(), fraSound->gentle(),
            chkUntilAnswered->isChecked()};
}

bool frm_SetAlarm::hasUnsavedEdits() const
{
    const SlotTable& kept = m_alarmClock.slots();
    return shownOptions() != m_alarmClock.options() ||
           !std::equal(m_slots.cbegin(), m_slots.cend(), kept.cbegin(), sameSetting);
}

bool frm_SetAlarm::settleEdits()
{
    if (!hasUnsavedEdits())
        return true;
    switch (askToKeepEdits(this, tr("Keep the changes to the alarm settings?"))) {
    case KeepEdits::Keep:
        // Closing takes the focus from no box: the one being typed in is checked here.
        focusChanged(focusWidget(), cmd_save);
        return saveEdits();
    case KeepEdits::Discard:
        return true;
    case KeepEdits::Cancel:
        break;
    }
    return false;
}
