#include "VaultFixture.h"
#include "cipher/FolderWalk.h"
#include "cipher/HiddenFile.h"
#include "cipher/KeyText.h"
#include "platform/Digest.h"
#include "platform/Settings.h"
#include "support/TestEnvironment.h"

#include <QLoggingCategory>

using namespace vexo::cipher;
using vexo::store::FileModelPtr;
using vexo::test::readFile;
using vexo::test::writeFile;

namespace {

const QString kHeaderKey = QStringLiteral("zupmarkhelioquant");
const QString kFooterKey = QStringLiteral("tailmarkvesperion");

QString keyTextFor(const QString& password) {
    return QStringLiteral("4.2.7_3c:22:fb:01:02:03_data_") + paddedPassword(password);
}

void setPassword(const QString& password) {
    vexo::platform::Settings::setValue(vexo::platform::keys::kSOUREPASSWORD, password);
}

// The stored form built step by step from its definition: the key text
// enciphered under the header key, the content (enciphered under the padded
// password for a single text-like item), the key text under the footer key.
QByteArray storedFormOf(const QString& password, const QByteArray& content, bool enciphered) {
    const QByteArray keyText = keyTextFor(password).toUtf8();
    const auto body = enciphered ? AES128EncryptWithKey(paddedPassword(password), content)
                                 : std::optional(content);
    return AES128EncryptWithKey(kHeaderKey, keyText).value() + body.value() +
           AES128EncryptWithKey(kFooterKey, keyText).value();
}

} // namespace

class HiddenFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vault_ = std::make_unique<vexo::test::VaultFixture>(); }

    void storedNamesSwapCharactersPairwise_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stored");
        QTest::newRow("report") << "report.pdf"
                                << "eroptrp.fd";
        QTest::newRow("two components") << "a/bc"
                                        << "a/cb";
        QTest::newRow("photo") << "photo.jpg"
                               << "hpto.opjg";
        QTest::newRow("folder item file") << "Docs/x/y.txt"
                                          << "oDsc/x/.yxtt";
        QTest::newRow("leading slash") << "/ab/cde"
                                       << "ba/dce";
        QTest::newRow("empty components") << "a//bc/"
                                          << "a/cb";
        QTest::newRow("one character") << "x"
                                       << "x";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("cjk") << QStringLiteral("日本語.txt") << QStringLiteral("本日.語xtt");
        QTest::newRow("surrogate pair") << QStringLiteral("😀ab") << QStringLiteral("a😀b");
    }

    void storedNamesSwapCharactersPairwise() {
        QFETCH(QString, path);
        QFETCH(QString, stored);
        QCOMPARE(AESPath(path), stored);
        QCOMPARE(AESPath(stored), path.split(u'/', Qt::SkipEmptyParts).join(u'/'));
    }

    // header | body | footer: the key text enciphered under the two fixed key
    // texts around the content, which only a single text-like item enciphers.
    void storedFilesHaveTheirExactLayout_data() {
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<QString>("fileInItem");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<qint64>("storedSize");
        QTest::addColumn<bool>("enciphered");
        QTest::newRow("empty file") << "empty.bin"
                                    << "" << QByteArray() << "metp.yibn" << qint64(128) << false;
        QTest::newRow("empty text") << "empty.txt"
                                    << "" << QByteArray() << "metp.yxtt" << qint64(144) << true;
        QTest::newRow("20-byte text")
            << "a.txt"
            << "" << QByteArray(20, 'x') << ".axtt" << qint64(160) << true;
        QTest::newRow("text in a folder")
            << "Docs"
            << "x/y.txt" << QByteArray(20, 'x') << "oDsc/x/.yxtt" << qint64(148) << false;
        QTest::newRow("binary") << "photo.jpg"
                                << "" << vexo::test::randomBytes(1000) << "hpto.opjg"
                                << qint64(1128) << false;
    }

    void storedFilesHaveTheirExactLayout() {
        QFETCH(QString, itemName);
        QFETCH(QString, fileInItem);
        QFETCH(QByteArray, content);
        QFETCH(QString, storedName);
        QFETCH(qint64, storedSize);
        QFETCH(bool, enciphered);
        const auto item = vexo::test::VaultFixture::itemFor(vault_->path(itemName));
        writeFile(vexo::store::joinPath(item->path, fileInItem), content);
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);

        // Exactly one stored file, named by the scrambled path below the store.
        const QString store = vault_->vaultRoot() + u'/' + item->encryptedPath;
        const QString stored = store + u'/' + storedName;
        QCOMPARE(storedPathOf(*item, fileInItem), stored);
        QCOMPARE(vexo::test::filesBelow(store), QStringList{storedName});
        const QByteArray bytes = readFile(stored);
        QCOMPARE(bytes.size(), storedSize);
        QCOMPARE(vexo::test::unixMode(stored), 0600);
        QCOMPARE(vexo::test::unixMode(store), 0700);
        const QByteArray keyText = keyTextFor(QStringLiteral("secret")).toUtf8();
        QCOMPARE(AES128DecodeWithKey(kHeaderKey, bytes.left(64)), keyText);
        QCOMPARE(AES128DecodeWithKey(kFooterKey, bytes.right(64)), keyText);
        const QByteArray body = bytes.mid(64, bytes.size() - 128);
        QCOMPARE(enciphered ? AES128DecodeWithKey(paddedPassword(QStringLiteral("secret")), body)
                            : std::optional(body),
                 content);
    }

    // Whatever the master password, a stored file is exactly the stored form
    // of its definition, and a file built from that definition unhides.
    void storedFormHoldsForEveryPassword_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        const QStringList passwords = {QStringLiteral("secret"), QString(30, u'q'),
                                       QString(45, u'p'), QStringLiteral("x_data_y"),
                                       QStringLiteral("密码_data_密码")};
        for (const QString& name : {QStringLiteral("a.txt"), QStringLiteral("a.bin")}) {
            for (const QString& password : passwords)
                QTest::addRow("%s, %s", qPrintable(name), qPrintable(password)) << name << password;
        }
    }

    void storedFormHoldsForEveryPassword() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        const bool enciphered = name.endsWith(QStringLiteral(".txt"));
        setPassword(password);
        const auto item = vexo::test::VaultFixture::itemFor(vault_->path(name));
        const QByteArray content = vexo::test::randomBytes(3000, 6);
        writeFile(item->path, content);
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        const QString stored = storedPathOf(*item, QString());
        QCOMPARE(readFile(stored), storedFormOf(password, content, enciphered));

        QVERIFY(QFile::remove(item->path));
        const QByteArray other = vexo::test::randomBytes(2000, 7);
        writeFile(stored, storedFormOf(password, other, enciphered));
        setPassword(QStringLiteral("a later password"));
        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QCOMPARE(readFile(item->path), other);
    }

    // A master password too long for the header that unhiding reads back
    // fails the hide rather than store a file that cannot come back.
    void passwordsTooLongForTheHeaderFailTheHide() {
        setPassword(QString(70000, u'p'));
        const auto item = vexo::test::VaultFixture::itemFor(vault_->path(QStringLiteral("a.bin")));
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
        QTest::newRow("plain body") << "big.bin";
        QTest::newRow("enciphered body") << "big.txt";
    }

    void bigFilesAreCopiedInChunks() {
        QFETCH(QString, name);
        QLoggingCategory::setFilterRules(QStringLiteral("vexo.debug=true"));
        const auto item = vexo::test::VaultFixture::itemFor(vault_->path(name));
        const QByteArray content = vexo::test::randomBytes(1200000, 9);
        writeFile(item->path, content);
        const QString digest = vexo::platform::fileDigest(item->path);

        QList<QPair<qint64, qint64>> reports;
        const auto record = [&](qint64 index, float) {
            reports << qMakePair(index, item->currentEncryptSize.load());
        };
        QTest::ignoreMessage(QtDebugMsg, "继续");
        QTest::ignoreMessage(QtDebugMsg, "继续");
        QTest::ignoreMessage(QtDebugMsg, "读取完成");
        QCOMPARE(EncryptAESAtFilemodel(item, QString(), record).outcome, WalkOutcome::Succeeded);
        const QList<QPair<qint64, qint64>> expected = {{1, 512000}, {1, 1024000}, {1, 1200000}};
        QCOMPARE(reports, expected);

        QVERIFY(QFile::rename(item->path, item->path + QStringLiteral(".original")));
        reports.clear();
        item->currentEncryptSize = 0;
        QTest::ignoreMessage(QtDebugMsg, "继续");
        QTest::ignoreMessage(QtDebugMsg, "继续");
        QTest::ignoreMessage(QtDebugMsg, "读取完成");
        QCOMPARE(DeCodeAESAtFilemodel(item, QString(), 0, record).outcome, WalkOutcome::Succeeded);
        QCOMPARE(reports.size(), 3);
        QVERIFY(reports.last().second >= 1200000);
        QCOMPARE(vexo::platform::fileDigest(item->path), digest);
        QLoggingCategory::setFilterRules(QStringLiteral("vexo.debug=false"));
    }

    // The header carries the key text of the moment: another master password
    // (of another length) and another computer still unhide the file.
    void filesComeBackUnderAnotherPasswordAndComputer_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("laterPassword");
        QTest::newRow("binary, short password") << "a.bin"
                                                << "other";
        QTest::newRow("text, short password") << "a.txt"
                                              << "other";
        QTest::newRow("text, long password") << "b.txt" << QString(45, u'p');
        QTest::newRow("text, non-ascii password") << "c.md" << QStringLiteral("密码密码_data_密码");
    }

    void filesComeBackUnderAnotherPasswordAndComputer() {
        QFETCH(QString, name);
        QFETCH(QString, laterPassword);
        setPassword(QStringLiteral("x_data_y"));
        const auto item = vexo::test::VaultFixture::itemFor(vault_->path(name));
        writeFile(item->path, vexo::test::randomBytes(70000, 4));
        const QString digest = vexo::platform::fileDigest(item->path);
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QVERIFY(QFile::remove(item->path));

        setPassword(laterPassword);
        qputenv("VEXO_MAC_ADDRESS", "0a:0b:0c:0d:0e:0f");
        const WalkResult result = DeCodeAESAtFilemodel(item, QString());
        qputenv("VEXO_MAC_ADDRESS", vexo::test::kTestMacAddress.toLatin1());
        QCOMPARE(result.outcome, WalkOutcome::Succeeded);
        QCOMPARE(vexo::platform::fileDigest(item->path), digest);
    }

    // A stored file that is damaged, cut short or foreign fails its unhide,
    // leaves nothing at the item's place and keeps the store as it was.
    void damagedStoredFilesFailTheirUnhide_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("damage");
        QTest::newRow("header byte") << "a.bin" << 0;
        QTest::newRow("footer byte") << "a.bin" << 1;
        QTest::newRow("last byte cut") << "a.bin" << 2;
        QTest::newRow("shorter than header and footer") << "a.bin" << 3;
        QTest::newRow("text body does not decipher") << "a.txt" << 4;
        QTest::newRow("text body not whole blocks") << "a.txt" << 5;
    }

    void damagedStoredFilesFailTheirUnhide() {
        QFETCH(QString, name);
        QFETCH(int, damage);
        const auto item = vexo::test::VaultFixture::itemFor(vault_->path(name));
        writeFile(item->path, vexo::test::randomBytes(5000, 8));
        QCOMPARE(EncryptAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QVERIFY(QFile::remove(item->path));

        const QString stored = storedPathOf(*item, QString());
        QByteArray bytes = readFile(stored);
        switch (damage) {
        case 0:
            bytes[5] = static_cast<char>(bytes[5] ^ 0x40);
            break;
        case 1:
            bytes[bytes.size() - 20] = static_cast<char>(bytes[bytes.size() - 20] ^ 1);
            break;
        case 2:
            bytes.chop(1);
            break;
        case 3:
            bytes = bytes.left(100);
            break;
        case 4:
            bytes[bytes.size() - 70] = static_cast<char>(bytes[bytes.size() - 70] ^ 1);
            break;
        case 5:
            bytes.remove(100, 1);
            break;
        }
        writeFile(stored, bytes);
        const auto storeBefore = vexo::test::contentsBelow(vault_->vaultRoot());

        const WalkResult result = DeCodeAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY(result.reason.contains(stored));
        QVERIFY(item->isCancel);
        QVERIFY(!QFileInfo::exists(item->path));
        QCOMPARE(vexo::test::filesBelow(vault_->path(QString())).filter(QStringLiteral(".vexo-")),
                 QStringList());
        QCOMPARE(vexo::test::contentsBelow(vault_->vaultRoot()), storeBefore);
    }

    // Used on their own, the per-file steps flag a failure on the item.
    void perFileStepsFlagTheirFailures() {
        const auto item =
            vexo::test::VaultFixture::itemFor(vault_->path(QStringLiteral("one.bin")));
        writeFile(item->path, "content");
        jiami(item, QString(), false);
        QVERIFY(!item->isCancel);
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
    std::unique_ptr<vexo::test::VaultFixture> vault_;
};

VEXO_TEST_MAIN(HiddenFileTest)
#include "tst_hiddenfile.moc"
