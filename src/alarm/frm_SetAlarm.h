#pragma once

#include "alarm/AlarmSlot.h"
#include "alarm/AlarmStore.h"
#include "core/EditorDialog.h"

#include <array>

class AlarmClock;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class SoundChooser;

// The alarm settings window: the fifteen alarm slots as rows to edit, each with its name and,
// while one is pending, its snooze; beside them what all alarms share, the duration, the
// snooze length and the sound.
// It edits a copy of the alarm clock's slots and hands it over on "Save Settings"; whenever
// the clock reads its slots again (after an alarm), the rows show them. Closing the window
// drops what was not saved.
//
// Row n's controls are the n-th members of the control arrays; their objectNames are the
// array name and the index, "chkOn_3", "txtHr_14".
class frm_SetAlarm : public EditorDialog
{
    Q_OBJECT

  public:
    // Made with the clock as `owner`, it is the clock's dialog: the desktop keeps it in front
    // of the clock, minimises it with the clock and brings it back with the clock.
    explicit frm_SetAlarm(AlarmClock& alarmClock, QWidget* owner = nullptr);
    ~frm_SetAlarm() override;

    // Restores the window's position and shows the clock's slots.
    void Form_Load();
    // Stores the window's position.
    void Form_Unload();

    void FillDayList(int n, int frequency);
    // The line on what this computer does for an alarm while the clock is closed.
    void showReach(const QString& text);

    // The rows or what all alarms share differ from the alarms as kept.
    bool hasUnsavedEdits() const;
    // Before the window goes with edits not saved, asks whether to keep them: Keep saves them
    // as "Save Settings" would, Discard drops them. False when the user would rather stay, or
    // when a time box refuses its entry.
    bool settleEdits();

    std::array<QCheckBox*, SlotCount> chkOn;
    std::array<QComboBox*, SlotCount> comFreq;
    std::array<QComboBox*, SlotCount> comDays;
    std::array<QLineEdit*, SlotCount> txtHr;
    std::array<QLineEdit*, SlotCount> txtMin;
    std::array<QLineEdit*, SlotCount> txtLabel;
    std::array<QLabel*, SlotCount> lblSnoozed;
    QGroupBox* fraAlarmSettings;
    QGroupBox* frm_duration;
    QLabel* lbl_dur;
    QScrollBar* vscr_dur;
    QCheckBox* chkUntilAnswered;
    QGroupBox* fra_snooze;
    QLabel* lbl_snooze;
    QScrollBar* vscr_snooze;
    SoundChooser* fraSound;
    QLabel* lblReach;
    QPushButton* cmd_save;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createRow(int n);
    void showRowState(int n);
    // The row's day list shows its record's choice, the chosen days or date in its last entry.
    void showDayChoice(int n);
    void showSlots();

    void chkOn_Click(int n);
    void comFreq_Click(int n);
    void comDays_Click(int n);
    // The user's choice of a day; the last entry opens the window that chooses days or a date.
    void comDays_Activated(int n);
    void txtHr_LostFocus(int n);
    void txtMin_LostFocus(int n);
    void cmd_save_Click();
    // False, and nothing saved, while a time box holds a refused entry.
    bool saveEdits();
    AlarmOptions shownOptions() const;

    void focusChanged(QWidget* old, QWidget* now);
    void validateTimeBox(QLineEdit* box, int highest, const QString& message);
    // Shows why the entry is refused, with the box focused and selected for correcting it.
    void refuseEntry(QLineEdit* box, const QString& message);

    AlarmClock& m_alarmClock;
    QWidget* m_rows;
    SlotTable m_slots;
    // The hour or minute box whose entry was last rejected, until it is accepted.
    QLineEdit* m_rejectedBox = nullptr;
};
