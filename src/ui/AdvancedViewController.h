#pragma once

#include <QWidget>

namespace vexo::ui {

// The Advanced preferences pane: the erase and unhide options, as stored,
// and the vault's folder.
class AdvancedViewController : public QWidget {
    Q_OBJECT
public:
    explicit AdvancedViewController(QWidget* parent = nullptr);
};

} // namespace vexo::ui
