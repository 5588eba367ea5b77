#include "ui/MenuEntries.h"

#include "platform/Localization.h"
#include "ui/Look.h"

#include <QMenu>

namespace vexo::ui {
namespace {

constexpr int kMenuPointSize = 15;

} // namespace

QMenu* newDesignMenu(QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Menu"), parent);
    menu->setFont(designFont(kMenuPointSize));
    return menu;
}

QAction* addKeyedEntry(QMenu* menu, const QString& key, int tag) {
    const QString title = platform::localizedStringForKey(key);
    if (title.isEmpty())
        return nullptr;
    QAction* entry = menu->addAction(title);
    entry->setData(tag);
    return entry;
}

QAction* addSortEntry(QMenu* menu, const QString& key, int tag, bool checked, bool enabled,
                      const std::function<void(int, const QString&)>& chosen) {
    QAction* entry = addKeyedEntry(menu, key, tag);
    if (entry == nullptr)
        return nullptr;
    entry->setCheckable(true);
    entry->setChecked(checked);
    entry->setEnabled(enabled);
    QObject::connect(entry, &QAction::triggered, menu,
                     [chosen, tag, title = entry->text()] { chosen(tag, title); });
    return entry;
}

} // namespace vexo::ui
