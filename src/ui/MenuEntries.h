#pragma once

#include <functional>

class QAction;
class QMenu;
class QString;
class QWidget;

namespace vexo::ui {

// A context or pop-up menu of the main view, titled "Menu", in the menus'
// design font.
QMenu* newDesignMenu(QWidget* parent);

// Adds the entry titled by the text of key, carrying tag as its data; a key
// without text adds nothing (null).
QAction* addKeyedEntry(QMenu* menu, const QString& key, int tag);

// An entry of a sort menu: checkable, checked and enabled as given; chosen
// runs with the entry's tag and title when it is picked. Null when the key
// has no text.
QAction* addSortEntry(QMenu* menu, const QString& key, int tag, bool checked, bool enabled,
                      const std::function<void(int, const QString&)>& chosen);

} // namespace vexo::ui
