#pragma once

#include "core/DateSerial.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QPushButton;

// "The time is now 07:30", with the alarm's name below it if it has one, above every other
// window until the user presses "Okay" or "Snooze", or closes it. Screen readers hear it as
// an alert. It takes the keyboard focus, so Return, Enter and Space press "Okay", S snoozes and
// Escape closes it; keys in its first second are ignored, since they were meant for the window
// the user was typing in.
class frm_alarm_notif : public QDialog
{
    Q_OBJECT

  public:
    static constexpr int KeyGuardMs = 1000;
    // The result it finishes with when snoozed; any other means the alarm was acknowledged.
    static constexpr int Snoozed = 2;

    frm_alarm_notif(DateSerial alarm, const QString& label, int snoozeMinutes);

    // The chosen sound could not be played: a line says so, below the buttons.
    void showSoundFailure();

    QLabel* lbl_txt;
    QLabel* lbl_time;
    QLabel* lbl_label;
    QPushButton* cmd_okay;
    QPushButton* cmd_snooze;
    QLabel* lbl_sound;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Places the lines that are shown, one under the other, and sizes the window to them.
    void layOut();
    void cmd_okay_Click();
    void cmd_snooze_Click();

    QElapsedTimer m_shown;
};
