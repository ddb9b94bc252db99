#include "app/frm_Main.h"

#include "about/frmAbout.h"
#include "alarm/AlarmNotice.h"
#include "alarm/frmMissedAlarms.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "alarm/frmTimer.h"
#include "core/AppInfo.h"
#include "core/CalendarNames.h"
#include "core/Clock.h"
#include "core/Fonts.h"
#include "core/ReadableColour.h"
#include "core/TickSchedule.h"
#include "core/TimeText.h"
#include "core/Twips.h"
#include "desktop/AlarmHandOff.h"
#include "desktop/Autostart.h"
#include "notes/frmNotes.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPosition.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

namespace
{

const QString positionSection = QStringLiteral("Main");
constexpr int tickPeriod = 1000;
constexpr double statusPoints = 8;
// Outer sizes, frame, title bar and menu bar included.
const QSize calendarHiddenSize(twips(2715), twips(1665));
const QSize calendarShownSize(twips(4650), twips(4785));

void bringForward(QWidget* window)
{
    window->raise();
    window->activateWindow();
}

} // namespace

frm_Main::frm_Main(Beeper& beeper, AlarmNotice& notice, AlarmHandOff* handOff)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      m_notice(notice), m_handOff(handOff), m_alarmClock(beeper, notice)
{
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(AppTitle);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    createMenu();

    lblTime = new QLabel(client);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblTime->setGeometry(twipsRect(120, 120, 2415, 495));
    lblTime->setFont(sansFont(18));
    lblTime->setAlignment(Qt::AlignCenter);
    lblTime->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    lblStatus = new QLabel(client);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setGeometry(twipsRect(120, 720, 2415, 255));
    lblStatus->setFont(sansFont(statusPoints));
    lblStatus->setAlignment(Qt::AlignCenter);
    colourText(lblStatus, QColor(255, 0, 0));

    lblNote = new QLabel(QStringLiteral("N"), client);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setGeometry(twipsRect(2380, 290, 105, 200));
    lblNote->setFont(sansFont(8));
    colourText(lblNote, QColor(0, 0, 255));
    lblNote->setToolTip(tr("There are notes entered for today, click to open daily notes."));
    // The "N" alone says nothing to a screen reader; the note is its description.
    lblNote->setAccessibleName(tr("Notes for today"));
    lblNote->hide();
    lblNote->raise();
    lblNote->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tickPeriod);
    // A coarse timer may wake a few percent early or late, which would undo the alignment
    // to the wall clock.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &frm_Main::Timer1_Timer);

    m_outerSize = calendarHiddenSize;
    applyOuterSize();
    connectSubsystems();
}

void frm_Main::connectSubsystems()
{
    connect(&m_alarmClock, &AlarmClock::nextAlarmTextChanged, this, &frm_Main::showNextAlarm);
    connect(&m_alarmClock, &AlarmClock::ringingStarted, this, &frm_Main::showRinging);
    connect(&m_alarmClock, &AlarmClock::ringingSoundFailed, this, [this] {
        if (m_notification)
            m_notification->showSoundFailure();
    });
    m_notice.setAnswerHandler([this](const QString& action) { answerFromDesktop(action); });
    connect(&m_alarmClock, &AlarmClock::ringingEnded, this, &frm_Main::refreshTitle);
    connect(&m_alarmClock, &AlarmClock::alarmsMissed, this, &frm_Main::showMissed);
    connect(&m_notes, &DailyNotes::notesRead, this, &frm_Main::CheckIfNotesForToday);
    const auto reportSaveFailure = [] {
        reportUnsavedSettings(AppTitle, QApplication::activeWindow());
    };
    connect(&m_alarmClock, &AlarmClock::saveFailed, this, reportSaveFailure);
    connect(&m_notes, &DailyNotes::saveFailed, this, reportSaveFailure);
    if (m_handOff) {
        connect(&m_alarmClock, &AlarmClock::soonestMomentChanged, m_handOff, &AlarmHandOff::handOver);
        connect(m_handOff, &AlarmHandOff::changed, this, &frm_Main::showHandOff);
    }
    showHandOff();
}

