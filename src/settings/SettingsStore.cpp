#include "settings/SettingsStore.h"

#include "settings/FileSafety.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QMessageBox>
#include <QSettings>
#include <QThread>
#include <cstdio>
#include <future>
#include <map>
#include <memory>

namespace
{

// One open file per application: opening re-parses it, and the notes rewrite hundreds of
// keys in one procedure.
QHash<QString, std::shared_ptr<QSettings>>& openFiles()
{
    static QHash<QString, std::shared_ptr<QSettings>> files;
    return files;
}

// The damaged files copied aside this run, by application, until the user has been told.
QHash<QString, QString>& damagedCopies()
{
    static QHash<QString, QString> copies;
    return copies;
}

std::shared_ptr<QSettings> openFile(const QString& application)
{
    return std::make_shared<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application,
                                       QString());
}

// The files being read ahead, by application, until the store opens them.
std::map<QString, std::future<std::shared_ptr<QSettings>>>& readsAhead()
{
    static std::map<QString, std::future<std::shared_ptr<QSettings>>> reads;
    return reads;
}

// Writes what could be read of a damaged file to a file of its own, then puts that in the
// damaged file's place in one rename, so that a kill leaves one whole file or the other.
bool replaceWithReadable(const QSettings& damaged)
{
    const QString path = damaged.fileName();
    const QString repaired = path + QStringLiteral(".repaired");
    QFile::remove(repaired);
    FileSafety::createPrivateFile(repaired);
    {
        QSettings clean(repaired, QSettings::IniFormat);
        for (const QString& key : damaged.allKeys())
            clean.setValue(key, damaged.value(key));
        clean.sync();
        if (clean.status() != QSettings::NoError) {
            QFile::remove(repaired);
            return false;
        }
    }
    QFile::remove(repaired + QStringLiteral(".lock"));
    if (std::rename(QFile::encodeName(repaired).constData(), QFile::encodeName(path).constData()) !=
        0) {
        QFile::remove(repaired);
        return false;
    }
    FileSafety::syncFolderOf(path);
    return true;
}

// Opens the file, and keeps a copy of it first when it cannot be parsed: the next write
// would replace it with only the part that could be read.
std::shared_ptr<QSettings> openChecked(const QString& application)
{
    // Qt keeps a file parsed for the whole process while a reader of it lives, and reads it
    // again when its size or time has changed: the reader ahead lives until this one is made.
    std::shared_ptr<QSettings> ahead;
    if (auto read = readsAhead().extract(application))
        ahead = read.mapped().get();
    auto settings = openFile(application);
    // A file from before the store kept it private, or copied in by hand, holds notes that
    // others could read.
    FileSafety::withdrawFromOthers(settings->fileName());
    // Some format errors come to light only when a section is parsed; listing the groups
    // parses every section.
    settings->childGroups();
    // What the reader ahead parsed is not parsed again, nor its damage found again.
    if (settings->status() != QSettings::FormatError
        && !(ahead && ahead->status() == QSettings::FormatError))
        return settings;
    const QString copy =
        FileSafety::keepDamagedCopy(settings->fileName(), QDateTime::currentDateTime());
    if (copy.isEmpty() || !replaceWithReadable(*settings))
        return settings;
    damagedCopies().insert(application, copy);
    // A fresh reader of the clean file: the status of the old one stays at its first error
    // and would hide every later failure to write.
    return openFile(application);
}

QSettings& settingsFor(const QString& application)
{
    auto& files = openFiles();
    auto it = files.find(application);
    if (it == files.end())
        it = files.insert(application, openChecked(application));
    return **it;
}

QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

QString textOf(const QVariant& value, const QString& defaultValue)
{
    // A hand-edited value with commas reads back as a list; anything else that is not
    // text counts as missing.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString();
}

} // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue)
{
    return textOf(settingsFor(application).value(path(section, key)), defaultValue);
}

SettingsSectionReader::SettingsSectionReader(const QString& application, const QString& section)
    : m_settings(settingsFor(application))
{
    m_settings.beginGroup(section);
}

SettingsSectionReader::~SettingsSectionReader()
{
    m_settings.endGroup();
}

QString SettingsSectionReader::value(const QString& key, const QString& defaultValue) const
{
    return textOf(m_settings.value(key), defaultValue);
}

SettingsReadAhead::SettingsReadAhead(const QString& application) : m_application(application)
{
    // Asked before the thread starts: Qt takes the first thread that uses it for its main one.
    QThread* opener = QThread::currentThread();
    readsAhead()[application] = std::async(std::launch::async, [application, opener] {
        auto settings = openFile(application);
        // Every section, as the store's check of a damaged file parses them.
        settings->childGroups();
        // The opening thread uses it and deletes it.
        settings->moveToThread(opener);
        return settings;
    });
}

SettingsReadAhead::~SettingsReadAhead()
{
    readsAhead().erase(m_application);
}

void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value)
{
    settingsFor(application).setValue(path(section, key), value);
}

void DeleteSetting(const QString& application, const QString& section, const QString& key)
{
    settingsFor(application).remove(path(section, key));
}

void commitSettings(const QString& application, QWidget* parent)
{
    if (!SettingsStore::flush(application))
        reportUnsavedSettings(application, parent);
}

void reportUnsavedSettings(const QString& application, QWidget* parent)
{
    QMessageBox::warning(parent, application,
                         QCoreApplication::translate(
                             "SettingsStore",
                             "Your settings could not be saved to \"%1\". The disk may be full or "
                             "read-only. Your changes are kept until the program ends; free some "
                             "space or fix the file's permissions, then save again.")
                             .arg(SettingsStore::fileName(application)));
}

void reportDamagedSettings(const QString& application, QWidget* parent)
{
    settingsFor(application);
    const QString copy = damagedCopies().take(application);
    if (copy.isEmpty())
        return;
    QMessageBox::warning(
        parent, application,
        QCoreApplication::translate(
            "SettingsStore",
            "Your settings file could not be read in full. A copy of it, as it "
            "was, is kept in \"%1\". The clock carries on with what it could read.")
            .arg(copy));
}

namespace SettingsStore
{

bool flush(const QString& application)
{
    QSettings& settings = settingsFor(application);
    // Made before the first write: a file that Qt creates is readable by everyone.
    FileSafety::createPrivateFile(settings.fileName());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return false;
    FileSafety::restrictToOwner(settings.fileName());
    FileSafety::syncFolderOf(settings.fileName());
    return true;
}

QString fileName(const QString& application)
{
    return settingsFor(application).fileName();
}

void reopen()
{
    openFiles().clear();
    damagedCopies().clear();
}

} // namespace SettingsStore
