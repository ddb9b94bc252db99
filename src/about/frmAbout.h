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
    frmAbout();

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
