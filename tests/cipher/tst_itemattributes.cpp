#include "DataRows.h"
#include "VaultFixture.h"
#include "cipher/ItemAttributes.h"
#include "cipher/KeyText.h"
#include "cipher/StoreCheck.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vexo::cipher;
using namespace vexo::test;

namespace {

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

void setTime(const QString& path, time_t seconds) {
    const timespec times[2] = {{0, UTIME_OMIT}, {seconds, 123456789}};
    QVERIFY(::utimensat(AT_FDCWD, encoded(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0);
}

QString linkTargetOf(const QString& path) {
    char target[4096];
    const ssize_t length = ::readlink(encoded(path).constData(), target, sizeof target);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(target, length));
}

// What a faithful restore gives back of every entry below root (root
// included): kind, permission bits, modification time to the nanosecond,
// and a link's target or a file's content.
QMap<QString, QString> treeBelow(const QString& root) {
    QMap<QString, QString> tree;
    QStringList paths{root};
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    for (const QString& path : paths) {
        struct stat info {};
        ::lstat(encoded(path).constData(), &info);
        QString what = QStringLiteral("%1 %2.%3 ")
                           .arg(info.st_mode, 0, 8)
                           .arg(info.st_mtim.tv_sec)
                           .arg(info.st_mtim.tv_nsec);
        if (S_ISLNK(info.st_mode))
            what += linkTargetOf(path);
        else if (S_ISREG(info.st_mode))
            what += QString::fromLatin1(
                QCryptographicHash::hash(readFile(path), QCryptographicHash::Md5).toHex());
        tree.insert(path.mid(root.size()), what);
    }
    return tree;
}

} // namespace

class ItemAttributesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<VaultFixture> vault_;

    QString attributesFileOf(const vexo::store::FileModelPtr& item) const {
        return vault_->storeOf(item) + QStringLiteral("/.attributes");
    }

    // Hides item, removes it, and unhides it; the outcome of the unhide.
    WalkResult hiddenAndUnhidden(const vexo::store::FileModelPtr& item) {
        if (!hideAndRemove(item))
            return {WalkOutcome::Failed, QStringLiteral("the hide failed")};
        return DeCodeAESAtFilemodel(item, QString());
    }

    void writeDocument(const vexo::store::FileModelPtr& item, const ItemAttributes& attributes) {
        const QString keyText = getEncrtyptPassword();
        const auto envelope = envelopeFor(keyText);
        QString error;
        QVERIFY(envelope);
        QVERIFY2(
            writeAttributes(attributesFileOf(item), keyText, *envelope, attributes, true, &error),
            qPrintable(error));
    }

private slots:
    void init() { vault_ = std::make_unique<VaultFixture>(); }
    void cleanup() { vault_.reset(); }