void frm_Main::createMenu()
{
    mnuMenu = menuBar()->addMenu(tr("&Menu"));
    mnuMenu->setObjectName(QStringLiteral("mnuMenu"));
    const auto addItem = [this](const char* name, const QString& caption, const char* shortcut,
                                void (frm_Main::*handler)()) {
        QAction* item = mnuMenu->addAction(caption, this, handler);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(QKeySequence(QLatin1String(shortcut)));
        return item;
    };
    itmSetAlarm = addItem("itmSetAlarm", tr("Set &Alarm"), "Ctrl+A", &frm_Main::itmSetAlarm_Click);
    itmCancelSnooze =
        addItem("itmCancelSnooze", tr("&Cancel Snooze"), "", &frm_Main::itmCancelSnooze_Click);
    itmCancelSnooze->setVisible(false);
    itmTimer = addItem("itmTimer", tr("&Timer…"), "Ctrl+T", &frm_Main::itmTimer_Click);
    itmPauseTimer = addItem("itmPauseTimer", tr("&Pause Timer"), "", &frm_Main::itmPauseTimer_Click);
    itmCancelTimer = mnuMenu->addAction(tr("Cancel T&imer"), &m_alarmClock, &AlarmClock::cancelTimer);
    itmCancelTimer->setObjectName(QStringLiteral("itmCancelTimer"));
    for (QAction* item : {itmPauseTimer, itmCancelTimer})
        item->setVisible(false);
    itmDailyNotes =
        addItem("itmDailyNotes", tr("View Daily &Notes"), "Ctrl+N", &frm_Main::itmDailyNotes_Click);
    SepOne = mnuMenu->addSeparator();
    SepOne->setObjectName(QStringLiteral("SepOne"));
    itmShowCalendar = addItem("itmShowCalendar", tr("&Show Calendar"), "Ctrl+S",
                              &frm_Main::itmShowCalendar_Click);
    itmHideCalendar = addItem("itmHideCalendar", tr("&Hide Calendar"), "Ctrl+H",
                              &frm_Main::itmHideCalendar_Click);
    itmHideCalendar->setEnabled(false);
    SepTwo = mnuMenu->addSeparator();
    SepTwo->setObjectName(QStringLiteral("SepTwo"));
    itmStartAtLogin =
        mnuMenu->addAction(tr("Start at &Login"), this, &frm_Main::itmStartAtLogin_Click);
    itmStartAtLogin->setObjectName(QStringLiteral("itmStartAtLogin"));
    itmStartAtLogin->setCheckable(true);
    // The desktop's own settings may have switched it off since the menu was last open.
    connect(mnuMenu, &QMenu::aboutToShow, this,
            [this] { itmStartAtLogin->setChecked(Autostart::isEnabled(Autostart::entryPath())); });

    itmRingWhenClosed =
        mnuMenu->addAction(tr("&Ring When Closed"), this, &frm_Main::itmRingWhenClosed_Click);
    itmRingWhenClosed->setObjectName(QStringLiteral("itmRingWhenClosed"));
    itmRingWhenClosed->setCheckable(true);
    itmRingWhenClosed->setVisible(false);

    itmAbout = menuBar()->addAction(tr("About"), this, &frm_Main::itmAbout_Click);
    itmAbout->setObjectName(QStringLiteral("itmAbout"));
}

frm_Main::~frm_Main()
{
    m_notice.setAnswerHandler({});
    deleteWindows();
}

void frm_Main::deleteWindows()
{
    delete m_settingsWindow;
    delete m_notesWindow;
    delete m_notification;
    delete m_missedAlarms;
}

frm_SetAlarm* frm_Main::settingsWindow() const
{
    return m_settingsWindow;
}

frmNotes* frm_Main::notesWindow() const
{
    return m_notesWindow;
}

frm_alarm_notif* frm_Main::notification() const
{
    return m_notification;
}

frmMissedAlarms* frm_Main::missedAlarms() const
{
    return m_missedAlarms;
}

void frm_Main::Form_Load()
{
    // The first tick comes at once, and aims the next at the turn of the second.
    Timer1->start(0);
    CurrentDay = Clock::today();
    restoreWindowPosition(this, positionSection, 0, 0, true);
    m_alarmClock.start();
    m_notes.ReadNotes();
    if (m_notes.TodayHasNotes()) {
        QMessageBox::information(
            this, AppTitle,
            tr("There are notes entered for today (%1).")
                .arg(QLocale().toString(Clock::today(), QStringLiteral("dddd d MMMM"))));
    }
}

