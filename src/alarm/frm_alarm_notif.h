#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// "The time is now 07:30" above every other window, until the user presses "Okay".
class frm_alarm_notif : public QWidget
{
    Q_OBJECT

public:
    frm_alarm_notif();

    void Form_Load();
    void Form_Unload();

    QLabel* lbl_txt;
    QLabel* lbl_time;
    QPushButton* cmd_okay;

private:
    void cmd_okay_Click();
};
