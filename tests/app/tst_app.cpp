#include "about/frmAbout.h"
#include "alarm/DateChooser.h"
#include "alarm/DaysChooser.h"
#include "alarm/frmMissedAlarms.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "alarm/frmTimer.h"
#include "app/CommandLine.h"
#include "app/QtPlatform.h"
#include "app/Translations.h"
#include "app/WindowIcon.h"
#include "app/frm_Main.h"
#include "core/ReadableColour.h"
#include "core/TickSchedule.h"
#include "desktop/AlarmHandOff.h"
#include "mock/MockClock.h"
#include "notes/frmNotes.h"
#include "support/AlarmRecorder.h"
#include "support/TempSettings.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

// Settled before the first window: the command line, the one copy that runs, the Qt platform, the
// icon, the entry that starts it at login; then the main window (its frame is in tests/e2e).
class TestApp : public QObject
{
    Q_OBJECT

    // What the About window shows, read while it is open.
    static QString about(frmAbout* about)
    {
        const QStringList history = about->txtUpdates->toPlainText().split("\n\n");
        const QFont title = about->lblTitle->font();
        const QPoint centre = QApplication::primaryScreen()->availableGeometry().center();
        return QStringList{about->windowTitle(), about->lblVersion->text(), QString::number(history.size()),
                           history.first(), history.last()}.join('|')
            + (about->txtUpdates->isReadOnly() && !about->txtUpdates->font().bold() ? " read-only" : "")
            + (about->txtUpdates->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? " scrolls" : "")
            + (title.bold() && title.pointSizeF() == 12 && title.styleHint() == QFont::SansSerif ? " title" : "")
            + (about->focusWidget() == about->cmdOK ? " OK" : "")
            + (about->lblWebsite->palette().color(QPalette::WindowText) == Qt::white && about->lblWebsite->autoFillBackground()
               && about->lblWebsite->palette().color(QPalette::Window) == QColor(0, 0, 255) ? " white-on-blue" : "")
            + ((about->geometry().center() - centre).manhattanLength() <= 8 ? " centred" : "");
    }

    // The controls under `node` that a screen reader would find without a name, shown or not
    // yet, by their path. Drop-down lists and menus are windows of their own, read through
    // the control that opens them; panes and the menu bar only hold named controls.
    static QStringList unnamed(QAccessibleInterface* node, const QString& path, QWidget* window)
    {
        QStringList found;
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            auto* widget = qobject_cast<QWidget*>(child->object());
            if (widget && widget->window() != window)
                continue;
            const QString where = path + '/' + (widget ? widget->metaObject()->className() + ('#' + widget->objectName()) : "item");
            // A label that is hidden gets its text, and so its name, when it is shown.
            const bool hiddenLabel = child->role() == QAccessible::StaticText && widget && !widget->isVisibleTo(window);
            if (child->text(QAccessible::Name).isEmpty() && child->role() != QAccessible::Client && child->role() != QAccessible::MenuBar
                && !hiddenLabel)
                found << where;
            found << unnamed(child, where, window);
        }
        return found;
    }

    // The texts of `window` wider than the room their controls draw them in, or taller where
    // they wrap; a drop-down list's entries each.
    static QStringList clipped(QWidget* window)
    {
        QStringList found;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QStyle* style = widget->style();
            QStringList texts;
            int room = widget->width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4; // a frame's edges
            auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                found << label->objectName() + " wraps below its foot: " + label->text();
            if (label && !label->wordWrap()) {
                texts << label->text();
                room = label->contentsRect().width();
            }
            if (auto* box = qobject_cast<QCheckBox*>(widget))
                room = box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts << button->text();
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                texts << frame->title();
            if (auto* list = qobject_cast<QComboBox*>(widget)) {
                QStyleOptionComboBox option;
                option.initFrom(list);
                room = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
                for (int i = 0; i < list->count(); ++i)
                    texts << list->itemText(i);
            }
            if (auto* bar = qobject_cast<QMenuBar*>(widget); bar && bar->sizeHint().width() > bar->width())
                found << "the menu bar";
            for (const QString& text : texts) {
                const int width = widget->fontMetrics().horizontalAdvance(QString(text).remove(QRegularExpression("&(?!&)")));
                if (width > room && widget->isVisibleTo(window))
                    found << QString("%1: %2 (%3 px, room %4)").arg(widget->objectName(), text).arg(width).arg(room);
            }
        }
        return found;
    }

