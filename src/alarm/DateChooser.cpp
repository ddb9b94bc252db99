#include "alarm/DateChooser.h"

#include "alarm/ChooserButtons.h"
#include "core/CalendarNames.h"

#include <QCalendarWidget>
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calDate);
    addChooserButtons(*this, *layout);
}

QDate DateChooser::date() const
{
    return calDate->selectedDate();
}