void frm_Main::Form_Unload()
{
    Timer1->stop();
    informOfClosing();
    if (m_settingsWindow)
        m_settingsWindow->Form_Unload();
    deleteWindows();
    saveWindowPosition(this, positionSection);
}

void frm_Main::informOfClosing()
{
    const QDateTime handedOver = m_handOff ? m_handOff->finish() : QDateTime();
    const QDateTime soonest = m_alarmClock.soonestMoment();
    if (!soonest.isValid())
        return;
    if (handedOver.isValid() && handedOver == soonest) {
        const QDateTime local = soonest.toLocalTime();
        m_notice.inform(tr("Alarm set"),
                        tr("The clock has been closed. It will start itself for the alarm on %1.")
                            .arg(soonest == dueMoment(m_alarmClock.soonestAlarm())
                                     ? m_alarmClock.soonestDayAndTime()
                                     : alarmDayAndTime(toDateSerial(local.date(), local.time()))));
    } else {
        m_notice.inform(tr("Alarms off"), tr("The clock has been closed. Its alarms will not "
                                             "ring until it is started again."));
    }
}

void frm_Main::closeEvent(QCloseEvent* event)
{
    if (!settleOpenEdits()) {
        event->ignore();
        return;
    }
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void frm_Main::Timer1_Timer()
{
    const QDateTime now = Clock::now();
    // Each tick aims at the next second afresh, so the ticks follow the wall clock when it
    // is set or slewed. A tick run by hand while the clock is stopped starts nothing.
    if (Timer1->isActive())
        Timer1->start(TickSchedule::msecsToNextTick(now.time(), tickPeriod));
    lblTime->setText(timeOfDayText(now.time()));
    refreshTitle();
    // The whole date, not the day of the month: a machine asleep for a month still notices.
    if (now.date() != CurrentDay) {
        CurrentDay = now.date();
        m_notes.ReadNotes();
    }
    m_alarmClock.check(now);
}

void frm_Main::bringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    bringForward(this);
}

void frm_Main::refreshTitle()
{
    setWindowTitle(isVisible() ? lblStatus->text() : AppTitle);
}

void frm_Main::CheckIfNotesForToday()
{
    lblNote->setVisible(m_notes.TodayHasNotes());
    if (m_notes.TodayHasNotes()) {
        const QString note = m_notes.todayText();
        // A tool tip that looks like markup is drawn as markup; a note is shown as typed.
        lblNote->setToolTip(
            Qt::mightBeRichText(note) ? Qt::convertFromPlainText(note, Qt::WhiteSpacePre) : note);
        lblNote->setAccessibleDescription(note);
    }
}

void frm_Main::showNextAlarm(const QString& text)
{
    lblStatus->setText(text);
    // Long weekday names need a smaller face than the line's to fit in some languages.
    lblStatus->setFont(fittedFont(sansFont(statusPoints), text, lblStatus->contentsRect().width(), 6.5));
    lblStatus->setToolTip(m_alarmClock.nextAlarmLabel());
    itmCancelSnooze->setVisible(m_alarmClock.soonestSnooze() != NoAlarmSentinel);
    const CountdownTimer& timer = m_alarmClock.timer();
    itmPauseTimer->setVisible(timer.isSet());
    itmPauseTimer->setText(timer.isPaused() ? tr("Resu&me Timer") : tr("&Pause Timer"));
    itmCancelTimer->setVisible(timer.isSet());
    refreshTitle();
}

void frm_Main::showHandOff()
{
    const AlarmHandOff::Reach reach = m_handOff ? m_handOff->reach() : AlarmHandOff::Reach::ClockOnly;
    if (m_handOff) {
        itmRingWhenClosed->setVisible(true);
        itmRingWhenClosed->setEnabled(m_handOff->managerAnswers());
        itmRingWhenClosed->setChecked(m_handOff->isChosen() && m_handOff->managerAnswers());
    }
    if (m_settingsWindow)
        m_settingsWindow->showReach(reachText(reach));
}

void frm_Main::showRinging(DateSerial alarm, const QString& label)
{
    m_notification = new frm_alarm_notif(alarm, label, m_alarmClock.options().snoozeMinutes);
    // However else it is closed, the alarm has been acknowledged.
    connect(m_notification, &QDialog::finished, &m_alarmClock, [this](int result) {
        if (result == frm_alarm_notif::Snoozed)
            m_alarmClock.snooze();
        else
            m_alarmClock.acknowledge();
    });
    m_notification->show();
}

