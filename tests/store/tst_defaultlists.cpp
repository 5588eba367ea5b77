#include "platform/Clock.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "store/DefaultLists.h"
#include "store/GroupFolderName.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>

using namespace vexo::store;
using namespace vexo::platform;

namespace {

QString localized(const char* key) {
    return localizedStringForKey(QString::fromLatin1(key));
}

// name|path|groupName|index|flags|password|address|items, flags being
// isHeader, isAddItem, isNotes and isGroupDir as 0 or 1.
QString rowText(const QString& name, const QString& path, const QString& groupName, qint64 index,
                const QString& flags, const QString& password = {}, const QString& address = {},
                qsizetype items = 0) {
    return QStringList{name,  path,     groupName, QString::number(index),
                       flags, password, address,   QString::number(items)}
        .join(u'|');
}

QStringList describe(const GroupList& rows) {
    QStringList lines;
    for (const GroupModelPtr& row : rows) {
        const QString flags = QStringLiteral("%1%2%3%4")
                                  .arg(row->isHeader)
                                  .arg(row->isAddItem)
                                  .arg(row->isNotes)
                                  .arg(row->isGroupDir);
        lines << rowText(row->name, row->path, row->groupName, row->index, flags, row->password,
                         row->macAddress, row->fileModels.size());
    }
    return lines;
}

// The folder a group made at the test clock's time gets.
QString folderOf(const QString& name) {
    return QString::number(stableHash(name)) + QStringLiteral("-1700000000");
}

} // namespace

class DefaultListsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        vexo::test::clearSettings();
        setClockForTesting([] { return qint64(1'700'000'000'000); });
    }
    void cleanup() { setClockForTesting({}); }

    void theLocalFileList() {
        const QString all = localized("group_AllFiles");
        QCOMPARE(
            describe(defaultLocalGroupList()),
            (QStringList{rowText(localized("GroupFileTypeTitle"), {}, kSystemDevicName, 0,
                                 QStringLiteral("1001")),
                         rowText(all, folderOf(all), kSystemDevicName, 1, QStringLiteral("0001")),
                         rowText({}, {}, kSystemDevicName, 2, QStringLiteral("0101"))}));
    }

    void theNoteList() {
        const QString all = localized("group_Allnotes");
        QCOMPARE(describe(defaultNoteGroupList()),
                 (QStringList{
                     rowText(localized("group_SECURENOTES"), {}, kSystemDevicNoteName, 0,
                             QStringLiteral("1010")),
                     rowText(all, folderOf(all), kSystemDevicNoteName, 1, QStringLiteral("0010")),
                     rowText(localized("GroupFileTypeTitle"), {}, kSystemDevicNoteName, 2,
                             QStringLiteral("0110"))}));
    }

    void aDriveListIsGuardedByTheMasterPassword_data() {
        QTest::addColumn<QString>("password");
        QTest::newRow("set") << QStringLiteral("pass wörd");
        QTest::newRow("unset") << QString();
    }

    void aDriveListIsGuardedByTheMasterPassword() {
        QFETCH(QString, password);
        if (!password.isNull())
            Settings::setValue(keys::kSOUREPASSWORD, password);
        const QString digest = QString::fromLatin1(
            QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Md5).toHex().toUpper());
        const QString key = QStringLiteral("USB1/MyVault.vlt");
        const QString all = localized("group_AllFiles");
        QCOMPARE(describe(defaultDriveGroupList(QStringLiteral("USB1"), key, 4)),
                 (QStringList{rowText(QStringLiteral("USB1"), {}, key, 4, QStringLiteral("1001"),
                                      digest, vexo::test::kTestMacAddress),
                              rowText(all, folderOf(all), key, 1, QStringLiteral("0001")),
                              rowText({}, {}, key, 2, QStringLiteral("0101"))}));
    }

    void namesFollowTheInterfaceLanguage() {
        Settings::setValue(keys::AppLanguage, 1);
        setLanguage();
        QCOMPARE(defaultLocalGroupList().at(1)->name, QStringLiteral("所有文件"));
        Settings::setValue(keys::AppLanguage, 0);
        setLanguage();
    }
};

VEXO_TEST_MAIN(DefaultListsTest)
#include "tst_defaultlists.moc"
