#include "alarm/frmTimer.h"

#include "alarm/AlarmClock.h"
#include "core/CharacterLimit.h"
#include "core/Fonts.h"
#include "core/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace
{

constexpr double controlPoints = 8.25;

} // namespace

frmTimer::frmTimer(AlarmClock& alarmClock, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_alarmClock(alarmClock)
{
    setObjectName(QStringLiteral("frmTimer"));
    setWindowTitle(tr("Timer"));
    setFont(sansFont(controlPoints));
    setFixedSize(twips(4500), twips(2400));

    const auto addField = [this](const char* name, const QString& caption, int top, int width) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QLatin1String("lbl") + QLatin1String(name));
        label->setGeometry(twipsRect(180, top + 45, 1350, 300));
        auto* box = new QLineEdit(this);
        box->setObjectName(QLatin1String("txt") + QLatin1String(name));
        box->setGeometry(twipsRect(1560, top, width, 360));
        label->setBuddy(box);
        box->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        return std::pair{label, box};
    };
    std::tie(lblMinutes, txtMinutes) = addField("Minutes", tr("&Minutes"), 180, 900);
    std::tie(lblSeconds, txtSeconds) = addField("Seconds", tr("&Seconds"), 660, 900);
    std::tie(lblLabel, txtLabel) = addField("Label", tr("&Name"), 1140, 2760);
    txtMinutes->setValidator(new CharacterLimit(4, txtMinutes));
    txtSeconds->setValidator(new CharacterLimit(2, txtSeconds));
    for (QLineEdit* box : {txtMinutes, txtSeconds})
        box->setAlignment(Qt::AlignCenter);
    txtLabel->setValidator(new CharacterLimit(LongestAlarmLabel, txtLabel));
    txtLabel->setPlaceholderText(tr("Name"));

    const int length = m_alarmClock.lastTimerLength();
    txtMinutes->setText(QString::number(length / 60));
    txtSeconds->setText(QStringLiteral("%1").arg(length % 60, 2, 10, QLatin1Char('0')));
    txtMinutes->selectAll();
    txtMinutes->setFocus();

    cmdStart = new QPushButton(tr("Start"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setGeometry(twipsRect(1560, 1740, 1320, 450));
    cmdStart->setDefault(true);
    connect(cmdStart, &QPushButton::clicked, this, &frmTimer::cmdStart_Click);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(twipsRect(3000, 1740, 1320, 450));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTimer::cmdStart_Click()
{
    const auto length = timerLength(txtMinutes->text(), txtSeconds->text());
    if (!length) {
        QMessageBox invalid(QMessageBox::Warning, tr("Invalid entry"),
                            tr("Enter a length from 1 second to 24 hours: whole minutes, and "
                               "seconds from 0 to 59."),
                            QMessageBox::Ok, this);
        invalid.exec();
        txtMinutes->setFocus();
        txtMinutes->selectAll();
        return;
    }
    if (m_alarmClock.timer().isSet() &&
        QMessageBox::question(this, tr("Timer"), tr("A timer is already set. Replace it?")) !=
            QMessageBox::Yes)
        return;
    m_alarmClock.startTimer(*length, alarmLabel(txtLabel->text()));
    accept();
}