void frm_Main::answerFromDesktop(const QString& action)
{
    if (!m_notification)
        return;
    if (action == QLatin1String("okay"))
        m_notification->cmd_okay->click();
    else if (action == QLatin1String("snooze"))
        m_notification->cmd_snooze->click();
    else if (action == QLatin1String("default"))
        bringForward(m_notification);
}

void frm_Main::showMissed(const QList<MissedAlarm>& alarms)
{
    if (!m_missedAlarms)
        m_missedAlarms = new frmMissedAlarms(this);
    m_missedAlarms->addMissed(alarms);
    m_missedAlarms->show();
}

frmNotes& frm_Main::notes()
{
    if (!m_notesWindow) {
        m_notesWindow = new frmNotes(m_notes, this);
        m_notesWindow->Form_Load();
    }
    return *m_notesWindow;
}

void frm_Main::itmSetAlarm_Click()
{
    if (!m_settingsWindow) {
        m_settingsWindow = new frm_SetAlarm(m_alarmClock, this);
        m_settingsWindow->Form_Load();
        showHandOff();
    }
    m_settingsWindow->exec();
}

void frm_Main::itmCancelSnooze_Click()
{
    m_alarmClock.cancelSnooze();
}

void frm_Main::itmTimer_Click()
{
    frmTimer window(m_alarmClock, this);
    window.exec();
}

void frm_Main::itmPauseTimer_Click()
{
    if (m_alarmClock.timer().isPaused())
        m_alarmClock.resumeTimer();
    else
        m_alarmClock.pauseTimer();
}

void frm_Main::itmDailyNotes_Click()
{
    // Already open beside the clock after a click on the "N": bring it forward instead.
    if (m_notesWindow && m_notesWindow->isVisible()) {
        bringForward(m_notesWindow);
    } else {
        notes().exec();
    }
}

void frm_Main::itmShowCalendar_Click()
{
    if (!Calendar1) {
        Calendar1 = new QCalendarWidget(centralWidget());
        Calendar1->setObjectName(QStringLiteral("Calendar1"));
        Calendar1->setGeometry(twipsRect(0, 1080, 4575, 3015));
        Calendar1->setAccessibleName(tr("Calendar"));
        nameCalendarControls(Calendar1);
    }
    Calendar1->setSelectedDate(Clock::today());
    Calendar1->setCurrentPage(Clock::today().year(), Clock::today().month());
    Calendar1->show();
    m_outerSize = calendarShownSize;
    applyOuterSize();
    itmHideCalendar->setEnabled(true);
    itmShowCalendar->setEnabled(false);
}

void frm_Main::itmHideCalendar_Click()
{
    if (Calendar1)
        Calendar1->hide();
    m_outerSize = calendarHiddenSize;
    applyOuterSize();
    itmHideCalendar->setEnabled(false);
    itmShowCalendar->setEnabled(true);
}

void frm_Main::itmAbout_Click()
{
    frmAbout about(this);
    about.Form_Load();
    about.exec();
}

void frm_Main::itmStartAtLogin_Click()
{
    const QString path = Autostart::entryPath();
    const bool wanted = itmStartAtLogin->isChecked();
    if (!Autostart::setEnabled(path, QCoreApplication::applicationFilePath(), wanted))
        QMessageBox::warning(this, AppTitle, Autostart::failureText(path, wanted));
    itmStartAtLogin->setChecked(Autostart::isEnabled(path));
}

void frm_Main::itmRingWhenClosed_Click()
{
    if (m_handOff)
        m_handOff->setChosen(itmRingWhenClosed->isChecked());
}

void frm_Main::applyOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(m_outerSize - frame);
}

bool frm_Main::event(QEvent* event)
{
    // The window manager's frame is known only once the window is on screen, and may
    // change with the theme; the outer size follows it.
    if (event->type() == QEvent::Show || event->type() == QEvent::Move)
        applyOuterSize();
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
        refreshTitle();
    return handled;
}

bool frm_Main::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblNote && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblNote_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frm_Main::lblNote_Click()
{
    frmNotes& window = notes();
    window.show();
    bringForward(&window);
}

bool frm_Main::settleOpenEdits()
{
    return (!m_notesWindow || m_notesWindow->settleNote()) &&
           (!m_settingsWindow || m_settingsWindow->settleEdits());
}
