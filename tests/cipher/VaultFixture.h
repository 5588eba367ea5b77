#pragma once

#include "cipher/FolderWalk.h"
#include "platform/Settings.h"
#include "store/FileModel.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <memory>

namespace vexo::test {

// A local vault in a fresh folder with a known master password, and the
// helpers the engine tests share.
class VaultFixture {
public:
    VaultFixture() {
        vaultRoot_ = dir_.filePath(QStringLiteral("Vault.vlt"));
        QDir().mkpath(vaultRoot_);
        platform::Settings::setValue(platform::keys::kRootDirKey, vaultRoot_);
        platform::Settings::setValue(platform::keys::kSOUREPASSWORD, QStringLiteral("secret"));
        store::HelpClass::sharedInstance().setIsEditCancel(false);
    }

    QString vaultRoot() const { return vaultRoot_; }
    QString path(const QString& relative) const { return dir_.filePath(relative); }

    // A visible item for path in group folder "77-1700000000" of its vault.
    static store::FileModelPtr
    itemFor(const QString& path, const QString& groupName = QStringLiteral("systemDevicName")) {
        auto item = std::make_shared<store::FileModel>();
        item->path = path;
        item->name = path.section(u'/', -1, -1);
        item->groupName = groupName;
        item->encryptedPath = QStringLiteral("77-1700000000/") + QString::number(qHash(path));
        return item;
    }

private:
    QTemporaryDir dir_;
    QString vaultRoot_;
};

// Every file below folder (or folder itself when it is a file) with its bytes.
inline QMap<QString, QByteArray> contentsBelow(const QString& folder) {
    QMap<QString, QByteArray> contents;
    if (QFileInfo(folder).isFile())
        contents.insert(QString(), readFile(folder));
    for (const QString& file : filesBelow(folder))
        contents.insert(file, readFile(folder + u'/' + file));
    return contents;
}

// Every entry below folder (file, folder or link) named as a temporary entry.
inline QStringList temporaryEntriesBelow(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName().contains(QStringLiteral(".vexo-")))
            found << path;
    }
    return found;
}

// The names in folder in the order the file system lists them.
inline QStringList listingOrder(const QString& folder) {
    QStringList names;
    if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QString name = QFile::decodeName(entry->d_name);
            if (name != QStringLiteral(".") && name != QStringLiteral(".."))
                names << name;
        }
        ::closedir(dir);
    }
    return names;
}

// Hides item, then unhides it, expecting both to succeed.
inline void roundTrip(const store::FileModelPtr& item) {
    QCOMPARE(cipher::EncryptAESAtFilemodel(item, QString()).outcome,
             cipher::WalkOutcome::Succeeded);
    QVERIFY2(QDir().rename(item->path, item->path + QStringLiteral(".original")),
             qPrintable(item->path));
    QCOMPARE(cipher::DeCodeAESAtFilemodel(item, QString()).outcome, cipher::WalkOutcome::Succeeded);
}

} // namespace vexo::test
