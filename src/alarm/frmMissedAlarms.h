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
    // Made with the clock as `owner`, it is the clock's dialog: the desktop keeps it in front
    // of the clock, minimises it with the clock and brings it back with the clock.
    explicit frmMissedAlarms(QWidget* owner = nullptr);

    void addMissed(const QList<MissedAlarm>& alarms);

    QListWidget* lstMissed;
    QPushButton* cmdOK;
};
