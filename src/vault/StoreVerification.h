#pragma once

#include "cipher/StoreCheck.h"
#include "store/FileModel.h"

#include <QList>
#include <QString>

#include <functional>

namespace vexo::vault {

class VaultCatalogue;

// A hidden item whose stored copy is missing or damaged.
struct StoreProblem {
    store::FileModelPtr item;
    cipher::StoreState state = cipher::StoreState::Damaged; // Missing or Damaged
    QString reason;
};

// How a verification ended.
struct VerificationSummary {
    qsizetype checked = 0;        // hidden items whose check ran to its end
    QList<StoreProblem> problems; // in the order of the items
    bool cancelled = false;       // the user's cancel ended it early
};

// Checks the stored copy of every hidden item among items, visible ones
// passed over, one after the other on the catalogue's workers (see
// cipher::checkItemStore). Nothing is written: no file, no list, no record
// field but the run fields, and isCancel when the user cancels. Progress
// reaches the views as a walk's does, and the cancel button
// (encryptCancelBtnAction) ends the verification at the item being checked.
// finished runs on the main thread at the end.
void verifyHiddenItems(VaultCatalogue& catalogue, QList<store::FileModelPtr> items,
                       std::function<void(const VerificationSummary&)> finished);

} // namespace vexo::vault
