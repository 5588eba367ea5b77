#include "cipher/ItemStore.h"

#include "cipher/HiddenFile.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"

#include <QStringList>

#include <algorithm>

namespace vexo::cipher {
namespace {

bool isPlainComponent(const QString& component) {
    return component != QStringLiteral(".") && component != QStringLiteral("..");
}

bool namesAFolderInside(const QString& relative) {
    const QStringList components = relative.split(u'/', Qt::SkipEmptyParts);
    return !components.isEmpty() &&
           std::all_of(components.cbegin(), components.cend(), isPlainComponent);
}

} // namespace

QString itemLeafName(const store::FileModel& item) {
    return item.path.section(u'/', -1, -1);
}

std::optional<QString> checkedItemStore(const store::FileModel& item, QString* error) {
    const QString leaf = itemLeafName(item);
    if (!item.path.startsWith(u'/') || leaf.isEmpty() || !isPlainComponent(leaf)) {
        *error = item.path + QStringLiteral(": not the absolute path of a file or folder");
        return std::nullopt;
    }
    const QString store = store::itemStorePath(item);
    if (!namesAFolderInside(item.encryptedPath) || !store.startsWith(u'/')) {
        *error = item.path + QStringLiteral(": the vault has no valid place for this item (\"") +
                 item.encryptedPath + QStringLiteral("\")");
        return std::nullopt;
    }
    return store;
}

QString storedPathBelow(const QString& itemStore, const store::FileModel& item,
                        const QString& itemPath) {
    return store::joinPath(itemStore, AESPath(store::joinPath(itemLeafName(item), itemPath)));
}

bool runStopped(const store::FileModel& item) {
    return store::HelpClass::sharedInstance().isEditCancel() || item.isCancel.load();
}

} // namespace vexo::cipher
