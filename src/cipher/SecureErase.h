#pragma once

#include <QString>
#include <QStringList>

namespace vexo::cipher {

// How the data of a file is overwritten before the file is removed.
enum class EraseMethod {
    Zeros = 0,       // one pass of zero bytes
    RandomData = 1,  // one pass of random bytes
    ThreePasses = 2, // zero bytes, then 0xFF bytes, then random bytes
};

// The method a stored pop-up choice names; a value outside the choices takes
// the nearest one, as the pop-up shows it.
EraseMethod eraseMethodOf(int choice);

struct EraseReport {
    int overwritten = 0;  // regular files whose data was overwritten
    QStringList failures; // one reason per entry that could not be overwritten or removed
    bool removed = false; // nothing is left at the path
};

// Overwrites the open regular file fd of size bytes (named path in reasons)
// from its start with method, each pass flushed to disk before the next; the
// file keeps its length. False with the reason at the first failure.
bool overwriteFile(int fd, qint64 size, EraseMethod method, const QString& path, QString* error);

// Overwrites in place the data of every regular file of the tree at path (a
// folder or a single file), then removes the tree. Symbolic links are removed,
// never followed; a file with other hard links keeps its data under them and
// is only unlinked, as are pipes, sockets and devices. A file that cannot be
// overwritten is still removed; every failure is logged and reported.
EraseReport eraseTree(const QString& path, EraseMethod method);

} // namespace vexo::cipher
