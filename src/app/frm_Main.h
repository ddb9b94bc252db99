#pragma once

#include "alarm/AlarmClock.h"
#include "notes/DailyNotes.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

class AlarmHandOff;
class AlarmNotice;
class Beeper;
class QAction;
class QCalendarWidget;
class QLabel;
class QMenu;
class QTimer;
class frm_SetAlarm;
class frm_alarm_notif;
class frmMissedAlarms;
class frmNotes;

// The clock: the time in large digits, the next alarm under it in red, and a blue "N"
// while today has a note. Its title bar repeats the status line; its menu reaches every
// other window and unfolds a month calendar below the clock.
//
// It owns what the program keeps, the alarm clock and the daily notes, and the windows
// that show them, each made when first needed. Closing it ends the program.
class frm_Main : public QMainWindow
{
    Q_OBJECT

  public:
    // Without a hand-off, the alarms ring only while the clock runs.
    frm_Main(Beeper& beeper, AlarmNotice& notice, AlarmHandOff* handOff = nullptr);
    ~frm_Main() override;

    void Form_Load();
    void Form_Unload();

    // Once a second, just after the second turns: the face, the title, the day and the alarms.
    void Timer1_Timer();
    // Shows the "N", with today's note as its tool tip, while today has a note.
    void CheckIfNotesForToday();
    // Shows the clock in front, also when minimised: another start of the program asked.
    void bringToFront();

    AlarmClock& alarmClock() { return m_alarmClock; }
    DailyNotes& dailyNotes() { return m_notes; }
    // The other windows, while they exist.
    frm_SetAlarm* settingsWindow() const;
    frmNotes* notesWindow() const;
    frm_alarm_notif* notification() const;
    frmMissedAlarms* missedAlarms() const;

    QLabel* lblTime;
    QLabel* lblStatus;
    QLabel* lblNote;
    QTimer* Timer1;
    // Made when first shown: the first month calendar of a run adds megabytes and
    // milliseconds to the start, and most runs never unfold it.
    QCalendarWidget* Calendar1 = nullptr;

    QMenu* mnuMenu;
    QAction* itmSetAlarm;
    // Shown while a snooze is pending.
    QAction* itmCancelSnooze;
    QAction* itmTimer;
    // Shown while a timer is set: "Pause Timer" or "Resume Timer", and "Cancel Timer".
    QAction* itmPauseTimer;
    QAction* itmCancelTimer;
    QAction* itmDailyNotes;
    QAction* SepOne;
    QAction* itmShowCalendar;
    QAction* itmHideCalendar;
    QAction* SepTwo;
    QAction* itmStartAtLogin;
    QAction* itmRingWhenClosed;
    QAction* itmAbout;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createMenu();
    // Edits left open in the notes or the alarm settings, asked about once as the clock
    // closes, since those windows then go without a close of their own. False to stay open.
    bool settleOpenEdits();
    // Where the alarm clock and the notes meet the windows.
    void connectSubsystems();
    // Sizes the window so that its outer size, frame included, is `m_outerSize`.
    void applyOuterSize();
    // The title bar repeats the status line while the window is shown.
    void refreshTitle();
    // Gone without a close: a ringing alarm left unacknowledged is not moved on.
    void deleteWindows();
    void showRinging(DateSerial alarm, const QString& label);
    void showMissed(const QList<MissedAlarm>& alarms);
    void showNextAlarm(const QString& text);
    // The choice "Ring When Closed" and what it gives, in the menu and the settings window.
    void showHandOff();
    // What the closing notice says of the alarms.
    void informOfClosing();
    // An answer given in the desktop's notice, as if given in the notification window.
    void answerFromDesktop(const QString& action);
    frmNotes& notes();

    void itmSetAlarm_Click();
    void itmCancelSnooze_Click();
    void itmTimer_Click();
    void itmPauseTimer_Click();
    void itmDailyNotes_Click();
    void itmShowCalendar_Click();
    void itmHideCalendar_Click();
    void itmAbout_Click();
    void itmStartAtLogin_Click();
    void itmRingWhenClosed_Click();
    void lblNote_Click();

    AlarmNotice& m_notice;
    AlarmHandOff* m_handOff;
    AlarmClock m_alarmClock;
    DailyNotes m_notes;
    QPointer<frm_SetAlarm> m_settingsWindow;
    QPointer<frmNotes> m_notesWindow;
    QPointer<frm_alarm_notif> m_notification;
    QPointer<frmMissedAlarms> m_missedAlarms;

    QSize m_outerSize;
    // The date at the last tick; a different date means the day has changed.
    QDate CurrentDay;
};
