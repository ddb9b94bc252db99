#include "settings/SettingsStore.h"

#include <QHash>
#include <QMessageBox>
#include <QSettings>
#include <memory>

namespace {

// One open file per application: opening re-parses it, and the notes rewrite hundreds of
// keys in one procedure.
QHash<QString, std::shared_ptr<QSettings>>& openFiles()
{
    static QHash<QString, std::shared_ptr<QSettings>> files;
    return files;
}

QSettings& settingsFor(const QString& application)
{
    auto& files = openFiles();
    auto it = files.find(application);
    if (it == files.end()) {
        it = files.insert(application, std::make_shared<QSettings>(QSettings::NativeFormat,
                                                                   QSettings::UserScope,
                                                                   application, QString()));
    }
    return **it;
}

QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue)
{
    const QVariant value = settingsFor(application).value(path(section, key));
    // A hand-edited value with commas reads back as a list; anything else that is not
    // text counts as missing.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString();
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
    if (SettingsStore::flush(application))
        return;
    QMessageBox::warning(
        parent, application,
        QStringLiteral("Your settings could not be saved to \"%1\". The disk may be full or "
                       "read-only. Your changes are kept until the program ends; free some "
                       "space or fix the file's permissions, then save again.")
            .arg(SettingsStore::fileName(application)));
}

namespace SettingsStore {

bool flush(const QString& application)
{
    QSettings& settings = settingsFor(application);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

QString fileName(const QString& application)
{
    return settingsFor(application).fileName();
}

void reopen()
{
    openFiles().clear();
}

} // namespace SettingsStore
