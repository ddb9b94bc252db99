#include "settings/FileSafety.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

namespace FileSafety {

void createPrivateFile(const QString& path)
{
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile(path).open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly);
}

bool restrictToOwner(const QString& path)
{
    return QFile::setPermissions(path, ownerOnly);
}

void withdrawFromOthers(const QString& path)
{
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                                | QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (QFile::permissions(path) & others)
        restrictToOwner(path);
}

void syncFolderOf(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString keepDamagedCopy(const QString& path, const QDateTime& when)
{
    const QString base =
        path + QStringLiteral(".damaged-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = base;
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::copy(path, copy))
        return {};
    restrictToOwner(copy);
    syncFolderOf(copy);
    return copy;
}

} // namespace FileSafety
