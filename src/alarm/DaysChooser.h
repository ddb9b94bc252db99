#pragma once

#include "alarm/AlarmSlot.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;

// The days a regular alarm rings on: the seven weekdays as check boxes, in the order the
// user's week runs. OK is refused while none is ticked; Escape leaves the alarm as it was.
class DaysChooser : public QDialog
{
    Q_OBJECT

  public:
    DaysChooser(const Weekdays& ticked, QWidget* parent);

    Weekdays days() const;

    // Weekday d's box is chkDay[d - 1], named "chkDay_d".
    std::array<QCheckBox*, 7> chkDay;
    QPushButton* cmdOK;
};
