#include "app/CommandLine.h"

#include "app/Translations.h"
#include "desktop/AlarmTimerUnits.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

namespace
{

// The options that QGuiApplication, QApplication and the X11 platform take from the command
// line: those followed by a value, and those that stand alone.
const QStringList qtOptionsWithValue =
    QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon "
                   "qwindowtitle session display geometry title icon name visual style stylesheet")
        .split(QLatin1Char(' '));
const QStringList qtFlags{"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};

} // namespace

CommandLineOutcome parseCommandLine(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "A desktop clock with a month calendar, fifteen alarms and a note for any day."));
    // Qt's options are single words after one dash; read as single letters, -platform
    // would be -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Without --help-all: Qt lists its own options only through an application object.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption versionOption = parser.addVersionOption();
    // Written into the service that starts the clock for an alarm; no one types it.
    QCommandLineOption forAlarm(AlarmTimerUnits::ForAlarmOption);
    forAlarm.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(forAlarm);
    for (const QString& name : qtOptionsWithValue + qtFlags) {
        QCommandLineOption option(name);
        if (qtOptionsWithValue.contains(name))
            option.setValueName(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // With no application object yet, Qt cannot name the program in its usage line.
    const QString usage =
        parser.helpText().replace(QStringLiteral("<executable_name>"), arguments.value(0));
    CommandLineOutcome outcome;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error =
            parser.positionalArguments().isEmpty()
                ? parser.errorText()
                : QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
        outcome.err = error + QStringLiteral("\n\n") + usage;
        outcome.exitCode = 1;
    } else if (parser.isSet(help)) {
        outcome.out = usage;
        outcome.exitCode = 0;
    } else if (parser.isSet(versionOption)) {
        outcome.out = QStringLiteral("vintrel-clock %1\n").arg(version);
        outcome.exitCode = 0;
    }
    outcome.forAlarm = parser.isSet(forAlarm);
    return outcome;
}

CommandLineOutcome handleCommandLine(int argc, char* argv[], const QString& version)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLineOutcome outcome = parseCommandLine(arguments, version);
    // What is printed speaks the user's language, which takes an application object; one
    // that needs no display, made only when the program ends here.
    if (outcome.exitCode) {
        QCoreApplication app(argc, argv);
        installTranslations(app, QLocale::system().uiLanguages());
        outcome = parseCommandLine(arguments, version);
    }
    std::fputs(outcome.out.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.err.toLocal8Bit().constData(), stderr);
    return outcome;
}
