#pragma once

#include <QDialog>

struct MissedAlarm;
class QListWidget;
class QPushButton;

// The alarms that passed while the clock could not ring them (the computer slept), a line
// each. It waits beside the clock without blocking it, and takes more lines until closed.
class frmMissedAlarms : public QDialog
{
    Q_OBJECT

  public:
    frmMissedAlarms();

    void addMissed(const QList<MissedAlarm>& alarms);

    QListWidget* lstMissed;
    QPushButton* cmdOK;
};
