#include "TestVault.h"
#include "cipher/PosixFiles.h"
#include "platform/UniqueFd.h"
#include "vault/SecureEraser.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace vexo;
using test::TestVault;
namespace keys = platform::keys;

namespace {

// A file held open by the test: after the hide it reads what became of the
// source's data, whatever became of its name.
struct HeldFile {
    explicit HeldFile(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {}

    QByteArray bytes() const {
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0)
            return "unreadable";
        QByteArray content(info.st_size, '\0');
        const ssize_t got = ::pread(fd.get(), content.data(), content.size(), 0);
        return got == content.size() ? content : QByteArray("unreadable");
    }

    platform::UniqueFd fd;
};

bool isAllZeros(const QByteArray& bytes) {
    return bytes.count('\0') == bytes.size();
}

void setErase(bool on, cipher::EraseMethod method = cipher::EraseMethod::Zeros) {
    platform::Settings::setValue(keys::kEraseremainingfiledatasecurelyafterhiding, on ? 1 : 0);
    platform::Settings::setValue(keys::Secureerasemethod, int(method));
}

// What the eraser saw as each erase started, recorded on its thread.
struct EraseLog {
    struct Start {
        QString path;
        bool placeTaken;
        bool onMainThread;
    };

    void watch(vault::SecureEraser& eraser, const QString& place) {
        eraser.setBeforeErase(
            [this, place, main = std::this_thread::get_id()](const QString& path) {
                const std::lock_guard lock(mutex);
                starts.append(
                    {path, cipher::somethingExistsAt(place), std::this_thread::get_id() == main});
            });
    }

    std::mutex mutex;
    QList<Start> starts;
};

} // namespace

// The original of a hidden item, overwritten when the user asks for it.
class ErasingSourcesTest : public QObject, private test::VaultFixture {
    Q_OBJECT
private slots:
    void init() {
        startCase();
        content_ = test::randomBytes(1'200'000, 9);
        item_ = TestVault::listVisibleItem(
            allFiles(), base() + QStringLiteral("/Documents/payslip.pdf"), content_);
    }
    void cleanup() {
        catalogue().secureEraser().setBeforeErase({});
        endCase();
    }

    void aHideOverwritesTheOriginalAndTheStoreStillUnhidesWhole_data() {
        QTest::addColumn<int>("method");
        QTest::newRow("zeros") << int(cipher::EraseMethod::Zeros);
        QTest::newRow("random data") << int(cipher::EraseMethod::RandomData);
        QTest::newRow("three passes") << int(cipher::EraseMethod::ThreePasses);
    }

    void aHideOverwritesTheOriginalAndTheStoreStillUnhidesWhole() {
        QFETCH(int, method);
        setErase(true, cipher::EraseMethod(method));
        const HeldFile original(item_->path);
        QVERIFY(vault().switchAndWait(item_));
        catalogue().secureEraser().waitUntilDone();

        QVERIFY(item_->isEncrtypt);
        const QByteArray left = original.bytes();
        QCOMPARE(left.size(), content_.size());
        if (cipher::EraseMethod(method) == cipher::EraseMethod::Zeros)
            QVERIFY(isAllZeros(left));
        else
            QVERIFY(left != content_ && !isAllZeros(left));
        QCOMPARE(test::filesBelow(QFileInfo(item_->path).path()), QStringList());

        QVERIFY(vault().switchAndWait(item_));
        QCOMPARE(test::readFile(item_->path), content_);
    }

    // The erase starts off the main thread, once the original has left the
    // item's place: a start after a crash never finds it half overwritten.
    void theEraseStartsAfterTheOriginalLeftItsPlace() {
        setErase(true);
        EraseLog log;
        log.watch(catalogue().secureEraser(), item_->path);
        QVERIFY(vault().switchAndWait(item_));
        catalogue().secureEraser().waitUntilDone();

        QCOMPARE(log.starts.size(), 1);
        const EraseLog::Start start = log.starts.constFirst();
        QVERIFY(!start.placeTaken);
        QVERIFY(!start.onMainThread);
        QCOMPARE(QFileInfo(start.path).path(), QFileInfo(item_->path).path());
        QVERIFY(cipher::isTemporaryNameFor(QFileInfo(start.path).fileName(), item_->name));
    }

    // A folder hidden by adding it goes through a walk of many items.
    void aHiddenFolderIsOverwrittenThroughout() {
        setErase(true);
        const QByteArray deep = test::randomBytes(300'000, 4);
        const QString folder = base() + QStringLiteral("/Album");
        const HeldFile deepFile(test::placeFile(folder, QStringLiteral("2019/sea.jpg"), deep));
        test::placeFile(folder, QStringLiteral("cover.jpg"), test::randomBytes(20'000, 5));
        const QStringList before = test::filesBelow(folder);
        QVERIFY(vault().addAndWait({folder}));
        catalogue().secureEraser().waitUntilDone();

        QVERIFY(isAllZeros(deepFile.bytes()));
        QVERIFY(!cipher::somethingExistsAt(folder));
        const store::FileModelPtr added = vault().itemAt(folder);
        QVERIFY(added && added->isEncrtypt);
        QVERIFY(vault().switchAndWait(added));
        QCOMPARE(test::filesBelow(folder), before);
        QCOMPARE(test::readFile(folder + QStringLiteral("/2019/sea.jpg")), deep);
    }

    void withTheSettingOffTheOriginalIsOnlyRemoved() {
        setErase(false, cipher::EraseMethod::ThreePasses);
        EraseLog log;
        log.watch(catalogue().secureEraser(), item_->path);
        const HeldFile original(item_->path);
        QVERIFY(vault().switchAndWait(item_));
        catalogue().secureEraser().waitUntilDone();
        QVERIFY(!cipher::somethingExistsAt(item_->path));
        QCOMPARE(original.bytes(), content_);
        QVERIFY(log.starts.isEmpty());
    }

    void aFailedHideLeavesTheOriginalUntouched() {
        setErase(true);
        EraseLog log;
        log.watch(catalogue().secureEraser(), item_->path);
        const HeldFile original(item_->path);
        prompt().alertAnswers << 0;
        bool switched = false;
        {
            test::ScopedFileSizeLimit limit(600'000); // the store runs out of room
            switched = vault().switchAndWait(item_);
        }
        catalogue().secureEraser().waitUntilDone();
        QVERIFY(switched);
        QVERIFY(!item_->isEncrtypt);
        QCOMPARE(test::readFile(item_->path), content_);
        QCOMPARE(original.bytes(), content_);
        QVERIFY(log.starts.isEmpty());
        QCOMPARE(prompt().alertKeys(), QStringList{QStringLiteral("hideFailed.title")});
    }

    // Quitting while erases wait: the eraser's end lets every one finish.
    void theErasersEndWaitsForEveryQueuedErase() {
        QList<std::shared_ptr<HeldFile>> held;
        {
            vault::SecureEraser eraser;
            for (int n = 0; n < 3; ++n) {
                const QString path =
                    place(QStringLiteral("queued/%1.bin").arg(n), test::randomBytes(700'000, n));
                held << std::make_shared<HeldFile>(path);
                eraser.erase(path, cipher::EraseMethod::Zeros);
            }
        }
        for (const auto& file : held)
            QVERIFY(isAllZeros(file->bytes()));
        QCOMPARE(test::filesBelow(base() + QStringLiteral("/queued")), QStringList());
    }

private:
    QByteArray content_;
    store::FileModelPtr item_;
};

VEXO_TEST_MAIN(ErasingSourcesTest)
#include "tst_erasingsources.moc"
