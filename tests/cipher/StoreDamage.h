#pragma once

#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <QTest>

#include <sys/stat.h>

namespace vexo::test {

// Inverts the bits of the byte at offset of the file at path.
inline void flipByte(const QString& path, qint64 offset) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadWrite) && file.seek(offset), qPrintable(path));
    char byte = 0;
    QVERIFY(file.getChar(&byte) && file.seek(offset) && file.putChar(static_cast<char>(~byte)));
}

// Cuts the last bytes off the file at path.
inline void cutTail(const QString& path, qint64 bytes) {
    QVERIFY2(QFile::resize(path, QFileInfo(path).size() - bytes), qPrintable(path));
}

// Every entry at and below folder (links not followed) with its kind and
// mode, size and modification time: a run that writes nothing leaves this
// as it found it.
inline QStringList diskStateBelow(const QString& folder) {
    QStringList state;
    const auto add = [&state](const QString& path) {
        struct stat info {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            return;
        state << QStringLiteral("%1 %2 %3 %4.%5")
                     .arg(path)
                     .arg(info.st_mode, 0, 8)
                     .arg(info.st_size)
                     .arg(info.st_mtim.tv_sec)
                     .arg(info.st_mtim.tv_nsec);
    };
    add(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        add(it.next());
    state.sort();
    return state;
}

} // namespace vexo::test
