// Where the save dialog finds its drives: the mounted file systems a user
// saves files on, read afresh whenever asked.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Gives the root paths of the drives to offer; the dialog asks at every opening.
using DriveSource = std::function<QStringList()>;

// The root of every mounted file system that holds files, removable media
// under /media and /run/media/<user> included.
QStringList mountedDrives();

// Whether a file system of `type` mounted at `root` is a place for files
// rather than a window into the kernel or the running system.
bool isFileVolume(const QString& root, const QByteArray& type);
