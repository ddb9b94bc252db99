#pragma once

#include "alarm/AlarmSlot.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

// The alarm settings window. It stays loaded, hidden, for the whole run: it owns the
// fifteen slots and the duration, works out the next alarm, and its timers ring the alarms.
//
// Row n's controls are the n-th members of the control arrays; their objectNames are the
// array name and the index, "chkOn_3", "txtHr_14".
class frm_SetAlarm : public QWidget
{
    Q_OBJECT

public:
    frm_SetAlarm();

    void Form_Load();
    void Form_Unload();

    void LoadAlarmSlots();
    void SaveAlarmSlots();
    void RecalculateAlarmSlots();
    void ShowNextAlarm();
    void FillDayList(int n, int frequency);

    // The handlers of the two timers, called by their ticks.
    void timer_alarm_Timer();
    void timer_beep_Timer();
    // The notification's unload ends the beeping with this.
    void stopBeeping();

    const SlotTable& slotTable() const { return m_slots; }
    // The alarm the check watches: the soonest next alarm of all slots.
    DateSerial soonestAlarm = 0;
    int beepElapsed = 0;

    std::array<QCheckBox*, SlotCount> chkOn;
    std::array<QComboBox*, SlotCount> comFreq;
    std::array<QComboBox*, SlotCount> comDays;
    std::array<QLineEdit*, SlotCount> txtHr;
    std::array<QLineEdit*, SlotCount> txtMin;
    QGroupBox* fraAlarmSettings;
    QGroupBox* frm_duration;
    QLabel* lbl_dur;
    QScrollBar* vscr_dur;
    QPushButton* cmd_save;
    QTimer* timer_alarm;
    QTimer* timer_beep;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createRow(int n);
    void showRowState(int n);

    void chkOn_Click(int n);
    void comFreq_Click(int n);
    void txtHr_LostFocus(int n);
    void txtMin_LostFocus(int n);
    void vscr_dur_Change();
    void cmd_save_Click();

    void focusChanged(QWidget* old, QWidget* now);
    void validateTimeBox(QLineEdit* box, int highest, const QString& message);
    // Rings (or skips) the watched alarm, then moves every slot on.
    void fireAlarm(bool ring);

    QWidget* m_rows;
    SlotTable m_slots;
    // Set while an alarm is being notified: the check must not run inside its own wait.
    bool m_firing = false;
    // The hour or minute box whose entry was last rejected, until it is accepted.
    QLineEdit* m_rejectedBox = nullptr;
};
