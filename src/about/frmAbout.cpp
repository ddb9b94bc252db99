#include "about/frmAbout.h"

#include "about/ChangeHistory.h"
#include "core/AppInfo.h"
#include "core/Fonts.h"
#include "core/ScrollBarNames.h"
#include "core/Twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace
{

const QString webAddress = QStringLiteral("www.vintrel.example.org");

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(twips(7500), twips(5445));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRect(240, 240, 540, 540));
    picIcon->setPixmap(QApplication::windowIcon().pixmap(picIcon->size()));
    picIcon->setAccessibleName(tr("Program icon"));

    lblTitle = new QLabel(tr("Vintrel Clock and Alarm"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(twipsRect(1050, 240, 3885, 360));
    lblTitle->setFont(sansFont(12, true));

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(twipsRect(1080, 600, 3885, 345));
    lblVersion->setFont(sansFont(12, true));

    fraUpdates = new QGroupBox(tr("Updates"), this);
    fraUpdates->setObjectName(QStringLiteral("fraUpdates"));
    fraUpdates->setGeometry(twipsRect(120, 2280, 7335, 2655));
    fraUpdates->setFont(sansFont(9.75, true));

    txtUpdates = new QPlainTextEdit(fraUpdates);
    txtUpdates->setObjectName(QStringLiteral("txtUpdates"));
    txtUpdates->setGeometry(twipsRect(120, 360, 7095, 2175));
    // The window's default font, not the frame's bold one; setting each property keeps
    // the frame's font from being inherited.
    QFont plain = QApplication::font();
    plain.setFamily(plain.family());
    plain.setPointSizeF(plain.pointSizeF());
    plain.setBold(false);
    txtUpdates->setFont(plain);
    txtUpdates->setReadOnly(true);
    txtUpdates->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtUpdates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtUpdates->setAccessibleName(tr("Updates"));
    nameScrollBars(txtUpdates);

    lblWebsite = new QLabel(webAddress, this);
    lblWebsite->setObjectName(QStringLiteral("lblWebsite"));
    lblWebsite->setGeometry(twipsRect(1050, 5040, 4725, 360));
    lblWebsite->setFont(sansFont(12, true));
    lblWebsite->setAlignment(Qt::AlignCenter);
    // White on blue whatever the desktop's colours: the pair reads at 8.6:1.
    QPalette blue = lblWebsite->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    blue.setColor(QPalette::WindowText, Qt::white);
    lblWebsite->setPalette(blue);
    lblWebsite->setAutoFillBackground(true);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(6120, 5040, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(AppTitle));
    lblVersion->setText(versionText());
    txtUpdates->setPlainText(changeHistory());
}

void frmAbout::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    cmdOK->setFocus();
    QDialog::showEvent(event);
}
