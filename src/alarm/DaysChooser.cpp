#include "alarm/DaysChooser.h"

#include "alarm/ChooserButtons.h"
#include "alarm/DayTexts.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

DaysChooser::DaysChooser(const Weekdays& ticked, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DaysChooser"));
    setWindowTitle(tr("Chosen Days"));
    // The face of the settings window that opens it.
    setAttribute(Qt::WA_WindowPropagation);
    auto* layout = new QVBoxLayout(this);
    const QList<DayEntry> names = dayList(Frequency::OnceOnly);
    for (int day : weekOrder()) {
        QCheckBox*& box = chkDay[day - 1];
        box = new QCheckBox(names[day - 1].text, this);
        box->setObjectName(QStringLiteral("chkDay_%1").arg(day));
        box->setChecked(ticked.test(day - 1));
        layout->addWidget(box);
    }
    cmdOK = addChooserButtons(*this, *layout);
    const auto refuseNone = [this] { cmdOK->setEnabled(days().any()); };
    for (QCheckBox* box : chkDay)
        connect(box, &QCheckBox::toggled, this, refuseNone);
    refuseNone();
}

Weekdays DaysChooser::days() const
{
    Weekdays days;
    for (int day = 0; day < 7; ++day)
        days.set(day, chkDay[day]->isChecked());
    return days;
}
