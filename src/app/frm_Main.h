#pragma once

#include "core/MainWindowLink.h"

#include <QDate>
#include <QMainWindow>

class QCalendarWidget;
class QLabel;
class QTimer;

// The clock: the time in large digits, the next alarm under it in red, and a blue "N"
// while today has a note. Its title bar repeats the status line.
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

    QLabel* lblTime;
    QLabel* lblStatus;
    QLabel* lblNote;
    QTimer* Timer1;
    QCalendarWidget* Calendar1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lblNote_Click();

    // The date at the last tick; a different date means the day has changed.
    QDate CurrentDay;
};
