#include "alarm/Scheduler.h"
#include "alarm/frm_SetAlarm.h"
#include "alarm/frm_alarm_notif.h"
#include "app/CommandLine.h"
#include "app/frm_Main.h"
#include "desktop/AlarmHandOff.h"
#include "desktop/AlarmTimerUnits.h"
#include "desktop/Autostart.h"
#include "desktop/DesktopNotification.h"
#include "desktop/SingleInstance.h"
#include "desktop/SystemdUserManager.h"
#include "mock/MockClock.h"
#include "support/AlarmRecorder.h"
#include "support/FakeServiceManager.h"
#include "support/TempSettings.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// What talks to the desktop session: the service manager that rings a closed clock, the one
// copy that runs, the entry that starts it at login and the desktop's notices.
class TestDesktop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QString readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private Q_SLOTS:
    // The moment in UTC, as the clock computes it across both summer-time edges (London's,
    // 28 March and 31 October 2027, at 01:30); the program's path escaped as unit files read
    // it; of the display, only values of its form.
    void theUnitFiles()
    {
        QCOMPARE(AlarmTimerUnits::timerText(dueMoment(toDateSerial(QDate(2026, 12, 7), QTime(7, 30))), true),
                 "[Unit]\nDescription=Vintrel Clock & Alarm: the next alarm\n\n[Timer]\nOnCalendar=2026-12-07 07:30:00 UTC\n"
                 "AccuracySec=1s\nPersistent=true\nWakeSystem=true\nUnit=vintrel-clock-alarm.service\n\n"
                 "[Install]\nWantedBy=timers.target\n");
        for (const auto& [day, month, utc] : {std::tuple{28, 3, "2027-03-28 01:00:00 UTC"}, {31, 10, "2027-10-31 00:30:00 UTC"}}) {
            const QString timer = AlarmTimerUnits::timerText(dueMoment(toDateSerial(QDate(2027, month, day), QTime(1, 30))), false);
            QVERIFY2(timer.contains(QString("\nOnCalendar=%1\n").arg(utc)) && !timer.contains("Wake"), qPrintable(timer));
        }
        QProcessEnvironment display;
        display.insert("DISPLAY", ":1.0");
        display.insert("WAYLAND_DISPLAY", "wayland-0;rm");
        display.insert("XAUTHORITY", "/run/user/1000/x auth");
        QCOMPARE(AlarmTimerUnits::serviceText("/opt/My \"Clock\" 100%/$HOME\\vintrel-clock", display),
                 "[Unit]\nDescription=Vintrel Clock & Alarm, started for an alarm\n"
                 "ConditionFileIsExecutable=/opt/My \"Clock\" 100%%/$HOME\\vintrel-clock\n\n[Service]\n"
                 "Environment=\"VINTREL_DISPLAY=:1.0\" \"VINTREL_XAUTHORITY=/run/user/1000/x auth\"\n"
                 "ExecStart=\"/opt/My \\\"Clock\\\" 100%%/$$HOME\\\\vintrel-clock\" --for-alarm\n");
        display.insert("DISPLAY", ":0\nExecStart=/bin/sh");
        QVERIFY(!AlarmTimerUnits::serviceText("/usr/bin/vintrel-clock", display).contains("DISPLAY"));
        for (const char* program : {"vintrel-clock", "/usr/bin/vintrel\nclock"})
            QCOMPARE(AlarmTimerUnits::serviceText(program, {}), QString());
    }

    // Started by the timer, the clock takes the display the unit carries, unless the manager
    // passed one on; and it leaves a running clock where it is, to ring by itself.
    void aStartForAnAlarm()
    {
        char program[] = "/usr/bin/vintrel-clock", option[] = "--for-alarm";
        char* argv[]{program, option};
        const auto forAlarm = handleCommandLine(2, argv, "3.0.1");
        QVERIFY(forAlarm.forAlarm && !forAlarm.exitCode && !parseCommandLine({"vintrel-clock"}, "3.0.1").forAlarm);
        qputenv("VINTREL_DISPLAY", ":7");
        qputenv("VINTREL_XAUTHORITY", "/tmp/auth");
        for (const char* given : {":3", ""}) {
            qputenv("DISPLAY", given);
            qunsetenv("XAUTHORITY");
            AlarmTimerUnits::takeCarriedDisplay();
            QCOMPARE(qgetenv("DISPLAY") + ' ' + qgetenv("XAUTHORITY"), *given ? ":3 " : ":7 /tmp/auth");
        }
        QTemporaryDir runtime;
        SingleInstance first(runtime.path(), "vintrel-clock");
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        QVERIFY(first.claim() && !SingleInstance(runtime.path(), "vintrel-clock").claim(false));
        QTest::qWait(100);
        QCOMPARE(raised.size(), 0);
    }

    // The real systemd --user, in a mount namespace of its own where it may start: a timer
    // that asks to wake the computer waits or is refused, as this machine allows, and one
    // without waits; an unknown one is refused; without the manager, nothing answers.
    void aRealUserServiceManager()
    {
        QTemporaryDir home;
        const QString runtime = home.filePath("run"), units = home.filePath("config/systemd/user");
        QVERIFY(QDir().mkpath(units) && QDir().mkdir(runtime));
        QFile(runtime).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime);
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("HOME", home.path());
        QProcess systemd;
        systemd.setProcessEnvironment(environment);
        systemd.start("unshare", {"--mount", "--propagation", "private", "sh", "-c",
                                  "mount -t tmpfs tmpfs /run/systemd && mkdir /run/systemd/system && exec /lib/systemd/systemd --user"});
        const auto stopped = qScopeGuard([&] { systemd.terminate(); systemd.waitForFinished(); });
        if (!QTest::qWaitFor([&] { return QFile::exists(runtime + "/systemd/private") || systemd.state() == QProcess::NotRunning; }, 10000)
            || !QFile::exists(runtime + "/systemd/private"))
            QSKIP(qPrintable("no user service manager could start here: " + systemd.readAllStandardError()));
        const QDateTime tomorrow = QDateTime::currentDateTimeUtc().addDays(1);
        std::optional<ServiceManager::TimerState> state;
        const QDBusConnection noBus("no session bus");
        SystemdUserManager manager(runtime, noBus);
        for (bool wake : {true, false}) {
            for (const auto& [name, text] : {std::pair{"service", AlarmTimerUnits::serviceText("/bin/true", {})},
                                             {"timer", AlarmTimerUnits::timerText(tomorrow, wake)}}) {
                QFile unit(units + "/vintrel-clock-alarm." + name);
                QVERIFY(unit.open(QIODevice::WriteOnly) && unit.write(text.toUtf8()) > 0);
            }
            state.reset();
            manager.restartTimer("vintrel-clock-alarm.timer", [&](ServiceManager::TimerState s) { state = s; });
            QTRY_VERIFY(state);
            QCOMPARE(*state == ServiceManager::TimerState::Waiting, !wake || *state != ServiceManager::TimerState::Failed);
        }
        state.reset();
        manager.restartTimer("unknown.timer", [&](ServiceManager::TimerState s) { state = s; });
        QTRY_COMPARE(state, ServiceManager::TimerState::Failed);
        std::optional<bool> answered;
        manager.stopTimer("vintrel-clock-alarm.timer", [&](bool a) { answered = a; });
        QTRY_COMPARE(answered, true);
        QTRY_VERIFY(manager.findChildren<QDBusPendingCallWatcher*>().isEmpty()); // a clock handing over for weeks keeps none
        SystemdUserManager absent(home.filePath("elsewhere"), noBus);
        absent.stopTimer("vintrel-clock-alarm.timer", [&](bool a) { answered = a; });
        QTRY_COMPARE(answered, false);
    }

    // A session bus that knows the manager's name but fails to start it, as one started by
    // dbus-launch beside systemd's files does: that is no manager, not a manager's refusal.
    void aBusThatCannotStartTheManager()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("services"));
        const auto write = [&](const QString& name, const QString& text) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
        };
        QVERIFY(write("services/org.freedesktop.systemd1.service",
                      "[D-BUS Service]\nName=org.freedesktop.systemd1\nExec=/bin/false\n"));
        QVERIFY(write("bus.conf", QString("<busconfig><type>session</type><listen>unix:tmpdir=%1</listen><auth>EXTERNAL</auth>"
                                          "<servicedir>%1/services</servicedir><policy context=\"default\">"
                                          "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                          "<allow own=\"*\"/></policy></busconfig>")
                                      .arg(dir.path())));
        QProcess daemon;
        daemon.start("dbus-daemon", {"--config-file=" + dir.filePath("bus.conf"), "--nofork", "--print-address=1"});
        const auto stopped = qScopeGuard([&] { daemon.kill(); daemon.waitForFinished(); });
        if (!daemon.waitForReadyRead())
            QSKIP(qPrintable("no private session bus could start here: " + daemon.readAllStandardError()));
        const QDBusConnection bus = QDBusConnection::connectToBus(daemon.readLine().trimmed(), "launched");
        QVERIFY(bus.isConnected());
        SystemdUserManager manager(dir.filePath("run"), bus);
        std::optional<ServiceManager::TimerState> state;
        manager.restartTimer("vintrel-clock-alarm.timer", [&](ServiceManager::TimerState s) { state = s; });
        QTRY_COMPARE(state, ServiceManager::TimerState::NoAnswer);
        std::optional<bool> answered;
        manager.stopTimer("vintrel-clock-alarm.timer", [&](bool a) { answered = a; });
        QTRY_COMPARE(answered, false);
    }

    // A daily 07:30 alarm named by the user, from Monday 07:00. The manager refuses a timer
    // that wakes the computer, and takes it without; the alarm rings and is handed over for
    // Tuesday. "Ring When Closed" switched off removes the timer, and is stored; on again, a
    // countdown is handed over to its second, and the closing notice says when the clock
    // starts itself. A manager that does not answer,
    // asked as a clock closes at once, leaves nothing behind and the choice greyed.
    void theNextAlarmIsHandedToTheServiceManager()
    {
        TempSettings settings;
        settings.writeFile("[AlarmSetting]\nchkOn%200=1\ncomFreq%200=1\ncomDays%200=8\ntxtHr%200=07\ntxtMin%200=30\nlabel%200=Pills %h\n");
        MockClock clock(2026, 12, 7, 7, 0, 0);
        AlarmRecorder seen;
        const QString units = m_dir.filePath("units"), timer = units + "/vintrel-clock-alarm.timer";
        FakeServiceManager manager(units);
        manager.answers = {ServiceManager::TimerState::Failed};
        AlarmHandOff handOff(manager, units, "/usr/bin/vintrel-clock", {});
        {
            frm_Main main(seen, seen, &handOff);
            main.Form_Load();
            QTRY_COMPARE(manager.calls, QStringList({"restart 2026-12-07 07:30:00 UTC wake", "restart 2026-12-07 07:30:00 UTC"}));
            QVERIFY(main.itmRingWhenClosed->isChecked() && main.itmRingWhenClosed->isEnabled());
            QCOMPARE(QFileInfo(units + "/timers.target.wants/vintrel-clock-alarm.timer").symLinkTarget(), timer);
            QVERIFY(!(readFile(timer) + readFile(units + "/vintrel-clock-alarm.service")).contains("Pills"));
            clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 30, 1)));
            main.Timer1_Timer();
            main.notification()->cmd_okay->click();
            QTRY_COMPARE(manager.calls.last(), "restart 2026-12-08 07:30:00 UTC");
            QString line;
            QTimer::singleShot(0, [&] {
                line = QApplication::activeModalWidget()->findChild<QLabel*>("lblReach")->text();
                QApplication::activeModalWidget()->close();
            });
            main.itmSetAlarm->trigger();
            QCOMPARE(line, "Alarms ring while this computer is on, even with the clock closed.");
            main.itmRingWhenClosed->trigger();
            QTRY_COMPARE(manager.calls.last(), "stop");
            QVERIFY(!QFile::exists(timer) && !main.itmRingWhenClosed->isChecked());
            QCOMPARE(settings.onDisk("Main", "ringWhenClosed"), "0");
            QCOMPARE(reachText(handOff.reach()), "Alarms ring only while the clock is running.");
            main.itmRingWhenClosed->trigger();
            main.alarmClock().startTimer(600, "Tea"); // before Tuesday's alarm, to the second
            main.close();
            QCOMPARE(manager.calls.last(), "restart 2026-12-07 07:40:01 UTC");
            QCOMPARE(seen.informed.last(), "Alarm set: The clock has been closed. It will start itself for the alarm on Monday 07:40.");
        }
        QVERIFY(!settings.onDisk("Main", "ringWhenClosed").isValid());
        manager.absent = true;
        AlarmHandOff unanswered(manager, units, "/usr/bin/vintrel-clock", {});
        frm_Main main(seen, seen, &unanswered);
        main.Form_Load();
        main.close(); // before the first hand-off, which the close does
        QVERIFY(!main.itmRingWhenClosed->isEnabled() && !main.itmRingWhenClosed->isChecked() && !QFile::exists(timer));
        QCOMPARE(seen.informed.last(), "Alarms off: The clock has been closed. Its alarms will not ring until it is started again.");
        // With nothing yet handed over, a manager that answers is known; a wake is not promised.
        manager.absent = false;
        AlarmHandOff nothingSet(manager, units, "/usr/bin/vintrel-clock", {});
        QSignalSpy settled(&nothingSet, &AlarmHandOff::settled);
        nothingSet.handOver({});
        QTRY_COMPARE(manager.calls.last(), "stop");
        QCOMPARE(reachText(nothingSet.reach()), "Alarms ring while this computer is on, even with the clock closed.");
        QTest::qWait(100);
        QCOMPARE(settled.size(), 1); // and then quiet while the clock waits
    }

    void laterStartsRaiseTheFirstAndGiveWayUntilItHasGone()
    {
        QTemporaryDir runtime;
        // What a killed clock leaves where the socket goes.
        QVERIFY(QFile(runtime.filePath("vintrel-clock.socket")).open(QIODevice::WriteOnly));
        {
            SingleInstance first(runtime.path(), "vintrel-clock");
            QSignalSpy raised(&first, &SingleInstance::raiseRequested);
            QVERIFY(first.claim());
            for (int later = 1; later <= 2; ++later) {
                QVERIFY(!SingleInstance(runtime.path(), "vintrel-clock").claim());
                QTRY_COMPARE(raised.size(), later);
            }
        }
        QVERIFY(SingleInstance(runtime.path(), "vintrel-clock").claim());
        QVERIFY(SingleInstance("/nonexistent/runtime", "vintrel-clock").claim());
    }

    // The entry starts the program at its path, quoted and escaped as desktop entries are:
    // inside the quotes ", `, $ and \ take a backslash, then every backslash is doubled.
    void theLoginEntry()
    {
        QTemporaryDir config;
        const QString path = config.filePath("autostart/vintrel-clock.desktop");
        for (const auto& [program, exec] : {std::pair{"/usr/bin/vintrel-clock", "Exec=/usr/bin/vintrel-clock"},
                                            {"/my clock/a\"b`c$d\\e/100%", "Exec=\"/my clock/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e/100%%\""}}) {
            QVERIFY(Autostart::setEnabled(path, program, true));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().split('\n').contains(exec));
        }
        // Unless the desktop's own settings switched it off, it counts.
        for (const auto& [added, enabled] :
             {std::pair{"", true}, {"Hidden = true\n", false}, {"X-GNOME-Autostart-enabled=false\n", false},
              {"Hidden=false\nX-GNOME-Autostart-enabled=true\n", true},
              {"[Desktop Action a]\nHidden=true\n", true}}) {
            QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", true));
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append) && file.write(added) == qint64(strlen(added)));
            file.close();
            QVERIFY2(Autostart::isEnabled(path) == enabled, added);
        }
        // A file where the folder should be: refused, not pretended.
        QVERIFY(!Autostart::setEnabled(path + "/entry.desktop", "/usr/bin/vintrel-clock", true));
        QVERIFY(Autostart::setEnabled(path, "/usr/bin/vintrel-clock", false));
        QVERIFY(!QFile::exists(path) && !Autostart::isEnabled(path));
    }

    // Through the stub service of the end-to-end tests, on a private session bus; it answers
    // each notice a tenth of a second late.
    void noticesReachTheDesktopsNotificationService()
    {
        QProcess bus, service;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForReadyRead());
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
        const QString calls = m_dir.filePath("calls");
        service.start("/usr/bin/python3", {QFINDTESTDATA("../e2e/support/notification_stub.py"), calls, "actions,body-markup", "0.1"});
        QTRY_VERIFY(QFile::exists(calls));
        DesktopNotification notice;
        QString answered;
        notice.setAnswerHandler([&](const QString& action) { answered = action; });
        notice.withdraw(); // nothing shown, nothing to close
        notice.inform("Missed alarm", "Monday 07:30 – <b>Pills</b> & tea");
        notice.post("07:31", "<b>Pills</b>", 5);
        const auto logged = [&] { QFile log(calls); return log.open(QIODevice::ReadOnly) ? log.readAll() : ""; };
        QTRY_COMPARE(logged().count('\n'), 2);
        for (uint id : {42u, 43u}) { // the missed alarm's notice has nothing to answer
            QDBusMessage click = QDBusMessage::createMethodCall("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                                                "org.example.NotificationStub", "InvokeAction");
            QDBusConnection::sessionBus().call(click << id << QString("snooze %1").arg(id));
        }
        QTRY_COMPARE(answered, "snooze 43");
        notice.withdraw();
        notice.post("07:32", {}, 5);
        notice.withdraw(); // before the answer: closed once it comes
        const QString actions = "|actions=okay,Okay,snooze,Snooze 5 min,default,Show\n";
        QTRY_COMPARE(logged(), "Notify|Vintrel Clock & Alarm|Missed alarm|Monday 07:30 – &lt;b&gt;Pills&lt;/b&gt; &amp; tea|urgency=1|timeout=0|replaces=0|id=42\n"
                               "Notify|Vintrel Clock & Alarm|Alarm 07:31 – <b>Pills</b>|The time is now 07:31|urgency=2|timeout=0|replaces=0|id=43" + actions
                               + "CloseNotification|43\n"
                               "Notify|Vintrel Clock & Alarm|Alarm 07:32|The time is now 07:32|urgency=2|timeout=0|replaces=0|id=44" + actions
                               + "CloseNotification|44\n");
        QTRY_VERIFY(notice.findChildren<QDBusPendingCallWatcher*>().isEmpty()); // none kept through a day's notices
        DesktopNotification().inform("Alarms off", "Closed"); // the first notice of a run, as it ends
        QVERIFY(logged().endsWith("|Alarms off|Closed|urgency=1|timeout=0|replaces=0|id=45\n"));
        for (QProcess* process : {&service, &bus}) {
            process->kill();
            process->waitForFinished();
        }
    }

};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
