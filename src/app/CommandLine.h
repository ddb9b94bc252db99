#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks of the clock: to run, or to print a text and end at once.
struct CommandLineOutcome {
    // Set when the program ends here, with this status.
    std::optional<int> exitCode;
    QString out;
    QString err;
    // Started by the service manager for an alarm: a clock that runs already rings it itself.
    bool forAlarm = false;
};

// Reads the program's arguments, first the program itself. Qt's own options (-platform,
// -display, -session, ...) pass through for the application object to take.
CommandLineOutcome parseCommandLine(const QStringList& arguments, const QString& version);

// Parses argv before any application object, so that --help and --version need no display,
// and prints what the outcome says.
CommandLineOutcome handleCommandLine(int argc, char* argv[], const QString& version);
