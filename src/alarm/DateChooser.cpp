#include "alarm/DateChooser.h"

#include "core/CalendarNames.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

DateChooser::DateChooser(const QDate& shown, const QDate& today, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DateChooser"));
    setWindowTitle(tr("Alarm Date"));
    // The face of the settings window that opens it.
    setAttribute(Qt::WA_WindowPropagation);

    calDate = new QCalendarWidget(this);
    calDate->setObjectName(QStringLiteral("calDate"));
    calDate->setAccessibleName(tr("Alarm date"));
    nameCalendarControls(calDate);
    calDate->setMinimumDate(today);
    calDate->setSelectedDate(shown.isValid() ? shown : today);
    connect(calDate, &QCalendarWidget::activated, this, &QDialog::accept);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calDate);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    calDate->setFocus();
}

QDate DateChooser::date() const
{
    return calDate->selectedDate();
}
