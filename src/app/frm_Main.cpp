#include "app/frm_Main.h"

#include "about/frmAbout.h"
#include "alarm/frm_SetAlarm.h"
#include "app/Autostart.h"
#include "core/AppInfo.h"
#include "core/Clock.h"
#include "core/Fonts.h"
#include "core/Form.h"
#include "core/TickSchedule.h"
#include "core/TimeText.h"
#include "core/Twips.h"
#include "core/mod_alarm.h"
#include "notes/frmNotes.h"
#include "settings/WindowPosition.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QMenuBar>
#include <QTimer>

namespace {

const QString positionSection = QStringLiteral("Main");
constexpr int tickPeriod = 500;
// Outer sizes, frame, title bar and menu bar included.
const QSize calendarHiddenSize(twips(2715), twips(1665));
const QSize calendarShownSize(twips(4650), twips(4785));

} // namespace

frm_Main::frm_Main()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                               | Qt::WindowCloseButtonHint)
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
    lblStatus->setFont(sansFont(8));
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));

    lblNote = new QLabel(QStringLiteral("N"), client);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setGeometry(twipsRect(2380, 290, 105, 200));
    lblNote->setFont(sansFont(8));
    lblNote->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    lblNote->setToolTip(
        QStringLiteral("There are notes entered for today, click to open daily notes."));
    lblNote->setAccessibleName(lblNote->toolTip());
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
}

void frm_Main::createMenu()
{
    mnuMenu = menuBar()->addMenu(QStringLiteral("&Menu"));
    mnuMenu->setObjectName(QStringLiteral("mnuMenu"));
    const auto addItem = [this](const char* name, const QString& caption, const char* shortcut,
                                void (frm_Main::*handler)()) {
        QAction* item = mnuMenu->addAction(caption, this, handler);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(QKeySequence(QLatin1String(shortcut)));
        return item;
    };
    itmSetAlarm = addItem("itmSetAlarm", QStringLiteral("Set &Alarm"), "Ctrl+A",
                          &frm_Main::itmSetAlarm_Click);
    itmDailyNotes = addItem("itmDailyNotes", QStringLiteral("View Daily &Notes"), "Ctrl+N",
                            &frm_Main::itmDailyNotes_Click);
    SepOne = mnuMenu->addSeparator();
    SepOne->setObjectName(QStringLiteral("SepOne"));
    itmShowCalendar = addItem("itmShowCalendar", QStringLiteral("&Show Calendar"), "Ctrl+S",
                              &frm_Main::itmShowCalendar_Click);
    itmHideCalendar = addItem("itmHideCalendar", QStringLiteral("&Hide Calendar"), "Ctrl+H",
                              &frm_Main::itmHideCalendar_Click);
    itmHideCalendar->setEnabled(false);
    SepTwo = mnuMenu->addSeparator();
    SepTwo->setObjectName(QStringLiteral("SepTwo"));
    itmStartAtLogin = mnuMenu->addAction(QStringLiteral("Start at &Login"), this,
                                         &frm_Main::itmStartAtLogin_Click);
    itmStartAtLogin->setObjectName(QStringLiteral("itmStartAtLogin"));
    itmStartAtLogin->setCheckable(true);
    // The desktop's own settings may have switched it off since the menu was last open.
    connect(mnuMenu, &QMenu::aboutToShow, this, [this] {
        itmStartAtLogin->setChecked(Autostart::isEnabled(Autostart::entryPath()));
    });

    itmAbout = menuBar()->addAction(QStringLiteral("About"), this, &frm_Main::itmAbout_Click);
    itmAbout->setObjectName(QStringLiteral("itmAbout"));
}

frm_Main::~frm_Main()
{
    if (MainWindowLink::instance() == this)
        MainWindowLink::setInstance(nullptr);
}

