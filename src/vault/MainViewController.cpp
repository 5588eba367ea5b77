#include "vault/MainViewController.h"

#include "platform/Digest.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "store/DefaultLists.h"
#include "store/VaultPaths.h"
#include "vault/NotePackages.h"
#include "vault/Prompt.h"
#include "vault/Reconcile.h"
#include "vault/VaultFolders.h"

#include <QFileInfo>

namespace vexo::vault {

MainViewController::MainViewController(VaultCatalogue& catalogue, QObject* parent)
    : QObject(parent), catalogue_(catalogue) {
    connect(&catalogue_, &VaultCatalogue::driveVaultsDropped, this,
            [this](const QStringList& keys) {
                if (keys.contains(selectGroupName))
                    select(store::kSystemDevicName, 1);
            });
}

bool MainViewController::setUp(bool firstRun) {
    isAscending = true;
    sortType = 1;
    selectGroupIndex = 1;
    selectGroup_ItemIndex = 0;
    selectGroupName = store::kSystemDevicName;
    if (!firstRun && !recreateVaultFolders(catalogue_.prompt()))
        return false;
    // Work that was still running at the last lock recorded its outcome in
    // the catalogue, so a loaded catalogue is kept rather than read again.
    if (catalogue_.groupDirList.isEmpty() && !loadOrCreateLocalLists())
        return false;
    reopenRememberedDriveVaults();
    return true;
}

void MainViewController::lockvexoAction() {
    catalogue_.dropGoneDriveVaults();
}

QString MainViewController::getMD5ForPath(const QString& path) {
    const QString digest = platform::fileDigest(path);
    qCInfo(lcVexo, "MD5:%s", qUtf8Printable(digest));
    return digest;
}

void MainViewController::select(const QString& groupName, qint64 groupIndex) {
    selectGroupName = groupName;
    selectGroupIndex = groupIndex;
    selectGroup_ItemIndex = 0;
    emit selectionChanged();
}

store::GroupModelPtr MainViewController::selectedGroup() const {
    const store::GroupList* groups = nullptr;
    if (selectGroupName == store::kSystemDevicName)
        groups = &catalogue_.groupDirList;
    else if (selectGroupName == store::kSystemDevicNoteName)
        groups = &catalogue_.groupNoteList;
    else if (auto it = catalogue_.UPLibrary.constFind(selectGroupName);
             it != catalogue_.UPLibrary.cend())
        groups = &it.value();
    if (!groups || selectGroupIndex < 0 || selectGroupIndex >= groups->size())
        return nullptr;
    return groups->at(selectGroupIndex);
}

void MainViewController::reopenRememberedDriveVaults() {
    for (const QString& key : platform::Settings::value(platform::keys::KUPNAMES)) {
        const QString folder = platform::volumePath(key);
        qCInfo(lcVexo, "path:%s", qUtf8Printable(folder));
        if (!catalogue_.UPLibrary.contains(key) && QFileInfo::exists(folder))
            catalogue_.moveUpList(driveOfKey(key), key);
    }
}

bool MainViewController::loadOrCreateLocalLists() {
    // The vault is taken before anything is read from it or written to it.
    const QString root = store::AppRootDirKey();
    SessionStart start = SessionStart::Fresh;
    if (QFileInfo(root).isDir()) {
        start = catalogue_.beginSession(root);
        if (start == SessionStart::InUse) {
            catalogue_.tellVaultInUse(root);
            return false;
        }
        removeListWriterLeftovers(root);
    }
    const bool hadFileList = QFileInfo::exists(store::AppGroupDirListPath());
    const bool filesRead = hadFileList && catalogue_.setGroupDirListSource();
    const bool notesRead = filesRead && catalogue_.setNotesListSource();
    if (hadFileList && !(filesRead && notesRead))
        tellListUnreadable();
    if (!filesRead) {
        catalogue_.groupDirList = store::defaultLocalGroupList();
        catalogue_.SaveGroupList(ListSelector::LocalFiles);
    }
    // A vault folder moved by hand keeps its notes.
    if (rebaseNotesMovedWithVault(catalogue_.groupNoteList))
        catalogue_.SaveGroupList(ListSelector::Notes);
    if (start == SessionStart::AfterCut && reconcileWithDisk(catalogue_.groupDirList))
        catalogue_.SaveGroupList(ListSelector::LocalFiles);
    // A vault whose notes list is missing or unreadable starts its notes anew.
    if (catalogue_.groupNoteList.isEmpty()) {
        catalogue_.groupNoteList = store::defaultNoteGroupList();
        catalogue_.SaveGroupList(ListSelector::Notes);
    }
    return true;
}

void MainViewController::vaultFolderMoved(const QString& from, const QString& to,
                                          platform::UniqueFd newHold) {
    catalogue_.moveSession(from, to, std::move(newHold));
    if (rebaseNotesMovedWithVault(catalogue_.groupNoteList))
        catalogue_.SaveGroupList(ListSelector::Notes);
}

void MainViewController::tellListUnreadable() {
    catalogue_.prompt().alert({Prompt::Style::Warning,
                               QStringLiteral("listUnreadable.title"),
                               {},
                               QStringLiteral("listUnreadable.message"),
                               store::AppRootDirKey(),
                               {QStringLiteral("okBtn.Title")}});
}

} // namespace vexo::vault
