#pragma once

#include "core/MainWindowLink.h"

#include <QDate>
#include <QMainWindow>

class QAction;
class QCalendarWidget;
class QLabel;
class QMenu;
class QTimer;

// The clock: the time in large digits, the next alarm under it in red, and a blue "N"
// while today has a note. Its title bar repeats the status line; its menu reaches every
// other window and unfolds a month calendar below the clock.
class frm_Main : public QMainWindow, public MainWindowLink
{
    Q_OBJECT

public:
    frm_Main();
    ~frm_Main() override;

    void Form_Load();
    void Form_Unload();

    void setStatusText(const QString& text) override;
    void refreshTitle() override;
    void CheckIfNotesForToday() override;

    void Timer1_Timer();

    // Shows the clock in front, also when minimised: another start of the program asked.
    void bringToFront();

    QLabel* lblTime;
    QLabel* lblStatus;
    QLabel* lblNote;
    QTimer* Timer1;
    // Made when first shown: the first month calendar of a run adds megabytes and
    // milliseconds to the start, and most runs never unfold it.
    QCalendarWidget* Calendar1 = nullptr;

    QMenu* mnuMenu;
    QAction* itmSetAlarm;
    QAction* itmDailyNotes;
    QAction* SepOne;
    QAction* itmShowCalendar;
    QAction* itmHideCalendar;
    QAction* SepTwo;
    QAction* itmStartAtLogin;
    QAction* itmAbout;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu();
    // Sizes the window so that its outer size, frame included, is `m_outerSize`.
    void applyOuterSize();

    void itmSetAlarm_Click();
    void itmDailyNotes_Click();
    void itmShowCalendar_Click();
    void itmHideCalendar_Click();
    void itmAbout_Click();
    void itmStartAtLogin_Click();
    void lblNote_Click();

    QSize m_outerSize;

    // The date at the last tick; a different date means the day has changed.
    QDate CurrentDay;
};
