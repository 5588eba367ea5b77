#include "store/HelpClass.h"
#include "support/TestEnvironment.h"

#include <thread>
#include <vector>

using namespace vexo::store;

class HelpClassTest : public QObject {
    Q_OBJECT
private slots:
    // Runs first: no walk of this process has set an item yet.
    void theWalkedItemAndTheCancelFlag() {
        HelpClass& help = HelpClass::sharedInstance();
        QVERIFY(!HelpClass::fileModel());
        const auto first = std::make_shared<FileModel>();
        const auto second = std::make_shared<FileModel>();
        help.setEditModel(first);
        help.setEditModel(second);
        QCOMPARE(HelpClass::fileModel(), second);
        QCOMPARE(help.editModel(), second);
        help.setIsEditCancel(true);
        QVERIFY(HelpClass::sharedInstance().isEditCancel());
        help.setIsEditCancel(false);
        QVERIFY(!help.isEditCancel());
    }

    // Walks on workers set the item while the main thread reads it; every
    // reader must see a whole, live record (the sanitizers catch the rest).
    void workersSetAndReadConcurrently() {
        HelpClass& help = HelpClass::sharedInstance();
        {
            std::vector<std::jthread> workers;
            for (int t = 0; t < 4; ++t)
                workers.emplace_back([&help, t] {
                    for (int i = 0; i < 2000; ++i) {
                        auto model = std::make_shared<FileModel>();
                        model->path = QString::number(t);
                        help.setEditModel(std::move(model));
                        if (const FileModelPtr seen = HelpClass::fileModel())
                            (void)seen->path.size();
                        help.setIsEditCancel(i % 2 == 0);
                        (void)help.isEditCancel();
                    }
                });
        }
        const FileModelPtr last = HelpClass::fileModel();
        QVERIFY(last && last->path.toInt() >= 0 && last->path.toInt() < 4);
        help.setEditModel(nullptr);
        QVERIFY(!HelpClass::fileModel());
    }
};

VEXO_TEST_MAIN(HelpClassTest)
#include "tst_helpclass.moc"
