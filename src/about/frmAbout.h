#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The program's name, version, web address and change history. Every opening makes it
// anew; OK, Enter, Esc and the close button all close it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Made with the clock as `owner`, it is the clock's dialog: the desktop keeps it in front
    // of the clock, minimises it with the clock and brings it back with the clock.
    explicit frmAbout(QWidget* owner = nullptr);

    void Form_Load();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QGroupBox* fraUpdates;
    QPlainTextEdit* txtUpdates;
    QLabel* lblWebsite;
    QPushButton* cmdOK;

protected:
    void showEvent(QShowEvent* event) override;
};
