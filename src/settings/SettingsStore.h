#pragma once

#include <QString>

class QSettings;
class QWidget;

// The program's only persistent storage: string values addressed by application, section
// and key, kept in the user's config directory ("<application>.conf", one group a section).
// Values written are seen at once by every later read; they reach the disk when the write
// procedure that made them ends with commitSettings().

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = {});
void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);
void DeleteSetting(const QString& application, const QString& section, const QString& key);

// Reads many keys of one section, as GetSetting does, without naming the section each time:
// the notes are thousands of keys read at every start. No other access to the store may
// come while it lives.
class SettingsSectionReader
{
public:
    SettingsSectionReader(const QString& application, const QString& section);
    ~SettingsSectionReader();
    SettingsSectionReader(const SettingsSectionReader&) = delete;
    SettingsSectionReader& operator=(const SettingsSectionReader&) = delete;

    QString value(const QString& key, const QString& defaultValue = {}) const;

private:
    QSettings& m_settings;
};

// Reads and parses the file on a thread of its own while the caller gets on with other work,
// such as connecting to the display: the store's first access waits for it, and finds the file
// parsed unless it has changed since. Made before any other access; its end waits for the
// thread when the store never opened the file.
class SettingsReadAhead
{
public:
    explicit SettingsReadAhead(const QString& application);
    ~SettingsReadAhead();
    SettingsReadAhead(const SettingsReadAhead&) = delete;
    SettingsReadAhead& operator=(const SettingsReadAhead&) = delete;

private:
    QString m_application;
};

// Writes what is pending to disk and tells the user, in a message box over `parent`, when
// that failed. Called once at the end of each write procedure.
void commitSettings(const QString& application, QWidget* parent = nullptr);

// Tells the user, in a message box over `parent`, that the file could not be written.
void reportUnsavedSettings(const QString& application, QWidget* parent = nullptr);

// Tells the user, once, where the damaged settings file found at opening was copied.
// Does nothing when the file was sound.
void reportDamagedSettings(const QString& application, QWidget* parent = nullptr);

namespace SettingsStore {

// Writes what is pending to disk, through a temporary file renamed over the old one, and
// leaves the file readable and writable by its owner only; false when it could not be written.
bool flush(const QString& application);

QString fileName(const QString& application);

// Forgets the open files, so the next access reads them again from their current place.
void reopen();

} // namespace SettingsStore
