#include "CliRunner.h"
#include "platform/UniqueFd.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vexo;
using namespace Qt::StringLiterals;
using test::words;

// The tool overwrites what a hide leaves behind when the user asks for it,
// and ends only once it has.
class CliEraseTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        cli_ = std::make_unique<test::CliRunner>();
        QCOMPARE(cli_->initVault(u"pw"_s).exitCode, 0);
    }

    void theToolEndsOnlyAfterTheOriginalIsOverwritten_data() {
        QTest::addColumn<bool>("erase");
        QTest::newRow("erase on") << true;
        QTest::newRow("erase off") << false;
    }

    void theToolEndsOnlyAfterTheOriginalIsOverwritten() {
        QFETCH(bool, erase);
        {
            QSettings settings(cli_->settingsFile(), QSettings::IniFormat);
            settings.setValue(u"kEraseremainingfiledatasecurelyafterhiding"_s, erase ? 1 : 0);
            settings.setValue(u"Secureerasemethod"_s, 0);
        }
        const QByteArray content = test::randomBytes(2'500'000, 8);
        const QString path = cli_->home() + u"/docs/ledger.bin"_s;
        test::writeFile(path, content);
        const platform::UniqueFd held(::open(QFile::encodeName(path).constData(), O_RDONLY));

        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("add") << path), 0);

        QVERIFY(!QFileInfo::exists(path));
        QByteArray left(content.size(), 'x');
        QCOMPARE(::pread(held.get(), left.data(), left.size(), 0), ssize_t(content.size()));
        QCOMPARE(left == QByteArray(content.size(), '\0'), erase);
        QCOMPARE(left == content, !erase);
        QCOMPARE(test::filesBelow(cli_->home() + u"/docs"_s), QStringList());

        VEXO_EXPECT_EXIT(cli_->runUnlocked(words("unhide 1")), 0);
        QCOMPARE(test::readFile(path), content);
    }

private:
    std::unique_ptr<test::CliRunner> cli_;
};

VEXO_TEST_MAIN(CliEraseTest)
#include "tst_clierase.moc"
