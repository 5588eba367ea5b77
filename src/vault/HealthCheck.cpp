// The desktop's health check: the verification vexo-cli verify runs, over
// every hidden item of every open vault, told to the user at its end.
#include "vault/ItemRuns.h"
#include "vault/MainViewController.h"
#include "vault/Prompt.h"
#include "vault/StoreVerification.h"
#include "vault/VaultCatalogue.h"

namespace vexo::vault {
namespace {

// At most this many problems are named; the count says how many there are.
constexpr qsizetype kProblemsNamed = 20;

QString problemLines(const QList<StoreProblem>& problems) {
    QStringList lines;
    for (const StoreProblem& problem : problems.first(std::min(problems.size(), kProblemsNamed)))
        lines << problem.item->path + QStringLiteral(" — ") + problem.reason;
    if (problems.size() > kProblemsNamed)
        lines << QStringLiteral("…");
    return lines.join(u'\n');
}

} // namespace

void MainViewController::checkVaultAction() {
    QList<store::FileModelPtr> items;
    QList<store::GroupList> vaults = catalogue_.UPLibrary.values();
    vaults.prepend(catalogue_.groupDirList);
    for (const store::GroupList& groups : vaults)
        for (const store::GroupModelPtr& group : groups)
            for (const store::FileModelPtr& item : group->fileModels)
                if (!items.contains(item))
                    items << item;
    Prompt& prompt = catalogue_.prompt();
    verifyItems(items, [&prompt](const VerificationSummary& summary) {
        if (summary.cancelled)
            return;
        if (summary.problems.isEmpty())
            tell(prompt, QStringLiteral("vaultHealthy"), {}, {QString::number(summary.checked)});
        else
            tell(prompt, QStringLiteral("vaultDamaged"), problemLines(summary.problems),
                 {QString::number(summary.problems.size()), QString::number(summary.checked)});
    });
}

} // namespace vexo::vault
