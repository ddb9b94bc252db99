#include "alarm/frm_alarm_notif.h"

#include "alarm/AlarmNotice.h"

#include "alarm/frm_SetAlarm.h"
#include "core/Fonts.h"
#include "core/Form.h"
#include "core/MainWindowLink.h"
#include "core/TimeText.h"
#include "core/Twips.h"
#include "core/mod_alarm.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

frm_alarm_notif::frm_alarm_notif()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_alarm_notif"));
    setWindowTitle(QStringLiteral("Alarm Notification"));
    setFixedSize(twips(3165), twips(1590));

    lbl_txt = new QLabel(QStringLiteral("The time is now"), this);
    lbl_txt->setObjectName(QStringLiteral("lbl_txt"));
    lbl_txt->setGeometry(twipsRect(120, 240, 1935, 375));
    // The stand-ins for the classic face run wider: shrink the text rather than cut it.
    QFont font = sansFont(12, true);
    while (QFontMetrics(font).horizontalAdvance(lbl_txt->text()) > lbl_txt->width()
           && font.pointSizeF() > 8)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    lbl_txt->setFont(font);

    lbl_time = new QLabel(this);
    lbl_time->setObjectName(QStringLiteral("lbl_time"));
    lbl_time->setGeometry(twipsRect(2160, 240, 1215, 375));
    lbl_time->setFont(sansFont(12, true));
    QPalette blue = lbl_time->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lbl_time->setPalette(blue);

    cmd_okay = new QPushButton(QStringLiteral("Okay"), this);
    cmd_okay->setObjectName(QStringLiteral("cmd_okay"));
    cmd_okay->setGeometry(twipsRect(720, 840, 1695, 615));
    cmd_okay->setFont(sansFont(18));
    connect(cmd_okay, &QPushButton::clicked, this, &frm_alarm_notif::cmd_okay_Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frm_alarm_notif::Form_Load()
{
    mod_alarm::SetAlwaysOnTop(1, this);
    lbl_time->setText(shortTimeText(dateTimeFromSerial(mod_alarm::alarmDisplayTime).time()));
    AlarmNotice::instance().post(lbl_time->text());
}

void frm_alarm_notif::Form_Unload()
{
    Form<frm_SetAlarm>::get().stopBeeping();
    AlarmNotice::instance().withdraw();
}

void frm_alarm_notif::cmd_okay_Click()
{
    if (auto* link = MainWindowLink::instance())
        link->refreshTitle();
    mod_alarm::SetAlwaysOnTop(0, this);
    Form<frm_alarm_notif>::unload();
}
