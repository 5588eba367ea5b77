#pragma once

#include "platform/UniqueFd.h"

#include <QString>
#include <QStringList>

#include <ctime>
#include <optional>
#include <sys/types.h>

namespace vexo::cipher {

// "path: system error text", the form every failure reason takes.
QString failureAt(const QString& path, int error);

// The folder that holds path: "/" for "/name".
QString parentFolderOf(const QString& path);

// A regular file open for reading, with its size and modification time when
// it was opened.
struct SourceFile {
    platform::UniqueFd fd;
    qint64 size = 0;
    timespec modified{};
};

// Opens path (following a final symbolic link) when it is a regular file;
// a folder, a device or a dangling link fails with the reason in error.
std::optional<SourceFile> openRegularFile(const QString& path, QString* error);

// False, with the reason, when the open file at path has been written to
// since it was opened (its size or modification time differ).
bool unchangedSinceOpened(const SourceFile& file, const QString& path, QString* error);

// Every temporary entry a run makes is named "." + stem + ".vexo-" + six
// letters or digits, the stem being the name of the entry it stands for,
// shortened to fit the usual 255-byte limit of one component.
// isTemporaryNameFor tells whether name is such a name for stem;
// isTemporaryName whether it is one for any stem.
bool isTemporaryNameFor(const QString& name, const QString& stem);
bool isTemporaryName(const QString& name);

// A new, empty file created exclusively in folder under a temporary name for stem.
struct TemporaryFile {
    platform::UniqueFd fd;
    QString path;
};
std::optional<TemporaryFile> createTemporaryFile(const QString& folder, const QString& stem,
                                                 mode_t mode, QString* error);

// A new, empty folder created in folder under a temporary name for stem.
std::optional<QString> createTemporaryFolder(const QString& folder, const QString& stem,
                                             mode_t mode, QString* error);

// Renames the file, link or folder at path to a free temporary name for its
// own name in the same folder, in one step; the new path, or empty with the
// reason.
std::optional<QString> moveToTemporaryName(const QString& path, QString* error);

// Renames from to to, never replacing anything that exists at to: 0, or the
// errno of the failure (EXDEV when the two lie on different file systems).
int moveWithoutReplacing(const QByteArray& from, const QByteArray& to);

// Renames from to to, never replacing anything that exists at to.
bool moveIntoFreePlace(const QString& from, const QString& to, QString* error);

// Reads exactly length bytes at offset of the open file at path; reaching the
// end early is an error.
bool readExactly(int fd, const QString& path, char* buffer, qint64 length, qint64 offset,
                 QString* error);

// Writes all of data to the open file at path, resuming after short writes.
bool writeFully(int fd, const QString& path, const char* data, qint64 length, QString* error);

// Flushes the data of an open written file to disk; false with the reason.
bool flushWrittenFile(int fd, const QString& path, QString* error);

// Flushes folder's own entries to disk, so that a rename into it lasts;
// false with the reason.
bool flushFolder(const QString& folder, QString* error);

// Closes a written file; false with the reason when its data may be lost.
bool closeWrittenFile(platform::UniqueFd& fd, const QString& path, QString* error);

// True when anything, a dangling symbolic link included, exists at path.
bool somethingExistsAt(const QString& path);

// True when path is a symbolic link.
bool isLink(const QString& path);

// The names in folder ("." and ".." left out) in the order the file system
// returns them; empty when the folder cannot be read or holds a name that is
// not UTF-8 (which no text could name again), with the reason in error.
std::optional<QStringList> folderEntries(const QString& folder, QString* error);

// The names in folder that are UTF-8 text, the others left out; empty when the
// folder cannot be read.
QStringList textEntriesOf(const QString& folder);

} // namespace vexo::cipher