    // Files and folders get their permission bits and times back, links come
    // back as the same links (inside, outside, to folders, to nothing) and
    // empty folders come back too.
    void folderItemsComeBackFaithfully() {
        const auto item = vault_->folderItem(
            QStringLiteral("Project"), names("run.sh notes.txt sub/data.bin empty/ sub/deep/"));
        const QString root = item->path;
        const QString outside = vault_->path(QStringLiteral("outside.txt"));
        writeFile(outside, "outside");
        QVERIFY(QFile::link(QStringLiteral("notes.txt"), root + QStringLiteral("/relative")));
        QVERIFY(QFile::link(outside, root + QStringLiteral("/absolute")));
        QVERIFY(QFile::link(QStringLiteral("/no/such/file"), root + QStringLiteral("/dangling")));
        QVERIFY(QFile::link(QStringLiteral("../sub"), root + QStringLiteral("/sub/deep/up")));
        QVERIFY(::chmod(encoded(root + QStringLiteral("/run.sh")).constData(), 0750) == 0);
        QVERIFY(::chmod(encoded(root + QStringLiteral("/notes.txt")).constData(), 0444) == 0);
        QVERIFY(::chmod(encoded(root + QStringLiteral("/sub/data.bin")).constData(), 0604) == 0);
        QVERIFY(::chmod(encoded(root + QStringLiteral("/sub")).constData(), 0711) == 0);
        QVERIFY(::chmod(encoded(root + QStringLiteral("/empty")).constData(), 01777) == 0);
        const QStringList deepestFirst =
            names("run.sh notes.txt relative absolute dangling sub/data.bin sub/deep/up "
                  "sub/deep empty sub");
        for (qsizetype i = 0; i < deepestFirst.size(); ++i)
            setTime(root + u'/' + deepestFirst.at(i), 1'500'000'000 + i * 1000);
        setTime(root, 1'400'000'000);
        const auto original = treeBelow(root);

        QCOMPARE(hiddenAndUnhidden(item).outcome, WalkOutcome::Succeeded);
        QCOMPARE(treeBelow(root), original);
        QCOMPARE(readFile(outside), QByteArray("outside"));
        QCOMPARE(linkTargetOf(root + QStringLiteral("/sub/deep/up")), QStringLiteral("../sub"));
        QCOMPARE(checkItemStore(item).state, StoreState::Intact);
    }

    void singleFilesKeepModeAndTime() {
        const QString path = vault_->path(QStringLiteral("report.pdf"));
        writeFile(path, randomBytes(5000));
        QVERIFY(::chmod(encoded(path).constData(), 0640) == 0);
        setTime(path, 1'234'567'890);
        const auto original = treeBelow(path);
        const auto item = VaultFixture::itemFor(path);

        QCOMPARE(hiddenAndUnhidden(item).outcome, WalkOutcome::Succeeded);
        QCOMPARE(treeBelow(path), original);
    }

    // An item that is a link is stored as the file it leads to and comes back
    // as that file's content.
    void anItemThatIsALinkComesBackAsItsContent() {
        const QString target = vault_->path(QStringLiteral("target.bin"));
        writeFile(target, randomBytes(700));
        const QString path = vault_->path(QStringLiteral("shortcut.bin"));
        QVERIFY(QFile::link(target, path));
        const auto item = VaultFixture::itemFor(path);

        QCOMPARE(hiddenAndUnhidden(item).outcome, WalkOutcome::Succeeded);
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(readFile(path), readFile(target));
    }

    // A store made before attributes were kept unhides as it always did.
    void storesWithoutAttributesUnhideAsBefore() {
        const auto item = vault_->folderItem(QStringLiteral("Old"), names("a.bin x/b.txt"));
        const Snapshot original = contentsBelow(item->path);
        QVERIFY(hideAndRemove(item));
        QVERIFY(QFile::remove(attributesFileOf(item)));

        QCOMPARE(checkItemStore(item).state, StoreState::Intact);
        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QCOMPARE(contentsBelow(item->path), original);
    }

    // Attributes that do not read fail the unhide before anything is written
    // and keep the stored copy; the health check calls the store damaged.
    void damagedAttributesKeepTheStore_data() {
        QTest::addColumn<QString>("damage");
        addRow("cut short", "cut");
        addRow("not a stored file", "foreign");
        addRow("a link in its place", "link");
        addRow("a path out of the item", "escape");
        addRow("a folder below a link", "belowLink");
    }
    void damagedAttributesKeepTheStore() {
        QFETCH(QString, damage);
        const auto item = vault_->folderItem(QStringLiteral("Kept"), names("a.bin"));
        QVERIFY(hideAndRemove(item));
        const QString file = attributesFileOf(item);
        const QByteArray whole = readFile(file);
        const timespec when{1, 0};
        if (damage == QStringLiteral("cut"))
            writeFile(file, whole.left(whole.size() - 20));
        else if (damage == QStringLiteral("foreign"))
            writeFile(file, "{\"version\":1,\"entries\":[]}");
        else if (damage == QStringLiteral("link"))
            QVERIFY(QFile::remove(file) && QFile::link(vault_->path(QStringLiteral("x")), file));
        else if (damage == QStringLiteral("escape"))
            writeDocument(
                item, {{QStringLiteral("../evil"), EntryAttributes::Kind::Folder, 0700, when, {}}});
        else
            writeDocument(item,
                          {{QStringLiteral("l"), EntryAttributes::Kind::Link, 0, when,
                            vault_->path(QString())},
                           {QStringLiteral("l/x"), EntryAttributes::Kind::Folder, 0777, when, {}}});
        const Snapshot stored = contentsBelow(vault_->storeOf(item));

        const WalkResult result = DeCodeAESAtFilemodel(item, QString());
        QCOMPARE(result.outcome, WalkOutcome::Failed);
        QVERIFY2(result.reason.contains(QStringLiteral(".attributes")), qPrintable(result.reason));
        QVERIFY(!QFileInfo::exists(item->path));
        QVERIFY(temporaryEntriesBelow(vault_->path(QString())).isEmpty());
        QCOMPARE(contentsBelow(vault_->storeOf(item)), stored);
        item->isCancel = false;
        QCOMPARE(checkItemStore(item).state, StoreState::Damaged);
    }

    // Planted attributes change only entries of their own kind: a folder
    // called a file, or a file called a folder, keeps the mode it came back
    // with.
    void attributesOfAnotherKindAreNotApplied() {
        const auto item = vault_->folderItem(QStringLiteral("Kinds"), names("f.bin sub/g.bin"));
        QVERIFY(hideAndRemove(item));
        const timespec when{1, 0};
        writeDocument(item,
                      {{QStringLiteral("sub"), EntryAttributes::Kind::File, 0, when, {}},
                       {QStringLiteral("f.bin"), EntryAttributes::Kind::Folder, 0, when, {}}});

        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Failed);
        QVERIFY(!QFileInfo::exists(item->path));
        writeDocument(item, {{QStringLiteral("sub"), EntryAttributes::Kind::File, 0, when, {}}});
        item->isCancel = false;
        QCOMPARE(DeCodeAESAtFilemodel(item, QString()).outcome, WalkOutcome::Succeeded);
        QVERIFY(unixMode(item->path + QStringLiteral("/sub")) != 0);
        QVERIFY(QFileInfo(item->path + QStringLiteral("/sub")).lastModified().toSecsSinceEpoch() >
                1);
    }

    // What a planted document could use to write outside the item, or to
    // pass one entry for another, is refused.
    void documentsAreChecked_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("readable");
        const auto row = [](const char* title, const char* entries, bool readable) {
            QTest::newRow(title) << QByteArray("{\"version\":1,\"entries\":[") + entries + "]}"
                                 << readable;
        };
        row("plain",
            "{\"path\":\"a/b\",\"kind\":\"file\",\"mode\":420,\"modified\":5,"
            "\"modifiedNanoseconds\":7}",
            true);
        row("absolute path", "{\"path\":\"/etc\",\"kind\":\"folder\",\"mode\":448,\"modified\":0}",
            false);
        row("dot-dot", "{\"path\":\"a/../..\",\"kind\":\"folder\",\"mode\":448,\"modified\":0}",
            false);
        row("double slash", "{\"path\":\"a//b\",\"kind\":\"file\",\"mode\":420,\"modified\":0}",
            false);
        row("unknown kind", "{\"path\":\"a\",\"kind\":\"fifo\",\"mode\":420,\"modified\":0}",
            false);
        row("set-user bit", "{\"path\":\"a\",\"kind\":\"file\",\"mode\":2541,\"modified\":0}",
            false);
        row("nanoseconds past a second",
            "{\"path\":\"a\",\"kind\":\"file\",\"mode\":420,\"modified\":0,\"modifiedNanoseconds\":"
            "1000000000}",
            false);
        row("link without target", "{\"path\":\"a\",\"kind\":\"link\",\"modified\":0}", false);
        row("the item as a link",
            "{\"path\":\"\",\"kind\":\"link\",\"target\":\"/\",\"modified\":0}", false);
        row("the same path twice",
            "{\"path\":\"a\",\"kind\":\"file\",\"mode\":420,\"modified\":0},"
            "{\"path\":\"a\",\"kind\":\"folder\",\"mode\":448,\"modified\":0}",
            false);
        row("not an entry", "3", false);
        row("a zero in a path",
            "{\"path\":\"a\\u0000b\",\"kind\":\"file\",\"mode\":420,"
            "\"modified\":0}",
            false);
        row("a lone surrogate in a path",
            "{\"path\":\"x\\ud800\",\"kind\":\"folder\",\"mode\":448,\"modified\":0}", false);
        row("a lone surrogate in a target",
            "{\"path\":\"l\",\"kind\":\"link\",\"target\":\"\\udc00\",\"modified\":0}", false);
        QTest::newRow("another version") << QByteArray("{\"version\":2,\"entries\":[]}") << false;
        QTest::newRow("not a document") << QByteArray("garbage") << false;
    }
    void documentsAreChecked() {
        QFETCH(QByteArray, document);
        QFETCH(bool, readable);
        QString error;
        const auto attributes = decodeAttributes(document, &error);
        QCOMPARE(attributes.has_value(), readable);
        if (readable)
            QCOMPARE(decodeAttributes(encodeAttributes(*attributes), &error), attributes);
    }

    // The kept attributes name the item's files and links: they are
    // enciphered, so the store shows none of those names.
    void attributesKeepNamesPrivate() {
        const auto item =
            vault_->folderItem(QStringLiteral("Private"), names("diary-of-secrets.txt"));
        QVERIFY(QFile::link(QStringLiteral("/home/someone/hidden-target"),
                            item->path + QStringLiteral("/link-name")));
        QVERIFY(hideAndRemove(item));
        const QByteArray kept = readFile(attributesFileOf(item));
        QVERIFY(!kept.isEmpty());
        for (const char* name : {"diary-of-secrets", "link-name", "hidden-target", "modified"})
            QVERIFY2(!kept.contains(name), name);
    }

    // An item whose stored name is the attributes file's own keeps no
    // attributes, and its stored file is never taken for them; a link in such
    // a folder would be lost with the source, so it fails the hide.
    void anItemNamedLikeTheAttributesKeepsNone() {
        const QString path = vault_->path(AESPath(QStringLiteral(".attributes")));
        writeFile(path, randomBytes(300));
        const auto item = VaultFixture::itemFor(path);
        QCOMPARE(attributesPathOf(vault_->storeOf(item), *item), QString());
        const QByteArray content = readFile(path);
        QCOMPARE(hiddenAndUnhidden(item).outcome, WalkOutcome::Succeeded);
        QCOMPARE(readFile(path), content);

        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(vault_->storeOf(item)).removeRecursively());
        const auto folder = vault_->folderItem(AESPath(QStringLiteral(".attributes")), names("a"));
        QVERIFY(QFile::link(QStringLiteral("a"), folder->path + QStringLiteral("/link")));
        const WalkResult hide = EncryptAESAtFilemodel(folder, QString());
        QCOMPARE(hide.outcome, WalkOutcome::Failed);
        QVERIFY2(hide.reason.contains(QStringLiteral("link")), qPrintable(hide.reason));
        QVERIFY(QFileInfo(folder->path + QStringLiteral("/link")).isSymLink());
    }

    // A hide keeps the attributes of what it stored, not those of an earlier
    // hide of the same item.
    void hidingAgainKeepsFreshAttributes() {
        const QString path = vault_->path(QStringLiteral("twice.bin"));
        writeFile(path, randomBytes(100));
        const auto item = VaultFixture::itemFor(path);
        QVERIFY(::chmod(encoded(path).constData(), 0600) == 0);
        QCOMPARE(hiddenAndUnhidden(item).outcome, WalkOutcome::Succeeded);
        QVERIFY(::chmod(encoded(path).constData(), 0755) == 0);
        setTime(path, 1'600'000'000);
        const auto original = treeBelow(path);

        QCOMPARE(hiddenAndUnhidden(item).outcome, WalkOutcome::Succeeded);
        QCOMPARE(treeBelow(path), original);
    }
};

VEXO_TEST_MAIN(ItemAttributesTest)
#include "tst_itemattributes.moc"
