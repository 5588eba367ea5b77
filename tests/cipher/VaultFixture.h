#pragma once

#include "DataRows.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "platform/Settings.h"
#include "store/FileModel.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>

#include <dirent.h>
#include <memory>

namespace vexo::test {

using Snapshot = QMap<QString, QByteArray>;

// A local vault in a fresh folder with a known master password.
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
    QString storeOf(const store::FileModelPtr& item) const {
        return vaultRoot_ + u'/' + item->encryptedPath;
    }

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

    // A folder item holding entries: files of 100, 200, 300... bytes by
    // their place in the list, and empty folders for names ending in "/".
    store::FileModelPtr folderItem(const QString& relative, const QStringList& entries) const {
        const QString folder = path(relative);
        QDir().mkpath(folder);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries.at(i).endsWith(u'/'))
                QDir(folder).mkpath(entries.at(i));
            else
                writeFile(folder + u'/' + entries.at(i), randomBytes(100 * (i + 1), i));
        }
        return itemFor(folder);
    }

private:
    QTemporaryDir dir_;
    QString vaultRoot_;
};

// Hides item and removes its source, as the flow does after a hide.
inline bool hideAndRemove(const store::FileModelPtr& item) {
    if (cipher::EncryptAESAtFilemodel(item, QString()).outcome != cipher::WalkOutcome::Succeeded)
        return false;
    cipher::removeFile(item->path);
    return true;
}

// Hides item, then unhides it, expecting both to succeed.
inline void roundTrip(const store::FileModelPtr& item) {
    QCOMPARE(cipher::EncryptAESAtFilemodel(item, QString()).outcome,
             cipher::WalkOutcome::Succeeded);
    QVERIFY2(QDir().rename(item->path, item->path + QStringLiteral(".original")),
             qPrintable(item->path));
    QCOMPARE(cipher::DeCodeAESAtFilemodel(item, QString()).outcome, cipher::WalkOutcome::Succeeded);
}

// Every file below folder (or folder itself when it is a file) with its bytes.
inline Snapshot contentsBelow(const QString& folder) {
    Snapshot contents;
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

} // namespace vexo::test
