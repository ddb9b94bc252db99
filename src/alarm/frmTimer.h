#pragma once

#include <QDialog>

class AlarmClock;
class QLabel;
class QLineEdit;
class QPushButton;

// "Ring in so many minutes": the minutes, focused and selected, and the seconds of the last
// length started, and a name if the user likes. Return starts it; a length that is not 1
// second to 24 hours is refused with a message, and a running timer is replaced only after
// asking. Escape leaves everything as it was.
class frmTimer : public QDialog
{
    Q_OBJECT

  public:
    // Made with the clock as `owner`, it is the clock's dialog, as the other windows are.
    explicit frmTimer(AlarmClock& alarmClock, QWidget* owner = nullptr);

    QLabel* lblMinutes;
    QLineEdit* txtMinutes;
    QLabel* lblSeconds;
    QLineEdit* txtSeconds;
    QLabel* lblLabel;
    QLineEdit* txtLabel;
    QPushButton* cmdStart;
    QPushButton* cmdCancel;

  private:
    void cmdStart_Click();

    AlarmClock& m_alarmClock;
};
