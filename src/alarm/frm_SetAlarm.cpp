#include "alarm/frm_SetAlarm.h"

#include "alarm/AlarmClock.h"
#include "alarm/TimeField.h"
#include "core/Fonts.h"
#include "core/Twips.h"
#include "settings/WindowPosition.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <utility>

namespace {

const QString positionSection = QStringLiteral("SetAlarm");
constexpr int defaultTopTwips = 0;
constexpr int defaultLeftTwips = 2730;
constexpr double controlPoints = 8.25;
constexpr double largePoints = 13.5;

QString arrayMemberName(const char* array, int n)
{
    return QLatin1String(array) + QLatin1Char('_') + QString::number(n);
}

int rowTop(int n)
{
    return 600 + 360 * n;
}

} // namespace

frm_SetAlarm::frm_SetAlarm(AlarmClock& alarmClock)
    : EditorDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_alarmClock(alarmClock)
{
    setObjectName(QStringLiteral("frm_SetAlarm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vintrel Clock & Alarm - Alarm Settings"));
    setFont(sansFont(controlPoints));
    setFixedSize(twips(8775), twips(7095));

    fraAlarmSettings = new QGroupBox(QStringLiteral("Alarm settings"), this);
    fraAlarmSettings->setObjectName(QStringLiteral("fraAlarmSettings"));
    fraAlarmSettings->setGeometry(twipsRect(120, 120, 6375, 6135));
    fraAlarmSettings->setFont(sansFont(controlPoints, true));
    // The rows sit on a plain panel over the frame and take its regular font from there:
    // the bold is for the frame's title, and a font set on each combo box would build its
    // popup list at once, thirty of them at every start.
    m_rows = new QWidget(fraAlarmSettings);
    m_rows->setFont(sansFont(controlPoints));
    m_rows->setGeometry(fraAlarmSettings->rect());
    for (int n = 0; n < SlotCount; ++n)
        createRow(n);

    cmd_save = new QPushButton(QStringLiteral("Save Settings"), this);
    cmd_save->setObjectName(QStringLiteral("cmd_save"));
    cmd_save->setGeometry(twipsRect(3480, 6480, 1935, 495));
    cmd_save->setFont(sansFont(largePoints));
    cmd_save->setAutoDefault(false);
    connect(cmd_save, &QPushButton::clicked, this, &frm_SetAlarm::cmd_save_Click);

    frm_duration = new QGroupBox(QStringLiteral("Alarm duration (sec)"), this);
    frm_duration->setObjectName(QStringLiteral("frm_duration"));
    frm_duration->setGeometry(twipsRect(6600, 120, 2055, 1215));
    frm_duration->setFont(sansFont(controlPoints, true));

    lbl_dur = new QLabel(frm_duration);
    lbl_dur->setObjectName(QStringLiteral("lbl_dur"));
    lbl_dur->setGeometry(twipsRect(600, 360, 495, 495));
    lbl_dur->setFont(sansFont(largePoints));
    lbl_dur->setToolTip(QStringLiteral("1-60 seconds"));
    lbl_dur->setAutoFillBackground(true);
    QPalette white = lbl_dur->palette();
    white.setColor(QPalette::Window, Qt::white);
    lbl_dur->setPalette(white);

    vscr_dur = new QScrollBar(Qt::Vertical, frm_duration);
    vscr_dur->setObjectName(QStringLiteral("vscr_dur"));
    vscr_dur->setGeometry(twipsRect(1080, 360, 255, 495));
    vscr_dur->setRange(ShortestAlarmDuration, LongestAlarmDuration);
    // The upper arrow lengthens the alarm, as the number above it grows.
    vscr_dur->setInvertedAppearance(true);
    vscr_dur->setAccessibleName(QStringLiteral("Alarm duration in seconds"));
    connect(vscr_dur, &QScrollBar::valueChanged, this, &frm_SetAlarm::vscr_dur_Change);

    QWidget* previous = nullptr;
    for (int n = 0; n < SlotCount; ++n) {
        for (QWidget* control : {static_cast<QWidget*>(chkOn[n]), static_cast<QWidget*>(comFreq[n]),
                                 static_cast<QWidget*>(comDays[n]), static_cast<QWidget*>(txtHr[n]),
                                 static_cast<QWidget*>(txtMin[n])}) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    setTabOrder(previous, cmd_save);

    connect(qApp, &QApplication::focusChanged, this, &frm_SetAlarm::focusChanged);
    connect(&m_alarmClock, &AlarmClock::slotsReloaded, this, &frm_SetAlarm::showSlots);
}

void frm_SetAlarm::createRow(int n)
{
    chkOn[n] = new QCheckBox(QStringLiteral("Off"), m_rows);
    chkOn[n]->setObjectName(arrayMemberName("chkOn", n));
    chkOn[n]->setGeometry(twipsRect(240, rowTop(n) + 60, 615, 195));
    connect(chkOn[n], &QCheckBox::toggled, this, [this, n] { chkOn_Click(n); });

    comFreq[n] = new QComboBox(m_rows);
    comFreq[n]->setObjectName(arrayMemberName("comFreq", n));
    comFreq[n]->setGeometry(twipsRect(1080, rowTop(n), 1215, 315));
    comFreq[n]->addItems({QStringLiteral("once only"), QStringLiteral("regular")});
    // Nothing chosen until the first load, so that load's choice raises comFreq_Click.
    comFreq[n]->setCurrentIndex(-1);
    connect(comFreq[n], &QComboBox::currentIndexChanged, this, [this, n] { comFreq_Click(n); });

    comDays[n] = new QComboBox(m_rows);
    comDays[n]->setObjectName(arrayMemberName("comDays", n));
    comDays[n]->setGeometry(twipsRect(2760, rowTop(n), 2055, 315));
    comDays[n]->setMaxVisibleItems(10);
    connect(comDays[n], &QComboBox::currentIndexChanged, this,
            [this, n](int index) { m_slots[n].dayChoice = qint16(index); });

    txtHr[n] = new QLineEdit(m_rows);
    txtHr[n]->setObjectName(arrayMemberName("txtHr", n));
    txtHr[n]->setGeometry(twipsRect(5160, rowTop(n), 375, 285));
    txtMin[n] = new QLineEdit(m_rows);
    txtMin[n]->setObjectName(arrayMemberName("txtMin", n));
    txtMin[n]->setGeometry(twipsRect(5760, rowTop(n), 375, 285));
    for (QLineEdit* box : {txtHr[n], txtMin[n]}) {
        box->setMaxLength(2);
        box->setAlignment(Qt::AlignCenter);
        box->setTextMargins(0, 0, 0, 0);
    }
    connect(txtHr[n], &QLineEdit::textChanged, this,
            [this, n](const QString& text) { m_slots[n].hourText = text; });
    connect(txtMin[n], &QLineEdit::textChanged, this,
            [this, n](const QString& text) { m_slots[n].minuteText = text; });

    // Screen readers name each control by its row, counted from 1 as the user counts.
    const QString alarm = QStringLiteral("Alarm %1 ").arg(n + 1);
    chkOn[n]->setAccessibleName(alarm + QStringLiteral("on"));
    // On Linux a drop-down list is read by its choice; the description says whose it is.
    for (auto [box, field] : {std::pair{comFreq[n], "frequency"}, std::pair{comDays[n], "day"}}) {
        box->setAccessibleName(alarm + QLatin1String(field));
        box->setAccessibleDescription(box->accessibleName());
    }
    txtHr[n]->setAccessibleName(alarm + QStringLiteral("hour"));
    txtMin[n]->setAccessibleName(alarm + QStringLiteral("minute"));

    showRowState(n);
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
    Form_Unload();
    QDialog::closeEvent(event);
}


void frm_SetAlarm::showSlots()
{
    const SlotTable& slots = m_alarmClock.slots();
    lbl_dur->setText(QString::number(m_alarmClock.duration()));
    vscr_dur->setValue(m_alarmClock.duration());
    m_rejectedBox = nullptr;
    m_slots = slots;

    // Setting the controls raises their events, which keep each record equal to its row.
    for (int n = 0; n < SlotCount; ++n) {
        chkOn[n]->setChecked(slots[n].isOn);
        comFreq[n]->setCurrentIndex(slots[n].frequency);
        comDays[n]->setCurrentIndex(slots[n].dayChoice);
        txtHr[n]->setText(slots[n].hourText);
        txtMin[n]->setText(slots[n].minuteText);
    }
}

void frm_SetAlarm::FillDayList(int n, int frequency)
{
    QComboBox* days = comDays[n];
    {
        const QSignalBlocker quiet(days);
        const int kept = dayChoiceKeptFor(frequency, days->currentIndex());
        days->clear();
        days->addItems(dayListTexts(frequency));
        days->setCurrentIndex(kept);
    }
    m_slots[n].dayChoice = qint16(days->currentIndex());
}

void frm_SetAlarm::showRowState(int n)
{
    const bool on = chkOn[n]->isChecked();
    chkOn[n]->setText(on ? QStringLiteral("On") : QStringLiteral("Off"));
    for (QWidget* control : {static_cast<QWidget*>(comFreq[n]), static_cast<QWidget*>(comDays[n]),
                             static_cast<QWidget*>(txtHr[n]), static_cast<QWidget*>(txtMin[n])})
        control->setEnabled(on);
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
    validateTimeBox(txtHr[n], HighestHour,
                    QStringLiteral("You must enter a number in the range 0-23"));
}

void frm_SetAlarm::txtMin_LostFocus(int n)
{
    validateTimeBox(txtMin[n], HighestMinute,
                    QStringLiteral("You must enter a number in the range 0-59"));
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
    box->setFocus();
    box->setSelection(0, int(box->text().size()));
    QMessageBox invalid(QMessageBox::Warning, QStringLiteral("Invalid entry"), message,
                        QMessageBox::Ok, this);
    invalid.exec();
}

void frm_SetAlarm::vscr_dur_Change()
{
    lbl_dur->setText(QString::number(vscr_dur->value()));
}

void frm_SetAlarm::cmd_save_Click()
{
    // The click took the focus from a box whose entry was just refused: that box is
    // corrected first.
    if (m_rejectedBox) {
        m_rejectedBox->setFocus();
        return;
    }
    m_alarmClock.saveSettings(m_slots, vscr_dur->value());
    // Hidden, not closed: the window stays made, its rows as saved.
    hide();
}
