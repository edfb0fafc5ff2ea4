// The mounted file systems, as QStorageInfo lists them, less the kernel's own.
#include "export/drive_source.h"

#include <QFileInfo>
#include <QStorageInfo>

bool isFileVolume(const QString& root, const QByteArray& type) {
    static const QByteArrayList pseudoTypes = {
        "proc",     "sysfs",      "devpts",    "devtmpfs",    "cgroup", "cgroup2",
        "mqueue",   "debugfs",    "tracefs",   "securityfs",  "pstore", "bpf",
        "configfs", "fusectl",    "hugetlbfs", "autofs",      "nsfs",   "binfmt_misc",
        "efivarfs", "rpc_pipefs", "squashfs",  "fuse.portal", "ramfs"};
    if (pseudoTypes.contains(type))
        return false;
    // Removable media are mounted for their user under /run/media.
    if (root.startsWith(QStringLiteral("/run/media/")))
        return true;
    for (const QString prefix : {"/proc", "/sys", "/dev", "/run", "/snap"})
        if (root == prefix || root.startsWith(prefix + u'/'))
            return false;
    return true;
}

QStringList mountedDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Single files mounted into a container (/etc/hosts and the like) are
        // no drives either.
        if (volume.isValid() && volume.isReady() && isFileVolume(root, volume.fileSystemType()) &&
            QFileInfo(root).isDir() && !roots.contains(root))
            roots.append(root);
    }
    return roots;
}
