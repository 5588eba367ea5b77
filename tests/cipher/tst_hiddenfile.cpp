#include "VaultFixture.h"
#include "cipher/KeyText.h"
#include "support/TestEnvironment.h"

#include <QLoggingCategory>

using namespace vexo::cipher;
using namespace vexo::test;

namespace {

void setPassword(const QString& password) {
    vexo::platform::Settings::setValue(vexo::platform::keys::kSOUREPASSWORD, password);
}

// The stored form built from its definition: the key text enciphered under
// the header key, the content (enciphered under the padded password for a
// single text-like item), the key text under the footer key.
QByteArray storedFormOf(const QString& password, const QByteArray& content, bool enciphered) {
    const QByteArray keyText =
        (QStringLiteral("4.2.7_3c:22:fb:01:02:03_data_") + paddedPassword(password)).toUtf8();
    const auto body = enciphered ? AES128EncryptWithKey(paddedPassword(password), content)
                                 : std::optional(content);
    return AES128EncryptWithKey(QStringLiteral("zupmarkhelioquant"), keyText).value() +
           body.value() +
           AES128EncryptWithKey(QStringLiteral("tailmarkvesperion"), keyText).value();
}

void expectChunkMessages() {
    for (const char* message : {"继续", "继续", "读取完成"})
        QTest::ignoreMessage(QtDebugMsg, message);
}

} // namespace

class HiddenFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vault_ = std::make_unique<VaultFixture>(); }

    void storedNamesSwapCharactersPairwise_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stored");
        addRow("report", "report.pdf", "eroptrp.fd");
        addRow("two components", "a/bc", "a/cb");
        addRow("photo", "photo.jpg", "hpto.opjg");
        addRow("folder item file", "Docs/x/y.txt", "oDsc/x/.yxtt");
        addRow("leading slash", "/ab/cde", "ba/dce");
        addRow("empty components", "a//bc/", "a/cb");
        addRow("one character", "x", "x");
        addRow("empty", "", "");
        addRow("cjk", "日本語.txt", "本日.語xtt");
        addRow("surrogate pair", "😀ab", "a😀b");
    }
    void storedNamesSwapCharactersPairwise() {
        QFETCH(QString, path);
        QFETCH(QString, stored);
        QCOMPARE(AESPath(path), stored);
        QCOMPARE(AESPath(stored), path.split(u'/', Qt::SkipEmptyParts).join(u'/'));
    }

    // Every stored file is exactly its stored form, whatever the master
    // password, under the scrambled path below the store. A file built from
    // that definition unhides under a later password of another length and
    // on another computer: its key comes from its header.
    void storedFilesHaveTheirExactForm_data() {
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<QString>("fileInItem");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("password");
        addRow("empty file", "empty.bin", "", "metp.yibn", 0, "secret");
        addRow("empty text", "empty.txt", "", "metp.yxtt", 0, "secret");
        addRow("20-byte text", "a.txt", "", ".axtt", 20, "secret");
        addRow("text in a text-named folder", "Docs.txt", "x/y.txt", "oDsct.tx/x/.yxtt", 20,
               "secret");
        addRow("binary", "photo.jpg", "", "hpto.opjg", 1000, "secret");
        for (const QString& password :
             {QString(30, u'q'), QString(45, u'p'), QStringLiteral("x_data_y"),
              QStringLiteral("密码_data_密码")}) {
            addRow(qPrintable(QStringLiteral("text, ") + password), "a.txt", "", ".axtt", 3000,
                   password);
            addRow(qPrintable(QStringLiteral("binary, ") + password), "a.bin", "", ".aibn", 3000,
                   password);
        }
    }
    void storedFilesHaveTheirExactForm() {
        QFETCH(QString, itemName);
        QFETCH(QString, fileInItem);
        QFETCH(QString, storedName);
        QFETCH(int, size);
        QFETCH(QString, password);
        setPassword(password);
        const auto item = VaultFixture::itemFor(vault_->path(itemName));
        const QString file = vexo::store::joinPath(item->path, fileInItem);
        const QByteArray content = randomBytes(size, 6);
        writeFile(file, content);
        QVERIFY(hideAndRemove(item));

        const QString store = vault_->storeOf(item);
        const QString stored = store + u'/' + storedName;
        QCOMPARE(storedPathOf(*item, fileInItem), stored);
        QStringList storedFiles{storedName, QStringLiteral(".attributes")};
        storedFiles.sort();
        QCOMPARE(filesBelow(store), storedFiles);
        QCOMPARE(unixMode(stored), 0600);
        QCOMPARE(unixMode(store + QStringLiteral("/.attributes")), 0600);
        QCOMPARE(unixMode(store), 0700);
        const bool enciphered = fileInItem.isEmpty() && itemName.endsWith(QStringLiteral(".txt"));
        QCOMPARE(readFile(stored), storedFormOf(password, content, enciphered));

        const QByteArray other = randomBytes(2000, 7);
        writeFile(stored, storedFormOf(password, other, enciphered));
        setPassword(password.size() > 30 ? QStringLiteral("later") : QString(40, u'L'));
        qputenv("VEXO_MAC_ADDRESS", "0a:0b:0c:0d:0e:0f");
        const WalkResult result = DeCodeAESAtFilemodel(item, QString());
        qputenv("VEXO_MAC_ADDRESS", kTestMacAddress.toLatin1());
        QCOMPARE(result.outcome, WalkOutcome::Succeeded);
        QCOMPARE(readFile(file), other);
    }

    // A master password too long for the header that unhiding reads back
    // fails the hide rather than store a file that cannot come back.
    void passwordsTooLongForTheHeaderFailTheHide() {
        setPassword(QString(70000, u'p'));
        const auto item = VaultFixture::itemFor(vault_->path(QStringLiteral("a.bin")));
        writeFile(item->path, "content");
        const WalkResult result = EncryptAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY(!result.reason.isEmpty());
        QVERIFY(!QFileInfo::exists(storedPathOf(*item, QString())));
        QCOMPARE(readFile(item->path), QByteArray("content"));
    }

    // A big file moves in 512000-byte chunks, one progress report each.
    void bigFilesAreCopiedInChunks_data() {
        QTest::addColumn<QString>("name");
        addRow("plain body", "big.bin");
        addRow("enciphered body", "big.txt");
    }
    void bigFilesAreCopiedInChunks() {
        QFETCH(QString, name);
        QLoggingCategory::setFilterRules(QStringLiteral("vexo.debug=true"));
        const auto item = VaultFixture::itemFor(vault_->path(name));
        const QByteArray content = randomBytes(1200000, 9);
        writeFile(item->path, content);
        QList<QPair<qint64, qint64>> reports;
        const auto record = [&](qint64 index, float) {
            reports << qMakePair(index, item->currentEncryptSize.load());
        };
        expectChunkMessages();
        QCOMPARE(EncryptAESAtFilemodel(item, QString(), record).outcome, WalkOutcome::Succeeded);
        QCOMPARE(reports, (QList<QPair<qint64, qint64>>{{1, 512000}, {1, 1024000}, {1, 1200000}}));

        QVERIFY(QFile::remove(item->path));
        reports.clear();
        item->currentEncryptSize = 0;
        expectChunkMessages();
        QCOMPARE(DeCodeAESAtFilemodel(item, QString(), 0, record).outcome, WalkOutcome::Succeeded);
        QCOMPARE(reports.size(), 3);
        QVERIFY(reports.last().second >= 1200000);
        QCOMPARE(readFile(item->path), content);
        QLoggingCategory::setFilterRules(QStringLiteral("vexo.debug=false"));
    }

    // Used on their own, the per-file steps flag a failure on the item.
    void perFileStepsFlagTheirFailures() {
        const auto item = VaultFixture::itemFor(vault_->path(QStringLiteral("one.bin")));
        writeFile(item->path, "content");
        jiami(item, QString(), false);
        QVERIFY(QFile::rename(item->path, item->path + QStringLiteral(".original")));
        jiemi(item, QString(), false);
        QVERIFY(!item->isCancel);
        QCOMPARE(readFile(item->path), QByteArray("content"));

        writeFile(item->path, "taken");
        jiemi(item, QString(), false);
        QVERIFY(item->isCancel);
        QCOMPARE(readFile(item->path), QByteArray("taken"));

        item->isCancel = false;
        QVERIFY(QFile::remove(item->path));
        jiami(item, QString(), false);
        QVERIFY(item->isCancel);
    }

private:
    std::unique_ptr<VaultFixture> vault_;
};

VEXO_TEST_MAIN(HiddenFileTest)
#include "tst_hiddenfile.moc"
