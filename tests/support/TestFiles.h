#pragma once

#include <QByteArray>
#include <QString>

#include <sys/resource.h>

namespace vexo::test {

// Writes bytes to path, creating its parent folders; fails the test on error.
void writeFile(const QString& path, const QByteArray& bytes);
// writeFile(folder + "/" + relative, bytes); the file's path.
QString placeFile(const QString& folder, const QString& relative, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// The permission bits of path (st_mode & 07777); -1 when it does not exist.
int unixMode(const QString& path);

// n bytes that differ from run to run but are reproducible from seed.
QByteArray randomBytes(qsizetype n, quint32 seed = 1);

// Every file below folder, as paths relative to it, sorted.
QStringList filesBelow(const QString& folder);

// Limits the size of files this process may write, as RLIMIT_FSIZE does: a
// write past the limit fails with EFBIG. Restores the old limit on destruction.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(qint64 bytes);
    ~ScopedFileSizeLimit();
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

// A small tmpfs mounted at a folder for the lifetime of the object, for real
// free-space figures and a real disk-full. mounted() is false (and the reason
// is in whyNot()) where this process may not mount.
class TmpfsMount {
public:
    TmpfsMount(const QString& folder, qint64 bytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return mounted_; }
    QString whyNot() const { return whyNot_; }

private:
    QString folder_;
    bool mounted_ = false;
    QString whyNot_;
};

} // namespace vexo::test
