// Time to show the file list of a group of many items: the model reset and
// the first paint, offscreen; against a plain string-list model of the same
// names in a plain list view.
//
//   vexo_list_bench N   prints: list_N ours=MS ref=MS ratio=R
#include "ui/FileListModel.h"
#include "ui/FileListView.h"
#include "ui/ItemIcons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QStringListModel>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using namespace vexo;

constexpr int kRuns = 5;
constexpr QSize kViewSize{800, 600};

QList<store::FileModelPtr> makeItems(int count) {
    QList<store::FileModelPtr> items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto item = std::make_shared<store::FileModel>();
        item->name = QStringLiteral("Document %1.txt").arg(i);
        item->path = QStringLiteral("/home/user/Documents/") + item->name;
        item->fileSize = 1000 + i;
        item->isEncrtypt = i % 2 == 0;
        item->groupName = QStringLiteral("systemDevicName");
        items << item;
    }
    return items;
}

// Milliseconds of the median of kRuns runs of show.
double medianMs(const std::function<void()>& show) {
    QList<double> runs;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        show();
        runs << double(timer.nsecsElapsed()) / 1e6;
    }
    std::sort(runs.begin(), runs.end());
    return runs.at(kRuns / 2);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const QList<store::FileModelPtr> items = makeItems(count);
    QStringList names;
    for (const store::FileModelPtr& item : items)
        names << item->name;

    ui::ItemIcons icons;
    ui::FileListModel model(icons);
    ui::FileListView view;
    view.setModel(&model);
    view.resize(kViewSize);
    view.show();
    const double ours = medianMs([&] {
        model.setItems(items, 0);
        view.grab();
    });

    QStringListModel plainModel;
    QListView plainView;
    plainView.setUniformItemSizes(true);
    plainView.setModel(&plainModel);
    plainView.resize(kViewSize);
    plainView.show();
    const double reference = medianMs([&] {
        plainModel.setStringList(names);
        plainView.grab();
    });
    icons.waitForReads();
    std::printf("list_%d ours=%.1f ref=%.1f ratio=%.2f target<=3 (ms to reset and first paint)\n",
                count, ours, reference, ours / reference);
    return 0;
}
