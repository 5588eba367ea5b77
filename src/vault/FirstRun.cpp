#include "vault/FirstRun.h"

#include "access/PasswordStore.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "platform/VolumesRoot.h"
#include "vault/Prompt.h"
#include "vault/VaultCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace vexo::vault {
namespace {

void tellNotCreated(Prompt& prompt, const QString& root, const QString& reason) {
    const bool ntfs =
        platform::isOnVolumes(root) && isNtfsDrive(platform::volumeNameOf(root), nullptr);
    prompt.alert({Prompt::Style::Warning,
                  QStringLiteral("NTFErrorTitle"),
                  {},
                  ntfs ? QStringLiteral("NTFErrorMessage") : QString(),
                  ntfs ? QString() : reason,
                  {QStringLiteral("OK")}});
}

} // namespace

Prompt::SaveChoice vaultFolderChoice() {
    return {QStringLiteral("My Vault"), QStringLiteral("SavePanel.message"),
            QDir::homePath() + QStringLiteral("/Movies"), true, true};
}

QString vaultRootForChoice(const QString& chosen) {
    return chosen.endsWith(QStringLiteral(".vlt")) ? chosen : chosen + QStringLiteral(".vlt");
}

bool createVaultRoot(const QString& root, Prompt& prompt) {
    const QFileInfo existing(root);
    if (existing.exists() || existing.isSymLink()) {
        qCInfo(lcVexo, "createFolder.error:%s", "(null)");
        if (existing.isDir())
            return true;
        tellNotCreated(prompt, root, root + QStringLiteral(": something other than a folder"));
        return false;
    }
    // The vault folder and the folders made for it are the user's alone.
    const bool made = platform::makePrivatePath(root);
    const QString reason = made ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    qCInfo(lcVexo, "createFolder.error:%s", made ? "(null)" : qUtf8Printable(reason));
    if (made)
        return true;
    tellNotCreated(prompt, root, root + QStringLiteral(": ") + reason);
    return false;
}

void storeFirstRun(const QString& root, const QString& password, const QString& hint) {
    using platform::Settings;
    namespace keys = platform::keys;
    Settings::setValue(keys::kRootDirKey, root);
    Settings::setValue(keys::mainWindowSizeWidth, 800.0);
    Settings::setValue(keys::mainWindowSizeHeight, 500.0);
    if (!hint.isEmpty())
        access::replacePasswordHint(hint);
    access::markFirstRunFinished();
    access::replaceStoredPassword(password);
}

} // namespace vexo::vault