void frm_Main::Form_Load()
{
    MainWindowLink::setInstance(this);
    Timer1->start(TickSchedule::msecsToNextTick(Clock::now().time(), tickPeriod));
    CurrentDay = Clock::today();
    restoreWindowPosition(this, positionSection, 0, 0, true);
    mod_alarm::TodayHasNotes = false;
    Form<frm_SetAlarm>::load();

    Form<frmNotes>::load();
    CheckIfNotesForToday();
    if (mod_alarm::TodayHasNotes) {
        QMessageBox::information(
            this, AppTitle,
            QStringLiteral("There are notes entered for today (%1).")
                .arg(QLocale().toString(Clock::today(), QStringLiteral("dddd d MMMM"))));
    }
}

void frm_Main::Form_Unload()
{
    Timer1->stop();
    Form<frm_SetAlarm>::unload();
    Form<frmNotes>::unload();
    saveWindowPosition(this, positionSection);
}

void frm_Main::Timer1_Timer()
{
    const QDateTime now = Clock::now();
    // Each tick aims at the next half second afresh, so the ticks follow the wall clock
    // when it is set or slewed. A tick run by hand while the clock is stopped starts nothing.
    if (Timer1->isActive())
        Timer1->start(TickSchedule::msecsToNextTick(now.time(), tickPeriod));
    lblTime->setText(timeOfDayText(now.time()));
    refreshTitle();
    // The whole date, not the day of the month: a machine asleep for a month still notices.
    if (now.date() != CurrentDay) {
        frmNotes& notes = Form<frmNotes>::get();
        // What is being typed in the notes window is never replaced: the new day waits
        // until Add or Edit mode has ended, and a later tick takes it up.
        if (!notes.isEditing()) {
            notes.ReadNotes();
            notes.PopulateComDate();
            notes.PopulateTxtNotes();
            CurrentDay = now.date();
        }
    }
}

void frm_Main::bringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void frm_Main::setStatusText(const QString& text)
{
    lblStatus->setText(text);
}

void frm_Main::refreshTitle()
{
    setWindowTitle(isVisible() ? lblStatus->text() : AppTitle);
}

void frm_Main::CheckIfNotesForToday()
{
    lblNote->setVisible(mod_alarm::TodayHasNotes);
    if (mod_alarm::TodayHasNotes) {
        const QString note = Form<frmNotes>::get().txtNotes->toPlainText();
        // A tool tip that looks like markup is drawn as markup; a note is shown as typed.
        lblNote->setToolTip(Qt::mightBeRichText(note)
                                ? Qt::convertFromPlainText(note, Qt::WhiteSpacePre)
                                : note);
        // The "N" alone says nothing to a screen reader; the note does.
        lblNote->setAccessibleName(note);
    }
}

void frm_Main::itmSetAlarm_Click()
{
    Form<frm_SetAlarm>::showModal();
}

void frm_Main::itmDailyNotes_Click()
{
    // Already open beside the clock after a click on the "N": bring it forward instead.
    if (Form<frmNotes>::isLoaded() && Form<frmNotes>::get().isVisible())
        Form<frmNotes>::showModeless();
    else
        Form<frmNotes>::showModal();
}

void frm_Main::itmShowCalendar_Click()
{
    if (!Calendar1) {
        Calendar1 = new QCalendarWidget(centralWidget());
        Calendar1->setObjectName(QStringLiteral("Calendar1"));
        Calendar1->setGeometry(twipsRect(0, 1080, 4575, 3015));
        Calendar1->setAccessibleName(QStringLiteral("Calendar"));
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
    Form<frmAbout>::showModal();
}

void frm_Main::itmStartAtLogin_Click()
{
    const QString path = Autostart::entryPath();
    const bool wanted = itmStartAtLogin->isChecked();
    if (!Autostart::setEnabled(path, QCoreApplication::applicationFilePath(), wanted))
        QMessageBox::warning(this, AppTitle, Autostart::failureText(path, wanted));
    itmStartAtLogin->setChecked(Autostart::isEnabled(path));
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
    return QMainWindow::event(event);
}

bool frm_Main::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblNote && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblNote_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frm_Main::lblNote_Click()
{
    Form<frmNotes>::showModeless();
}
