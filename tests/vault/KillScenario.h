#pragma once

// The vault both sides of the kill test agree on: where it lies, which items
// it holds and what each one must contain.

#include "platform/VolumesRoot.h"
#include "support/TestFiles.h"

#include <QString>
#include <QStringList>

namespace vexo::test::kill {

inline const QString kDrive = QStringLiteral("KILLDRIVE");
inline const QString kDriveVault = QStringLiteral("Vault.vlt");

inline QString driveKey() {
    return kDrive + u'/' + kDriveVault;
}

struct ExpectedFile {
    QString path;
    QByteArray content;
};

// Every file of every item, below base (local items) or on the drive.
inline QList<ExpectedFile> expectedFiles(const QString& base) {
    const QString drive = platform::volumePath(kDrive);
    QList<ExpectedFile> files{
        {base + QStringLiteral("/files/movie.bin"), randomBytes(1'400'000, 11)},
        {base + QStringLiteral("/files/letter.txt"), QByteArray(300'000, 'w')},
        {drive + QStringLiteral("/trip/route.bin"), randomBytes(700'000, 12)},
    };
    for (int i = 0; i < 10; ++i)
        files.append({base + QStringLiteral("/files/album/%1/%2.jpg").arg(i % 3).arg(i),
                      randomBytes(20'000 + 45'000 * i, 20 + i)});
    return files;
}

// The items as added: two single files, a folder and a drive file.
inline QStringList itemPaths(const QString& base) {
    return {base + QStringLiteral("/files/movie.bin"), base + QStringLiteral("/files/letter.txt"),
            base + QStringLiteral("/files/album"),
            platform::volumePath(kDrive) + QStringLiteral("/trip/route.bin")};
}

} // namespace vexo::test::kill
