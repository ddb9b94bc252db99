#pragma once

#include "core/AppInfo.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// Points the settings store at a fresh empty directory for as long as it lives.
class TempSettings
{
public:
    TempSettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        SettingsStore::reopen();
    }
    ~TempSettings() { SettingsStore::reopen(); }

    QString dir() const { return m_dir.path(); }
    QString fileName() const { return m_dir.filePath(AppTitle + QStringLiteral(".conf")); }

    // Replaces the file on disk and makes the store read it again.
    void writeFile(const QByteArray& contents)
    {
        QFile file(fileName());
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            qFatal("could not write %s", qPrintable(fileName()));
        file.close();
        SettingsStore::reopen();
    }

    // What a fresh reader of the file sees, bypassing the store's cached copy: the value, or
    // the number of keys in the section when no key is named.
    QVariant onDisk(const QString& section, const QString& key = {}) const
    {
        QSettings file(fileName(), QSettings::IniFormat);
        file.beginGroup(section);
        return key.isEmpty() ? QVariant(file.childKeys().size()) : file.value(key);
    }
    // The values of these keys, joined by blanks.
    QString onDisk(const QString& section, std::initializer_list<const char*> keys) const
    {
        QStringList values;
        for (const char* key : keys)
            values << onDisk(section, key).toString();
        return values.join(' ');
    }

private:
    QTemporaryDir m_dir;
};
