#pragma once

#include <QGroupBox>

class AlarmClock;
class QCheckBox;
class QComboBox;
class QPushButton;

// The sound of every alarm, in the alarm settings window: the beep or a sound file of the
// user's, a button that plays the choice to hear it, and whether it starts quiet.
class SoundChooser : public QGroupBox
{
    Q_OBJECT

  public:
    SoundChooser(AlarmClock& alarmClock, QWidget* parent);

    void showChoice(const QString& soundFile, bool gentle);
    // Empty for the beep.
    QString soundFile() const;
    bool gentle() const;

    QComboBox* comSound;
    QPushButton* cmdChooseSound;
    QPushButton* cmdPlay;
    QCheckBox* chkGentle;

  private:
    // The file becomes the second choice of the list, after the beep.
    void offerFile(const QString& soundFile);
    void cmdChooseSound_Click();
    void sampleFailed(const QString& soundFile);

    AlarmClock& m_alarmClock;
};
