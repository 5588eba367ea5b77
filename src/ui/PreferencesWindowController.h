#pragma once

#include "platform/SettingKeys.h"
#include "vault/Prompt.h"

#include <QDialog>
#include <QStringList>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QToolBar;
class QVBoxLayout;

namespace vexo::vault {
class MainViewController;
}

namespace vexo::ui {

// The preferences window: a toolbar of four panes (General, Password,
// Shortcuts, Advanced) above the pane shown. Every switch installs a fresh
// pane, so each pane always shows the stored values.
class PreferencesWindowController : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{480, 300};

    // prompt answers the change-password window the Password pane opens and
    // the vault move of the Advanced pane; controller, when there is one, is
    // the open vault's.
    explicit PreferencesWindowController(vault::Prompt& prompt,
                                         vault::MainViewController* controller = nullptr,
                                         QWidget* parent = nullptr);

    // Centres the window over mainWindow and runs it until it closes.
    void runOver(QWidget* mainWindow);

    // A toolbar item was clicked: its pane shows.
    void toolBarAction(QAction* item);
    // Shows a fresh pane for the toolbar identifier ("General", "Password",
    // "Shortcuts", "Advanced"); any other identifier shows General.
    void setcontentIdenter(const QString& identifier);

    // The toolbar item with tag (1 to 4, in toolbar order); null for others.
    QAction* toolBarItem(int tag) const;
    QWidget* contentPane() const { return pane_; }

private:
    void addToolBarItem(const QString& identifier, const QString& picture);
    QWidget* makePane(const QString& identifier);

    vault::Prompt& prompt_;
    vault::MainViewController* controller_;
    QVBoxLayout* layout_;
    QToolBar* toolBar_;
    QActionGroup* items_;
    QWidget* pane_ = nullptr;
};

// Controls of the preference panes. Each shows its settings entry when made
// and stores the new value the moment it changes.

// How a checkbox entry that was never stored reads.
enum class WhenNeverStored { Off, On };

// Whether a checkbox entry is on: stored as anything but 0, or never stored
// and on by default.
bool settingIsOn(platform::SettingKey<int> key, WhenNeverStored absent = WhenNeverStored::Off);

// A checkbox titled by the text of titleKey (also its object name) for an
// entry stored as 0 or 1 and read by settingIsOn. With a logName each change
// logs "<logName>.state:<0 or 1>".
QCheckBox* settingCheckBox(const QString& titleKey, platform::SettingKey<int> key,
                           const char* logName = nullptr,
                           WhenNeverStored absent = WhenNeverStored::Off);

// A pop-up named name whose items are the texts of itemKeys, for an entry
// stored as the chosen item's index. A stored index beyond the items shows
// the nearest item. Each choice logs the chosen item's title.
QComboBox* settingPopUp(const QString& name, const QStringList& itemKeys,
                        platform::SettingKey<int> key);

// The text of key in the panes' font, named after the key; wrapped when
// it is a description.
QLabel* paneText(const QString& key, bool description = false);

// The layout of a pane: titles on the left, controls on the right.
QFormLayout* paneLayout(QWidget* pane);

// The keys "<prefix>0" to "<prefix><count - 1>".
QStringList numberedKeys(const char* prefix, int count);

} // namespace vexo::ui
