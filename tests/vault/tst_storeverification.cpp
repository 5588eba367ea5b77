#include "../cipher/StoreDamage.h"
#include "TestVault.h"
#include "cipher/HiddenFile.h"
#include "platform/Localization.h"
#include "store/HelpClass.h"
#include "store/VaultPaths.h"
#include "support/TestFiles.h"
#include "vault/StoreVerification.h"

#include <QFileInfo>
#include <QSignalSpy>

#include <memory>
#include <optional>

using namespace vexo;
using cipher::StoreState;
using store::FileModelPtr;
using vault::VerificationSummary;

namespace {

// The records as the list file keeps them, with their cancel flags.
QStringList recordsOf(const QList<FileModelPtr>& items) {
    QStringList records;
    for (const auto& item : items)
        records << QStringList{item->path,
                               item->encryptedPath,
                               item->md5CodePath,
                               QString::number(item->fileSize),
                               QString::number(item->isEncrtypt.load()),
                               QString::number(item->isCancel.load())}
                       .join(u'|');
    return records;
}

QString localized(const char* key) {
    return platform::localizedStringForKey(QString::fromUtf8(key));
}

} // namespace

// A vault with three hidden items (a file of several chunks, a text file and
// a folder with nested folders) and one visible item, checked as a whole.
class StoreVerificationTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        base_ = test::scratchRoot() + QStringLiteral("/case-%1").arg(++count_);
        vault_ = std::make_unique<test::TestVault>(base_ + QStringLiteral("/v.vlt"));
        const QStringList paths{
            test::placeFile(base_, QStringLiteral("big.bin"), test::randomBytes(1'600'000, 1)),
            test::placeFile(base_, QStringLiteral("notes.txt"), test::randomBytes(70'000, 2)),
            test::placeFile(base_, QStringLiteral("Docs/x/z/deep.jpg"), test::randomBytes(900, 3)),
            test::placeFile(base_, QStringLiteral("shown.bin"), test::randomBytes(500, 4))};
        test::placeFile(base_, QStringLiteral("Docs/a.bin"), test::randomBytes(300, 5));
        QVERIFY(vault_->addAndWait(
            {paths.at(0), paths.at(1), base_ + QStringLiteral("/Docs"), paths.at(3)}));
        items_ = vault_->catalogue.groupDirList.at(1)->fileModels;
        QCOMPARE(items_.size(), 4);
        std::sort(items_.begin(), items_.end(),
                  [](const auto& a, const auto& b) { return a->name < b->name; });
        // Docs, big.bin, notes.txt, shown.bin; the last one shown again.
        vault_->controller.visableChange(items_.at(3));
        QVERIFY(vault_->waitUntilIdle());
        QVERIFY(items_.at(0)->isEncrtypt && items_.at(1)->isEncrtypt && items_.at(2)->isEncrtypt);
        QVERIFY(!items_.at(3)->isEncrtypt);
    }

    void cleanup() {
        if (vault_)
            vault_->catalogue.workers().waitForDone();
        vault_.reset();
        items_.clear();
    }

    // Intact stores pass; the visible item is passed over. Nothing on disk
    // and nothing in the records changes, not even the cancel flag a hidden
    // item keeps from an unhide the user cancelled, nor does the cancel left
    // over from an earlier run stop this one.
    void anIntactVaultPassesAndNothingChanges() {
        items_.at(2)->isCancel = true;
        store::HelpClass::sharedInstance().setIsEditCancel(true);
        const QStringList disk = test::diskStateBelow(base_);
        const QStringList records = recordsOf(items_);
        QSignalSpy states(&vault_->catalogue, &vault::VaultCatalogue::progressStateChanged);
        QSignalSpy progress(&vault_->catalogue, &vault::VaultCatalogue::itemProgress);

        const auto summary = verifyAndWait(items_);
        QVERIFY(summary);
        QCOMPARE(summary->checked, 3);
        QVERIFY(summary->problems.isEmpty());
        QVERIFY(!summary->cancelled);

        QCOMPARE(test::diskStateBelow(base_), disk);
        QCOMPARE(recordsOf(items_), records);
        QCOMPARE(vault_->prompt.alerts.size(), 0);
        QCOMPARE(states.first(), (QVariantList{localized("process.text"), true}));
        QCOMPARE(states.last(), (QVariantList{localized("Completed"), false}));
        QSet<FileModelPtr> reported;
        for (const QVariantList& report : progress)
            reported << report.at(0).value<FileModelPtr>();
        QCOMPARE(reported, (QSet<FileModelPtr>{items_.at(0), items_.at(1), items_.at(2)}));
    }

    // Each problem names its item, its state and why; the others pass, and
    // the problems are reported, not acted on.
    void damagedAndMissingStoresAreListed() {
        const QString bigStored = cipher::storedPathOf(*items_.at(1), QString());
        test::flipByte(bigStored, QFileInfo(bigStored).size() / 2);
        cipher::removeFile(store::itemStorePath(*items_.at(2)));
        const QStringList disk = test::diskStateBelow(base_);
        const QStringList records = recordsOf(items_);

        const auto summary = verifyAndWait(items_);
        QVERIFY(summary);
        QCOMPARE(summary->checked, 3);
        QVERIFY(!summary->cancelled);
        QCOMPARE(summary->problems.size(), 2);
        const vault::StoreProblem& damaged = summary->problems.at(0);
        QCOMPARE(damaged.item, items_.at(1));
        QCOMPARE(damaged.state, StoreState::Damaged);
        QVERIFY2(damaged.reason.contains(bigStored), qPrintable(damaged.reason));
        const vault::StoreProblem& missing = summary->problems.at(1);
        QCOMPARE(missing.item, items_.at(2));
        QCOMPARE(missing.state, StoreState::Missing);
        QVERIFY2(missing.reason.contains(items_.at(2)->path), qPrintable(missing.reason));

        QCOMPARE(test::diskStateBelow(base_), disk);
        QCOMPARE(recordsOf(items_), records);
        QCOMPARE(vault_->prompt.alerts.size(), 0);
    }

    // The desktop's health check runs the same verification over every open
    // vault and tells the user, naming damaged items by their place.
    void theHealthCheckTellsWhatItFound() {
        vault_->controller.checkVaultAction();
        QVERIFY(QTest::qWaitFor([this] { return !vault_->prompt.alerts.isEmpty(); }, 20000));
        QCOMPARE(vault_->prompt.alertKeys(), QStringList{QStringLiteral("vaultHealthy")});
        QCOMPARE(vault_->prompt.alerts.constFirst().messageArguments, QStringList{u"3"_qs});

        test::cutTail(cipher::storedPathOf(*items_.at(1), QString()), 10);
        vault_->prompt.alerts.clear();
        vault_->controller.checkVaultAction();
        QVERIFY(QTest::qWaitFor([this] { return !vault_->prompt.alerts.isEmpty(); }, 20000));
        QCOMPARE(vault_->prompt.alertKeys(), QStringList{QStringLiteral("vaultDamaged")});
        const auto& told = vault_->prompt.alerts.constFirst();
        QCOMPARE(told.messageArguments, (QStringList{u"1"_qs, u"3"_qs}));
        QVERIFY2(told.informativeText.startsWith(items_.at(1)->path + QStringLiteral(" — ")),
                 qPrintable(told.informativeText));
    }

    // The cancel button ends the verification at the item being checked,
    // changing nothing but that item's cancel flag; the next one runs to its
    // end.
    void theCancelButtonEndsIt() {
        const QList<FileModelPtr> bigFirst{items_.at(1), items_.at(0), items_.at(2)};
        const QStringList disk = test::diskStateBelow(base_);
        QSet<FileModelPtr> observed;
        vault_->catalogue.progressObserver = [&](const FileModelPtr& item, qint64) {
            observed << item;
            vault_->controller.encryptCancelBtnAction();
        };
        QSignalSpy states(&vault_->catalogue, &vault::VaultCatalogue::progressStateChanged);

        const auto cancelled = verifyAndWait(bigFirst);
        QVERIFY(cancelled);
        QVERIFY(cancelled->cancelled);
        QCOMPARE(cancelled->checked, 0);
        QVERIFY(cancelled->problems.isEmpty());
        QCOMPARE(observed, QSet<FileModelPtr>{items_.at(1)});
        QVERIFY(items_.at(1)->isCancel);
        QVERIFY(!items_.at(0)->isCancel);
        QCOMPARE(states.last(), (QVariantList{localized("Cancel"), false}));
        QCOMPARE(test::diskStateBelow(base_), disk);

        vault_->catalogue.progressObserver = nullptr;
        std::optional<VerificationSummary> again;
        vault_->controller.verifyItems(
            bigFirst, [&](const VerificationSummary& summary) { again = summary; });
        QVERIFY(QTest::qWaitFor([&] { return again.has_value(); }, 20'000));
        QVERIFY(!again->cancelled);
        QCOMPARE(again->checked, 3);
        QVERIFY(again->problems.isEmpty());
    }

    // A vault closed while a check runs ends as after a walk: the outcome
    // that can no longer be applied is dropped, and the vault opens again
    // with every item as it was.
    void aVaultClosedMidwayDropsTheOutcome() {
        bool finished = false;
        vault::verifyHiddenItems(vault_->catalogue, items_,
                                 [&finished](const VerificationSummary&) { finished = true; });
        vault_.reset();
        QCoreApplication::processEvents();
        QVERIFY(!finished);

        vault_ = std::make_unique<test::TestVault>(base_ + QStringLiteral("/v.vlt"));
        QCOMPARE(test::TestVault::listedHidden(items_.at(1)->path), std::optional<bool>(true));
        QCOMPARE(test::TestVault::listedHidden(items_.at(3)->path), std::optional<bool>(false));
        const auto summary = verifyAndWait(vault_->catalogue.groupDirList.at(1)->fileModels);
        QVERIFY(summary);
        QCOMPARE(summary->checked, 3);
        QVERIFY(summary->problems.isEmpty());
    }

private:
    std::optional<VerificationSummary> verifyAndWait(const QList<FileModelPtr>& items) {
        auto summary = std::make_shared<std::optional<VerificationSummary>>();
        vault::verifyHiddenItems(vault_->catalogue, items,
                                 [summary](const VerificationSummary& done) { *summary = done; });
        return QTest::qWaitFor([&] { return summary->has_value(); }, 20'000) ? *summary
                                                                             : std::nullopt;
    }

    int count_ = 0;
    QString base_;
    std::unique_ptr<test::TestVault> vault_;
    QList<FileModelPtr> items_;
};

VEXO_TEST_MAIN(StoreVerificationTest)
#include "tst_storeverification.moc"
