#pragma once

#include "../vault/TestVault.h"
#include "UiTestMain.h"
#include "platform/Localization.h"
#include "ui/DialogPrompt.h"
#include "ui/FileListModel.h"
#include "ui/GroupSidebarModel.h"
#include "ui/MainView.h"
#include "vault/FirstRun.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QSemaphore>

#include <atomic>

namespace vexo::test {

inline QString text(const char* key) {
    return platform::localizedStringForKey(QString::fromLatin1(key));
}

// The entry of menu titled by the text of key; null when there is none.
inline QAction* entryOf(QMenu* menu, const char* key) {
    for (QAction* entry : menu->actions())
        if (!entry->isSeparator() && entry->text() == text(key))
            return entry;
    return nullptr;
}

// Each case gets a main view, shown as after an unlock, on a vault of its
// own whose first run has finished. Its catalogue asks through the dialog
// prompt, whose queued answers stand for the user.
class MainViewFixture {
protected:
    void openView() {
        clearSettings();
        platform::setLanguageCode(QStringLiteral("en"));
        ui::DialogPrompt::clearQueuedAnswers();
        base_ = scratchRoot() + QStringLiteral("/case-%1").arg(++cases_);
        vault::storeFirstRun(base_ + QStringLiteral("/v.vlt"), QStringLiteral("master"), {});
        QVERIFY(QDir().mkpath(store::AppRootDirKey()));
        catalogue_ = std::make_unique<vault::VaultCatalogue>(prompt_);
        view_ = std::make_unique<ui::MainView>(*catalogue_);
        QVERIFY(view_->setUp(false));
        view_->resize(900, 500);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }

    void closeView() {
        releaseRun();
        QTRY_VERIFY(!catalogue_->runsUnderWay());
        view_.reset();
        catalogue_.reset();
        QCOMPARE(ui::DialogPrompt::queuedAnswers(), 0);
    }

    ui::MainView& view() { return *view_; }
    vault::MainViewController& controller() { return view_->controller(); }
    vault::VaultCatalogue& catalogue() { return *catalogue_; }
    ui::FileListModel& files() { return view_->fileList(); }
    ui::GroupSidebarModel& sidebar() { return view_->sidebar(); }
    store::GroupModelPtr localGroup(int index) { return catalogue_->groupDirList.at(index); }
    template <typename T> T* child(const char* name) {
        return view_->findChild<T*>(QString::fromLatin1(name));
    }

    // A visible item for a new file at relative below the case folder, listed
    // in group and shown.
    store::FileModelPtr listVisible(const store::GroupModelPtr& group, const QString& relative,
                                    const QByteArray& content) {
        auto item = TestVault::listVisibleItem(group, base_ + u'/' + relative, content);
        catalogue_->SaveGroupList(vault::ListSelector::LocalFiles);
        view_->setRightScrollView();
        return item;
    }

    // Opens the drive vault "Drive.vlt" on a drive named after the case (a
    // failure to make its folder shows in the checks that follow); its key.
    QString openDriveVault() {
        const QString drive = QFileInfo(base_).fileName();
        const QString key = drive + QStringLiteral("/Drive.vlt");
        QDir().mkpath(platform::volumePath(key));
        catalogue_->moveUpList(drive, key);
        return key;
    }

    // A new group of section, named as the sidebar names it.
    store::GroupModelPtr newGroup(const QString& section, const QString& name) {
        const store::GroupModelPtr group = controller().createGroup(section);
        controller().renameGroup(group, name);
        return group;
    }

    void switchAndWait(const store::FileModelPtr& item) {
        const auto completed = std::make_shared<bool>(false);
        controller().visableChange(item, [completed] { *completed = true; });
        QTRY_VERIFY(*completed);
    }

    // The row's role in the file list or the sidebar.
    QVariant fileRow(int row, int role = Qt::DisplayRole) {
        return files().data(files().index(row), role);
    }
    QVariant sidebarRow(int row, int role = Qt::DisplayRole) {
        return sidebar().data(sidebar().index(row), role);
    }
    QStringList shownNames() {
        QStringList names;
        for (int row = 0; row < files().rowCount(); ++row)
            names << fileRow(row).toString();
        return names;
    }

    // A left click on row of the list view named viewName, at the part of
    // it that place picks (its centre when none).
    void clickRow(const char* viewName, int row, QRect (*place)(const QRect&) = nullptr) {
        auto* list = child<QAbstractItemView>(viewName);
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          (place ? place(rect) : rect).center());
    }

    // Holds the next run's worker after its step-th progress step until
    // releaseRun(), so the views can be looked at while the run goes on.
    void holdRunAtStep(int step) {
        gate_ = std::make_shared<Gate>();
        catalogue_->progressObserver = [gate = gate_, step](const store::FileModelPtr&, qint64) {
            if (++gate->steps == step) {
                gate->held = true;
                gate->open.tryAcquire(1, 60000); // a failed case must not hang the suite
            }
        };
    }
    bool runHeld() const { return gate_ && gate_->held; }
    void releaseRun() {
        if (gate_)
            gate_->open.release();
    }

    QString base_;

private:
    struct Gate {
        std::atomic<int> steps{0};
        std::atomic<bool> held{false};
        QSemaphore open;
    };

    inline static int cases_ = 0;
    ui::DialogPrompt prompt_;
    std::unique_ptr<vault::VaultCatalogue> catalogue_;
    std::unique_ptr<ui::MainView> view_;
    std::shared_ptr<Gate> gate_;
};

} // namespace vexo::test
