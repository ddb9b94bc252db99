#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;

// The date a one-off alarm rings on: a month calendar from `today` on, moved through by the
// keyboard as the clock's own calendar is; Return or a double click on a day chooses it.
class DateChooser : public QDialog
{
    Q_OBJECT

  public:
    DateChooser(const QDate& shown, const QDate& today, QWidget* parent);

    QDate date() const;

    QCalendarWidget* calDate;
};
