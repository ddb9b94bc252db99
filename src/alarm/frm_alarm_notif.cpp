#include "alarm/frm_alarm_notif.h"

#include "alarm/mod_alarm.h"
#include "core/Fonts.h"
#include "core/TimeText.h"
#include "core/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

class AlertAccessible final : public QAccessibleWidget
{
public:
    explicit AlertAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::AlertMessage)
    {
    }
};

QAccessibleInterface* alertFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("frm_alarm_notif") && object && object->isWidgetType())
        return new AlertAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

frm_alarm_notif::frm_alarm_notif(DateSerial alarm)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    static const bool alertInstalled = [] {
        QAccessible::installFactory(alertFactory);
        return true;
    }();
    Q_UNUSED(alertInstalled);

    setObjectName(QStringLiteral("frm_alarm_notif"));
    setWindowTitle(QStringLiteral("Alarm Notification"));
    setFixedSize(twips(3165), twips(1590));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    lbl_txt = new QLabel(QStringLiteral("The time is now"), this);
    lbl_txt->setObjectName(QStringLiteral("lbl_txt"));
    lbl_txt->setGeometry(twipsRect(120, 240, 1935, 375));
    // The stand-ins for the classic face run wider: shrink the text rather than cut it.
    QFont font = sansFont(12, true);
    while (QFontMetrics(font).horizontalAdvance(lbl_txt->text()) > lbl_txt->width()
           && font.pointSizeF() > 8)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    lbl_txt->setFont(font);

    lbl_time = new QLabel(shortTimeText(wallClockOf(alarm).second), this);
    lbl_time->setObjectName(QStringLiteral("lbl_time"));
    lbl_time->setGeometry(twipsRect(2160, 240, 1215, 375));
    lbl_time->setFont(sansFont(12, true));
    QPalette blue = lbl_time->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lbl_time->setPalette(blue);
    setAccessibleDescription(lbl_txt->text() + QLatin1Char(' ') + lbl_time->text());

    cmd_okay = new QPushButton(QStringLiteral("Okay"), this);
    cmd_okay->setObjectName(QStringLiteral("cmd_okay"));
    cmd_okay->setGeometry(twipsRect(720, 840, 1695, 615));
    cmd_okay->setFont(sansFont(18));
    connect(cmd_okay, &QPushButton::clicked, this, &frm_alarm_notif::cmd_okay_Click);

    // The button holds the focus from the start, so every key comes to it first.
    cmd_okay->installEventFilter(this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    mod_alarm::SetAlwaysOnTop(1, this);
}

void frm_alarm_notif::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_shown.start();
    activateWindow();
    cmd_okay->setFocus();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool frm_alarm_notif::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        if (m_shown.isValid() && m_shown.elapsed() < KeyGuardMs) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frm_alarm_notif::cmd_okay_Click()
{
    mod_alarm::SetAlwaysOnTop(0, this);
    close();
}