private Q_SLOTS:
    void commandLine()
    {
        // The exit status (-1: the clock starts), and how what is printed begins.
        const QList<std::tuple<QStringList, int, QString>> cases{
            {{}, -1, ""},
            {{"-platform", "xcb", "-session", "1a2b", "--display=:1", "-style=fusion", "-reverse"}, -1, ""},
            {{"--version"}, 0, "vintrel-clock 3.0.1\n"},
            {{"-h", "-platform", "xcb"}, 0, "Usage: "},
            {{"--alarm"}, 1, "Unknown option 'alarm'."},
            {{"07:30"}, 1, "Unexpected argument '07:30'."},
            {{"-platform"}, 1, "Missing value after '-platform'."}};
        for (const auto& [arguments, exitCode, printed] : cases) {
            const auto outcome = parseCommandLine(QStringList{"/usr/bin/vintrel-clock"} + arguments, "3.0.1");
            QCOMPARE(outcome.exitCode.value_or(-1), exitCode);
            QVERIFY((exitCode == 1 ? outcome.err : outcome.out).startsWith(printed) || printed.isEmpty());
            QCOMPARE(outcome.err.isEmpty(), exitCode != 1);
            QCOMPARE(outcome.out.isEmpty(), exitCode != 0);
        }
    }

    // X11 keeps window positions and always-on-top: chosen over Wayland when XWayland is
    // there, unless the user chose. QT_QPA_PLATFORM|XDG_SESSION_TYPE|WAYLAND_DISPLAY|DISPLAY:
    void platformChoice()
    {
        for (const auto& [env, expected] : {std::pair{"|wayland|wayland-0|:0", "xcb"},
                                            {"||wayland-0|:1", "xcb"}, {"|wayland|wayland-0|", ""},
                                            {"wayland|wayland|wayland-0|:0", ""}, {"|x11||:0", ""}}) {
            const QByteArrayList e = QByteArray(env).split('|');
            QCOMPARE(preferredQtPlatform(e[0], e[1], e[2], e[3]), QByteArray(expected));
        }
        qunsetenv("QT_QPA_PLATFORM");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        qputenv("DISPLAY", ":0");
        prepareQtPlatform();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM") + ' ' + qgetenv("QT_XCB_NO_MITSHM"), "xcb 1");
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeMenuBar)); // the menu stays in the window
    }

    // Catches pixel files left behind by a change to the artwork, or read in the wrong order.
    void everyIconSizeShowsTheScalableArtwork()
    {
        const QIcon scalable(QFINDTESTDATA("../../resources/vintrel-clock.svg"));
        for (int size : {16, 32, 48, 64}) {
            QVERIFY(windowIcon().availableSizes().contains(QSize(size, size)));
            QCOMPARE(windowIcon().pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888),
                     scalable.pixmap(size).toImage().convertToFormat(QImage::Format_RGBA8888));
        }
    }

    // Every text of the program has a finished translation in every language: lupdate reads the
    // sources into a copy of the translations, where a text it adds, or one left unfinished, shows.
    void everyTextIsTranslated()
    {
        QTemporaryDir copy;
        QStringList files, unfinished;
        for (const QFileInfo& translation : QDir(VINTREL_SOURCE_DIR "/translations").entryInfoList({"*.ts"})) {
            files << copy.filePath(translation.fileName());
            QVERIFY(QFile::copy(translation.filePath(), files.last()));
        }
        QCOMPARE(QProcess::execute(VINTREL_LUPDATE, QStringList{"-silent", "-locations", "none", "-no-obsolete", VINTREL_SOURCE_DIR "/src", "-ts"} + files), 0);
        static const QRegularExpression untranslated("<source>([^<]*)</source>\\s*<translation type=\"unfinished\"");
        for (const QString& file : files) {
            QFile ts(file);
            QVERIFY(ts.open(QIODevice::ReadOnly));
            for (const QRegularExpressionMatch& match : untranslated.globalMatch(QString::fromUtf8(ts.readAll())))
                unfinished << QFileInfo(file).fileName() + ": " + match.captured(1);
        }
        QVERIFY2(files.size() == 8 && unfinished.isEmpty(), qPrintable(unfinished.join('\n')));
    }

    void everyWindowInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "cs", "de", "es", "fr", "it", "nl", "pl", "pt_BR"})
            QTest::newRow(language) << language;
    }

    // Every window, with a named alarm ringing (a daily 07:30 slept through on Monday, so also
    // missed), one snoozed and the calendar shown: a screen reader finds a name for every
    // control, and every text fits its control.
    void everyWindowInEveryLanguage()
    {
        QFETCH(QString, language);
        // The first of the desktop's languages that the clock speaks, or none from English on;
        // a language unknown to Qt is passed over.
        QCOMPARE(installTranslations(*qApp, {"xx", language, "de"}), language == "en" ? "" : language);
        // Qt's own buttons come from Qt's translations.
        QCOMPARE(QMessageBox(QMessageBox::Question, {}, {}, QMessageBox::Yes).button(QMessageBox::Yes)->text() == "&Yes", language == "en");
        QLocale::setDefault(QLocale(language));
        const auto english = qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator*>()); QLocale::setDefault(QLocale::system()); });
        TempSettings settings;
        // Rows 2 to 5 with the widest chosen days in some language, 6 and 7 with wide dates.
        settings.writeFile(QString("[AlarmSetting]\ndur=5\nchkOn%200=1\ncomFreq%200=1\ncomDays%200=8\ntxtHr%200=07\ntxtMin%200=30\n"
                                   "label%200=Pills\nchkOn%201=1\ncomFreq%201=1\ncomDays%201=9\nsnoozeUntil%201=46364.3194444444\n"
                                   "comFreq%202=1\ndays%202=1467\ncomFreq%203=1\ncomDays%203=1\ndays%203=2367\n"
                                   "comFreq%204=1\ndays%204=1367\ncomFreq%205=1\ndays%205=12357\n"
                                   "comDays%206=2\ndate%206=%1\ncomDays%207=6\ndate%207=%2\n")
                               .arg(toDateSerial(QDate(2027, 9, 22))).arg(toDateSerial(QDate(2027, 3, 14))).toUtf8());
        MockClock clock(2026, 12, 7, 7, 0, 0);
        AlarmRecorder seen;
        frm_Main main(seen, seen);
        main.Form_Load();
        for (const QDateTime& moment : {QDateTime(QDate(2026, 12, 7), QTime(8, 0)), QDateTime(QDate(2026, 12, 8), QTime(7, 30))}) {
            clock.set(moment);
            main.Timer1_Timer();
        }
        QVERIFY(main.notification() && main.missedAlarms());
        QCOMPARE(main.itmSetAlarm->text() == "Set &Alarm", language == "en");
        main.notification()->showSoundFailure();
        frm_SetAlarm alarms(main.alarmClock());
        alarms.Form_Load();
        QVERIFY(alarms.lblSnoozed[1]->isVisibleTo(&alarms));
        alarms.showReach(reachText(AlarmHandOff::Reach::WhileOn));
        frmNotes notes(main.dailyNotes());
        notes.Form_Load();
        QCOMPARE(alarms.comDays[5]->currentText() + alarms.comDays[7]->currentText() == "All but Thu, SatSun 14 Mar 2027", language == "en");
        frmAbout about;
        about.Form_Load();
        frmTimer timer(main.alarmClock());
        DaysChooser days(Weekdays(), &alarms);
        QVERIFY(!days.cmdOK->isEnabled()); // none ticked
        DateChooser date(QDate(2027, 9, 22), QDate(2026, 12, 7), &alarms);
        for (QWidget* window : std::initializer_list<QWidget*>{&main, &alarms, &notes, &about, &timer, &days, &date})
            window->show();
        QStringList found;
        for (QWidget* window : std::initializer_list<QWidget*>{&main, &alarms, &notes, &about, &timer, &days, main.notification(), main.missedAlarms()})
            found << unnamed(QAccessible::queryAccessibleInterface(window), window->objectName(), window) << clipped(window);
        main.itmShowCalendar->trigger(); // Qt's own, with the month's name
        QStringList calendar = unnamed(QAccessible::queryAccessibleInterface(main.Calendar1), "Calendar1", &main)
            + unnamed(QAccessible::queryAccessibleInterface(&date), "DateChooser", &date) + clipped(&date);
        // Qt's table of days has an empty corner cell and a hidden header row.
        calendar.removeIf([](const QString& path) { return path.endsWith("qt_calendar_calendarview/item"); });
        found << clipped(&main) << calendar;
        for (auto reach : {AlarmHandOff::Reach::Wakes, AlarmHandOff::Reach::ClockOnly}) {
            alarms.showReach(reachText(reach));
            found << clipped(&alarms);
        }
        Q_EMIT main.alarmClock().nextAlarmTextChanged(countdownText(LongestTimerSeconds - 1, true));
        found << clipped(&main);
        // The status line with each weekday, and named by date on every weekday of every month.
        for (int day = 0; day < 84; ++day) {
            const DateSerial alarm = toDateSerial(QDate(2027, day / 7 + 1, 20 + day % 7), QTime(23, 59));
            for (DayNaming naming : {DayNaming::Weekday, DayNaming::Date}) {
                Q_EMIT main.alarmClock().nextAlarmTextChanged(nextAlarmStatusText(alarm, naming));
                found << clipped(&main);
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join("\n")));
    }

    // Under the light palette, then a dark one taken while the windows are open: every label
    // reads at 4.5:1 against what it is drawn on. The status line stays red, the "N" and the
    // alarm's time blue, each no further from its colour than it must be.
    void everyTextReadsOnALightAndADarkDesktop()
    {
        TempSettings settings;
        settings.writeFile("[AlarmSetting]\nchkOn%200=1\ncomFreq%200=1\ncomDays%200=8\ntxtHr%200=07\ntxtMin%200=30\n");
        MockClock clock(2026, 12, 7, 7, 29, 59);
        AlarmRecorder seen;
        frm_Main main(seen, seen);
        main.Form_Load();
        clock.advanceSeconds(1);
        main.Timer1_Timer();
        frm_SetAlarm alarms(main.alarmClock());
        alarms.Form_Load();
        frmNotes notes(main.dailyNotes());
        notes.Form_Load();
        frmAbout about;
        about.Form_Load();
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(0xe0, 0xe0, 0xe0), QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Window, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
        const auto colour = [](QLabel* label) { return label->palette().color(label->foregroundRole()); };
        for (const QPalette& palette : {light, dark}) {
            QApplication::setPalette(palette);
            QCoreApplication::processEvents(); // the windows take the new colours from posted events
            QStringList faint;
            for (QWidget* window : std::initializer_list<QWidget*>{&main, &alarms, &notes, &about, main.notification()}) {
                for (QLabel* label : window->findChildren<QLabel*>()) {
                    QWidget* under = label;
                    while (!under->autoFillBackground() && !under->isWindow())
                        under = under->parentWidget();
                    const double ratio = contrastRatio(colour(label), under->palette().color(under->backgroundRole()));
                    if (ratio < MinimumTextContrast && !label->text().isEmpty())
                        faint << QString("%1: %2").arg(label->objectName()).arg(ratio);
                }
            }
            QVERIFY2(faint.isEmpty(), qPrintable(faint.join(", ")));
            const QColor background = palette.color(QPalette::Window);
            for (const auto& [label, hue] : {std::pair{main.lblStatus, 0}, {main.lblNote, 240}, {main.notification()->lbl_time, 240}}) {
                QCOMPARE(colour(label).hsvHue(), hue);
                const double ratio = contrastRatio(colour(label), background);
                QVERIFY2(colour(label) == QColor::fromHsv(hue, 255, 255).toRgb() || ratio < 4.6, qPrintable(label->objectName() + ": " + QString::number(ratio)));
            }
        }
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(readableShade(Qt::white, Qt::white), QColor(0x76, 0x76, 0x76)); // the lightest grey that reads on white
    }

    // The window opens where it was left, but never above or left of the screen. One tick a
    // second, just after the second turns, shows the time; the title bar repeats the status
    // line once the window is shown. The settings, notes and About windows are the clock's
    // dialogs, with no minimise button. While one is open, the clock's shortcuts wait and its
    // time still turns; then they unfold the calendar.
    void aMorningWithTheClock()
    {
        TempSettings settings;
        settings.writeFile("[Main]\ntop=-30\nleft=-15\n[SetAlarm]\ntop=-150\nleft=-75\n");
        MockClock clock(2026, 12, 7, 7, 29, 59);
        AlarmRecorder seen;
        {
            frm_Main main(seen, seen);
            main.Form_Load();
            QCOMPARE(main.pos(), QPoint(0, 0));
            QCOMPARE(main.windowTitle(), "Vintrel Clock & Alarm");
            main.show();
            QCOMPARE(main.windowTitle(), "Alarm is OFF");
            clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 30, 0, 40)));
            main.Timer1_Timer();
            QCOMPARE(main.Timer1->interval(), 960 + TickSchedule::Margin);
            QCOMPARE(main.lblTime->text().replace(QChar(0x202f), u' '), "7:30:00 AM");
            QCOMPARE(main.lblTime->font().pointSizeF(), 18.0);
            QString aboutSeen, dialogs;
            for (QAction* item : {main.itmSetAlarm, main.itmDailyNotes, main.itmAbout}) {
                main.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&main));
                QWidget* modal = nullptr;
                QTimer::singleShot(0, &main, [&] {
                    modal = QApplication::activeModalWidget();
                    const bool ownDialog = modal->windowType() == Qt::Dialog && !(modal->windowFlags() & Qt::WindowMinimizeButtonHint)
                        && modal->windowHandle()->transientParent() == main.windowHandle();
                    dialogs += modal->objectName() + (ownDialog ? " " : " not ") + "the clock's dialog|";
                    if (auto* window = qobject_cast<frmAbout*>(modal))
                        aboutSeen += about(window);
                    if (auto* window = qobject_cast<frmNotes*>(modal))
                        aboutSeen += QString::number(window->comDate->count()) + " dates|";
                    if (auto* window = qobject_cast<frm_SetAlarm*>(modal)) // left where it was, even a little off the screen
                        aboutSeen += QString("%1,%2|").arg(window->x()).arg(window->y());
                    QTest::keyClick(main.windowHandle(), Qt::Key_S, Qt::ControlModifier);
                    clock.advanceSeconds(5);
                    QTest::qWait(1100);
                    if (modal)
                        modal->close();
                });
                item->trigger();
                QVERIFY(modal && modal != &main);
                QVERIFY2(!main.Calendar1, "the clock took a shortcut behind a modal window");
                QCOMPARE(main.lblTime->text().replace(QChar(0x202f), u' '), clock.now().toString("h:mm:ss AP"));
            }
            QCOMPARE(dialogs, "frm_SetAlarm the clock's dialog|frmNotes the clock's dialog|frmAbout the clock's dialog|");
            QCOMPARE(aboutSeen, "-5,-10|366 dates|About Vintrel Clock & Alarm|v3.0.1|7|v3.0.1 - Bug fix: Fixed alarm setting calculations."
                                "|v1.0.1 - Bug fix.    Calendar now shows the correct date."
                                " read-only scrolls title OK white-on-blue centred");
            // Closed, each is gone.
            QTRY_VERIFY(!main.settingsWindow() && !main.notesWindow() && !QApplication::activeModalWidget());
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            for (Qt::Key key : {Qt::Key_H, Qt::Key_S}) // hiding what is not shown is refused
                QTest::keyClick(main.windowHandle(), key, Qt::ControlModifier);
            QVERIFY(main.Calendar1 && main.Calendar1->isVisible() && main.itmHideCalendar->isEnabled() && !main.itmShowCalendar->isEnabled());
            QCOMPARE(main.Calendar1->selectedDate(), QDate(2026, 12, 7));
            main.move(70, 50);
            main.close();
        }
        QCOMPARE(settings.onDisk("Main", {"top", "left"}), "750 1050");
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
