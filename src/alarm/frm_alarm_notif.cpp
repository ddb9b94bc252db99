#include "alarm/frm_alarm_notif.h"

#include "alarm/Snooze.h"
#include "alarm/mod_alarm.h"
#include "core/Fonts.h"
#include "core/ReadableColour.h"
#include "core/TimeText.h"
#include "core/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace
{

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

const QSize plainSize(twips(3165), twips(1590));
// A long name widens the window up to this, and wraps beyond it.
constexpr int widestWindow = 640;
const QRect okayPlace = twipsRect(720, 840, 1695, 615);
const int lineGap = twips(90);
const int margin = twips(120);

} // namespace

frm_alarm_notif::frm_alarm_notif(DateSerial alarm, const QString& label, int snoozeMinutes)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    static const bool alertInstalled = [] {
        QAccessible::installFactory(alertFactory);
        return true;
    }();
    Q_UNUSED(alertInstalled);

    setObjectName(QStringLiteral("frm_alarm_notif"));
    setWindowTitle(tr("Alarm Notification"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    lbl_txt = new QLabel(tr("The time is now"), this);
    lbl_txt->setObjectName(QStringLiteral("lbl_txt"));
    lbl_txt->setGeometry(twipsRect(120, 240, 1935, 375));
    lbl_txt->setFont(fittedFont(sansFont(12, true), lbl_txt->text(), lbl_txt->width()));

    lbl_time = new QLabel(shortTimeText(wallClockOf(alarm).second), this);
    lbl_time->setObjectName(QStringLiteral("lbl_time"));
    lbl_time->setGeometry(twipsRect(2160, 240, 1215, 375));
    lbl_time->setFont(sansFont(12, true));
    colourText(lbl_time, QColor(0, 0, 255));

    lbl_label = new QLabel(label, this);
    lbl_label->setObjectName(QStringLiteral("lbl_label"));
    // Lines break between words only: a word too long for the widest window makes the face smaller.
    QString longestWord;
    for (const QString& word : label.split(QLatin1Char(' ')))
        longestWord = word.size() > longestWord.size() ? word : longestWord;
    lbl_label->setFont(fittedFont(sansFont(12, true), longestWord, widestWindow - 2 * margin, 7));
    lbl_label->setTextFormat(Qt::PlainText);
    lbl_label->setWordWrap(true);
    lbl_label->setVisible(!label.isEmpty());

    QString alert = lbl_txt->text() + QLatin1Char(' ') + lbl_time->text();
    if (!label.isEmpty())
        alert += QStringLiteral(". ") + label;
    setAccessibleDescription(alert);

    cmd_okay = new QPushButton(tr("Okay"), this);
    cmd_okay->setObjectName(QStringLiteral("cmd_okay"));
    cmd_okay->setFont(sansFont(18));
    connect(cmd_okay, &QPushButton::clicked, this, &frm_alarm_notif::cmd_okay_Click);

    const QString snooze = snoozeCaption(snoozeMinutes);
    cmd_snooze = new QPushButton(QLatin1Char('&') + snooze, this);
    cmd_snooze->setObjectName(QStringLiteral("cmd_snooze"));
    cmd_snooze->setFont(fittedFont(sansFont(12), snooze, okayPlace.width() - twips(240)));
    // Return on it still means "Okay", the alarm's answer that costs nothing later.
    cmd_snooze->setAutoDefault(false);
    connect(cmd_snooze, &QPushButton::clicked, this, &frm_alarm_notif::cmd_snooze_Click);

    lbl_sound = new QLabel(tr("The chosen sound could not be played."), this);
    lbl_sound->setObjectName(QStringLiteral("lbl_sound"));
    lbl_sound->setFont(
        fittedFont(sansFont(8), lbl_sound->text(), plainSize.width() - 2 * margin, 7));
    lbl_sound->setWordWrap(true);
    lbl_sound->hide();

    // The button with the focus gets every key first; the other may be reached by Tab.
    cmd_okay->installEventFilter(this);
    cmd_snooze->installEventFilter(this);

    layOut();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    mod_alarm::SetAlwaysOnTop(1, this);
}

void frm_alarm_notif::layOut()
{
    int width = plainSize.width();
    int shift = 0;
    if (lbl_label->isVisibleTo(this)) {
        const int natural = lbl_label->fontMetrics().horizontalAdvance(lbl_label->text());
        width = std::clamp(natural + 2 * margin, width, widestWindow);
        const int lineWidth = width - 2 * margin;
        const int height = lbl_label->heightForWidth(lineWidth);
        lbl_label->setGeometry(margin, lbl_txt->geometry().bottom() + 1 + lineGap, lineWidth,
                               height);
        shift = lineGap + height;
    }
    // The buttons keep their column in the middle of a widened window.
    const QPoint offset((width - plainSize.width()) / 2, shift);
    cmd_okay->setGeometry(okayPlace.translated(offset));
    cmd_snooze->setGeometry(QRect(cmd_okay->x(), cmd_okay->geometry().bottom() + 1 + margin,
                                  okayPlace.width(), twips(420)));
    int height = cmd_snooze->geometry().bottom() + 1 + margin;
    if (lbl_sound->isVisibleTo(this)) {
        const int lineWidth = width - 2 * margin;
        lbl_sound->setGeometry(margin, height - margin / 2, lineWidth,
                               lbl_sound->heightForWidth(lineWidth));
        height = lbl_sound->geometry().bottom() + 1 + margin;
    }
    setFixedSize(width, height);
}

void frm_alarm_notif::showSoundFailure()
{
    lbl_sound->show();
    layOut();
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
        // Alt+S is the button's own access key (the first letter of its caption in every
        // language); the letter alone snoozes as well.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QKeyCombination accessKey = QKeySequence::mnemonic(cmd_snooze->text())[0];
            if (key->key() == accessKey.key() && key->modifiers() == Qt::NoModifier) {
                cmd_snooze->click();
                return true;
            }
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

void frm_alarm_notif::cmd_snooze_Click()
{
    mod_alarm::SetAlwaysOnTop(0, this);
    done(Snoozed);
}
