#include "alarm/frmMissedAlarms.h"

#include "alarm/AlarmClock.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmMissedAlarms::frmMissedAlarms(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmMissedAlarms"));
    setWindowTitle(tr("Missed Alarms"));
    setAttribute(Qt::WA_DeleteOnClose);

    lstMissed = new QListWidget(this);
    lstMissed->setObjectName(QStringLiteral("lstMissed"));
    lstMissed->setAccessibleName(windowTitle());
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstMissed);
    layout->addWidget(cmdOK);
    layout->setAlignment(cmdOK, Qt::AlignRight);
    resize(320, 180);
}

void frmMissedAlarms::addMissed(const QList<MissedAlarm>& alarms)
{
    for (const MissedAlarm& alarm : alarms)
        lstMissed->addItem(
            tr("Missed alarm: %1").arg(alarmDayTimeAndLabel(alarm.moment, alarm.label)));
}
