#pragma once

#include <QDateTime>
#include <QString>

// File steps that keep the settings file private and whole. They hold the user's notes,
// so nothing here ever leaves a copy readable by others.
namespace FileSafety {

// Creates an empty file readable and writable by its owner only, with its folder; does
// nothing when the file exists. Rewrites through a temporary file keep the mode it has.
void createPrivateFile(const QString& path);

// Sets the mode to 0600 whatever the umask made of it.
bool restrictToOwner(const QString& path);

// Sets a file that others may read or write to 0600, and leaves any other file as it is.
void withdrawFromOthers(const QString& path);

// Makes a rename inside the file's folder survive a power cut, not only a killed program.
void syncFolderOf(const QString& path);

// Copies the file to "<path>.damaged-<yyyyMMdd-HHmmss>" (a number added when that name is
// taken), mode 0600. Returns the copy's path, or an empty string when it could not be made.
QString keepDamagedCopy(const QString& path, const QDateTime& when);

} // namespace FileSafety
