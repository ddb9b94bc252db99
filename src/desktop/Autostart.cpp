#include "desktop/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace
{

// A value of type string in a desktop entry: a backslash and control characters escaped.
QString escaped(QString value)
{
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
}

// An argument of Exec: quoted when it holds a reserved character, with ", `, $ and \ then
// escaped inside the quotes; a % always doubled, as field codes start with it.
QString execArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString text = argument;
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return reserved.contains(c); })) {
        static const QString inQuotes = QStringLiteral("\"`$\\");
        QString quoted;
        for (const QChar c : text) {
            if (inQuotes.contains(c))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        text = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return escaped(text);
}

// The entry that starts `program`, an absolute path.
QByteArray entryFor(const QString& program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Vintrel Clock & Alarm\n"
                          "Comment=Clock, calendar & alarm\n"
                          "Icon=vintrel-clock\n"
                          "TryExec=%1\n"
                          "Exec=%2\n"
                          "Terminal=false\n")
        .arg(escaped(program), execArgument(program))
        .toUtf8();
}

} // namespace

namespace Autostart
{

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/vintrel-clock.desktop");
}

bool isEnabled(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const int equals = line.indexOf('=');
        if (!inEntry || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

bool setEnabled(const QString& path, const QString& program, bool enabled)
{
    if (!enabled)
        return QFile::remove(path) || !QFileInfo::exists(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray entry = entryFor(program);
    return file.open(QIODevice::WriteOnly) && file.write(entry) == entry.size() && file.commit();
}

QString failureText(const QString& path, bool enabled)
{
    return (enabled ? QCoreApplication::translate(
                          "Autostart", "The clock could not be set to start at login: \"%1\" "
                                       "could not be written. Check that its folder is writable.")
                    : QCoreApplication::translate(
                          "Autostart", "The clock could not be kept from starting at login: "
                                       "\"%1\" could not be removed. Check that its folder is "
                                       "writable."))
        .arg(path);
}

} // namespace Autostart
