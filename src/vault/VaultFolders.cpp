#include "vault/VaultFolders.h"

#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "store/VaultPaths.h"
#include "vault/FirstRun.h"
#include "vault/Prompt.h"
#include "vault/VaultMove.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace vexo::vault {
namespace {

void tellRootMadeAgain(Prompt& prompt, const QString& root) {
    prompt.alert({Prompt::Style::Warning,
                  QStringLiteral("vaultRecreated.title"),
                  {},
                  QStringLiteral("vaultRecreated.message"),
                  root,
                  {QStringLiteral("OK")}});
}

bool makeFolder(const QString& folder) {
    if (platform::makePrivatePath(folder)) {
        qCInfo(lcVexo, "创建根目录成功");
        return true;
    }
    qCWarning(lcVexo, "创建根目录失败:%s", std::strerror(errno));
    return false;
}

} // namespace

bool recreateVaultFolders(Prompt& prompt) {
    finishInterruptedVaultMove();
    const QString root = store::AppRootDirKey();
    if (root.isEmpty())
        return true;
    if (!QFileInfo(root).isDir()) {
        if (!createVaultRoot(root, prompt)) {
            qCWarning(lcVexo, "创建根目录失败:%s", qUtf8Printable(root));
            return false;
        }
        qCInfo(lcVexo, "创建根目录成功");
        tellRootMadeAgain(prompt, root);
    }
    const QString notes = store::AppRootNoteDirPath();
    return QFileInfo(notes).isDir() || makeFolder(notes);
}

} // namespace vexo::vault
