#pragma once

#include <QFileDialog>

namespace vexo::ui {

// The application's own (non-native) file dialog. A plain file dialog takes
// either files or one folder; this one can take files and folders in one
// selection: confirming while folders are selected answers with them instead
// of opening them (a double click still opens a folder).
class PathChooser : public QFileDialog {
    Q_OBJECT
public:
    struct Kinds {
        bool files = true;
        bool folders = true;
        bool multiple = true;
    };

    // A chooser of existing paths of the given kinds.
    PathChooser(const Kinds& kinds, QWidget* parent = nullptr);
    // A chooser of a new name to save under.
    explicit PathChooser(QWidget* parent = nullptr);

    // Shows message beneath the dialog's controls.
    void setMessage(const QString& message);

public slots:
    void accept() override;

private:
    bool selectionIsAcceptable() const;

    Kinds kinds_;
    bool saving_;
};

} // namespace vexo::ui
