#include "alarm/SoundChooser.h"

#include "alarm/AlarmClock.h"
#include "core/Fonts.h"
#include "core/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace
{

constexpr double controlPoints = 8.25;
constexpr int beepChoice = 0;
constexpr int fileChoice = 1;

} // namespace

SoundChooser::SoundChooser(AlarmClock& alarmClock, QWidget* parent)
    : QGroupBox(tr("Alarm sound"), parent), m_alarmClock(alarmClock)
{
    setObjectName(QStringLiteral("fraSound"));
    setFont(sansFont(controlPoints, true));
    // The controls take the regular face; the bold is for the frame's title.
    auto* controls = new QWidget(this);
    controls->setFont(sansFont(controlPoints));
    controls->setGeometry(twipsRect(0, 0, 2055, 1545));

    comSound = new QComboBox(controls);
    comSound->setObjectName(QStringLiteral("comSound"));
    comSound->setGeometry(twipsRect(120, 300, 1815, 315));
    comSound->addItem(tr("Beep"), QString());
    comSound->setAccessibleName(tr("Alarm sound"));
    comSound->setAccessibleDescription(comSound->accessibleName());

    cmdChooseSound = new QPushButton(tr("Choose…"), controls);
    cmdChooseSound->setObjectName(QStringLiteral("cmdChooseSound"));
    cmdChooseSound->setGeometry(twipsRect(120, 720, 870, 345));
    cmdChooseSound->setAccessibleName(tr("Choose a sound file"));
    cmdChooseSound->setAutoDefault(false);
    connect(cmdChooseSound, &QPushButton::clicked, this, &SoundChooser::cmdChooseSound_Click);

    cmdPlay = new QPushButton(tr("Play"), controls);
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdPlay->setGeometry(twipsRect(1065, 720, 870, 345));
    cmdPlay->setAccessibleName(tr("Play the alarm sound"));
    cmdPlay->setAutoDefault(false);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { m_alarmClock.playSample(soundFile()); });

    chkGentle = new QCheckBox(tr("Get louder"), controls);
    chkGentle->setObjectName(QStringLiteral("chkGentle"));
    chkGentle->setGeometry(twipsRect(120, 1170, 1815, 255));
    chkGentle->setToolTip(
        tr("The sound starts quiet and reaches full volume over the first half of the duration"));

    setTabOrder(comSound, cmdChooseSound);
    setTabOrder(cmdChooseSound, cmdPlay);
    setTabOrder(cmdPlay, chkGentle);
    connect(&m_alarmClock, &AlarmClock::sampleFailed, this, &SoundChooser::sampleFailed);
}

void SoundChooser::showChoice(const QString& soundFile, bool gentle)
{
    if (!soundFile.isEmpty())
        offerFile(soundFile);
    comSound->setCurrentIndex(soundFile.isEmpty() ? beepChoice : fileChoice);
    chkGentle->setChecked(gentle);
}

QString SoundChooser::soundFile() const
{
    return comSound->currentData().toString();
}

bool SoundChooser::gentle() const
{
    return chkGentle->isChecked();
}

void SoundChooser::offerFile(const QString& soundFile)
{
    if (comSound->count() == fileChoice)
        comSound->addItem(QString());
    comSound->setItemText(fileChoice, QFileInfo(soundFile).fileName());
    comSound->setItemData(fileChoice, soundFile);
    comSound->setItemData(fileChoice, soundFile, Qt::ToolTipRole);
}

void SoundChooser::cmdChooseSound_Click()
{
    const QString current = soundFile();
    const QString folder = current.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::MusicLocation)
                               : QFileInfo(current).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Choose an Alarm Sound"), folder,
        tr("Sound files (*.wav *.ogg *.oga *.flac *.mp3);;All files (*)"));
    if (chosen.isEmpty())
        return;
    offerFile(QFileInfo(chosen).absoluteFilePath());
    comSound->setCurrentIndex(fileChoice);
}

void SoundChooser::sampleFailed(const QString& soundFile)
{
    if (!isVisible())
        return;
    QMessageBox::warning(window(), tr("Alarm sound"),
                         tr("\"%1\" could not be played. Choose another sound file; until "
                            "then the alarms beep instead.")
                             .arg(QFileInfo(soundFile).fileName()));
}
