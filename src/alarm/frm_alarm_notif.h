#pragma once

#include "core/DateSerial.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QPushButton;

// "The time is now 07:30" above every other window until the user presses "Okay" or closes
// it. Screen readers hear it as an alert. It takes the keyboard focus, so Return, Enter and
// Space press "Okay" and Escape closes it; keys in its first second are ignored, since they
// were meant for the window the user was typing in.
class frm_alarm_notif : public QDialog
{
    Q_OBJECT

public:
    static constexpr int KeyGuardMs = 1000;

    explicit frm_alarm_notif(DateSerial alarm);

    QLabel* lbl_txt;
    QLabel* lbl_time;
    QPushButton* cmd_okay;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmd_okay_Click();

    QElapsedTimer m_shown;
};
