#include "platform/qt/QtSystemServices.h"

#include "platform/qt/QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace qb {
namespace {

// The first character of <folder>/removable, or 0 when there is none.
char ReadRemovableFlag(const QString& folder)
{
    QFile file(folder + QStringLiteral("/removable"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray flag = file.read(1);
    return flag.isEmpty() ? 0 : flag[0];
}

VolumeInfo VolumeOf(const QStorageInfo& storage, const std::string& sysRoot)
{
    VolumeInfo volume;
    volume.rootPath = storage.rootPath().toStdString();
    volume.fileSystem = storage.fileSystemType().toStdString();
    volume.device = storage.device().toStdString();
    volume.removable = IsRemovableDevice(volume.device, sysRoot);
    volume.ready = storage.isReady();
    return volume;
}

} // namespace

std::string CQtSystemServices::DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string CQtSystemServices::CurrentFolder()
{
    return QDir::currentPath().toStdString();
}

bool CQtSystemServices::SetCurrentFolder(const std::string& path)
{
    return !path.empty() && QDir::setCurrent(ToQString(path));
}

bool CQtSystemServices::FolderExists(const std::string& path)
{
    return !path.empty() && QFileInfo(ToQString(path)).isDir();
}

bool CQtSystemServices::FileExists(const std::string& path)
{
    return !path.empty() && QFileInfo(ToQString(path)).isFile();
}

bool CQtSystemServices::CreateFolder(const std::string& path)
{
    return !path.empty() && QDir().mkpath(ToQString(path));
}

std::vector<VolumeInfo> CQtSystemServices::MountedVolumes()
{
    std::vector<VolumeInfo> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid() && QFileInfo(storage.rootPath()).isDir())
            volumes.push_back(VolumeOf(storage, "/sys"));
    }
    return volumes;
}

bool IsRemovableDevice(const std::string& device, const std::string& sysRoot)
{
    if (!device.starts_with("/dev/"))
        return false;
    // /dev/mapper/x and /dev/disk/by-*/x are links to the real node.
    const QFileInfo node(ToQString(device));
    const QString real = node.canonicalFilePath();
    const QString name = QFileInfo(real.isEmpty() ? node.filePath() : real).fileName();
    if (name.isEmpty())
        return false;
    const QString entry = ToQString(sysRoot) + QStringLiteral("/class/block/") + name;
    char flag = ReadRemovableFlag(entry);
    if (flag == 0)   // a partition: the flag is kept by the disk above it
        flag = ReadRemovableFlag(QFileInfo(entry).canonicalFilePath() + QStringLiteral("/.."));
    return flag == '1';
}

} // namespace qb
