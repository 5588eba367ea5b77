// verify: checks hidden items' stored copies, writing nothing.

#include "cli/Commands.h"
#include "cli/Context.h"
#include "cli/ExitCode.h"
#include "cli/Numbering.h"
#include "cli/Session.h"
#include "vault/StoreVerification.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

namespace vexo::cli {
namespace {

const QString kCommand = QStringLiteral("verify");

QString stateName(cipher::StoreState state) {
    return state == cipher::StoreState::Missing ? QStringLiteral("missing")
                                                : QStringLiteral("damaged");
}

void printSummary(const vault::VerificationSummary& summary, const QList<NumberedItem>& numbered,
                  bool json) {
    QHash<const store::FileModel*, qint64> numbers;
    for (const NumberedItem& each : numbered)
        numbers.insert(each.item.get(), each.number);
    if (json) {
        QJsonArray problems;
        for (const vault::StoreProblem& problem : summary.problems)
            problems.append(QJsonObject{
                {QStringLiteral("number"), numbers.value(problem.item.get())},
                {QStringLiteral("path"), problem.item->path},
                {QStringLiteral("state"), stateName(problem.state)},
                {QStringLiteral("reason"), problem.reason},
            });
        printJson(
            {{QStringLiteral("checked"), summary.checked}, {QStringLiteral("problems"), problems}});
        return;
    }
    for (const vault::StoreProblem& problem : summary.problems)
        print(
            problem.state == cipher::StoreState::Missing
                ? textOf(QStringLiteral("cli.storeMissing"), {problem.item->path})
                : textOf(QStringLiteral("cli.storeDamaged"), {problem.item->path, problem.reason}));
    print(textOf(QStringLiteral("cli.verified")).arg(summary.checked).arg(summary.problems.size()));
}

} // namespace

int runVerify(Context& context, const QStringList& words) {
    const auto options = commandOptions(kCommand, words, {}, {QStringLiteral("--json")}, 0, -1);
    if (!options)
        return kUsage;
    Session session(context);
    if (const int opened = session.open(); opened != kDone)
        return opened;
    const QList<NumberedItem> numbered = numberedItems(session.controller);
    const auto named = options->positionals.isEmpty() ? std::optional(numbered)
                                                      : findItems(numbered, options->positionals);
    if (!named)
        return kFailed;
    QList<store::FileModelPtr> items;
    for (const NumberedItem& each : *named)
        items << each.item;
    std::optional<vault::VerificationSummary> summary;
    session.controller.verifyItems(
        items, [&summary](const vault::VerificationSummary& result) { summary = result; });
    session.waitUntil([&summary] { return summary.has_value(); });
    if (summary->cancelled) {
        tell(textOf(QStringLiteral("cli.cancelled")));
        return kFailed;
    }
    printSummary(*summary, numbered, options->flags.contains(QStringLiteral("--json")));
    return summary->problems.isEmpty() ? kDone : kFailed;
}

} // namespace vexo::cli
