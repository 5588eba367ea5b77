#pragma once

#include <QMenuBar>

namespace vexo::ui {

// Tags of the menu bar's menus and items. Every title comes from a key made
// of the menu's pattern and the item's tag (see MenuBar::refresMenuItems).
namespace menu {
inline constexpr int kApplication = 10;
inline constexpr int kLanguage = 20;
inline constexpr int kFile = 30;
inline constexpr int kEdit = 40;
inline constexpr int kFormat = 50;
inline constexpr int kPassword = 60;
inline constexpr int kWindow = 70;
inline constexpr int kHelp = 80;

// Application menu.
inline constexpr int kAbout = 1;
inline constexpr int kPreferences = 2;
inline constexpr int kQuit = 3;
// File menu.
inline constexpr int kAddFiles = 1;
inline constexpr int kAddNote = 2;
inline constexpr int kHide = 3;
inline constexpr int kUnhide = 4;
inline constexpr int kCheckVault = 5;
// Edit menu and its submenus.
inline constexpr int kUndo = 1;
inline constexpr int kRedo = 2;
inline constexpr int kCut = 3;
inline constexpr int kCopy = 4;
inline constexpr int kPaste = 5;
inline constexpr int kDelete = 6;
inline constexpr int kSelectAll = 7;
inline constexpr int kFindMenu = 9;
inline constexpr int kFind = 1;
inline constexpr int kTransformationMenu = 12;
inline constexpr int kUpperCase = 1;
inline constexpr int kLowerCase = 2;
inline constexpr int kCapitalize = 3;
// Format menu and its submenus.
inline constexpr int kFontMenu = 1;
inline constexpr int kBold = 1;
inline constexpr int kItalic = 2;
inline constexpr int kUnderline = 3;
inline constexpr int kBigger = 4;
inline constexpr int kSmaller = 5;
inline constexpr int kShowFonts = 10;
inline constexpr int kShowColors = 11;
inline constexpr int kTextMenu = 2;
inline constexpr int kAlignLeft = 1;
inline constexpr int kAlignCenter = 2;
inline constexpr int kAlignRight = 3;
// Password menu.
inline constexpr int kLock = 1;
inline constexpr int kChangePassword = 2;
// Window menu.
inline constexpr int kMinimize = 1;
inline constexpr int kZoom = 2;
inline constexpr int kFullScreen = 3;
// Help menu.
inline constexpr int kHelpPage = 1;
inline constexpr int kTutorial = 2;
} // namespace menu

// The application's menu bar. Top-level menus carry their tag and the
// identifiers "Language", "File", "Edit", "Format" and "Password" by which
// the two dresses find them; the Language menu's items carry the language
// index they switch to.
class MenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MenuBar(QWidget* parent = nullptr);

    // The tag an action was made with; 0 for separators and foreign actions.
    static int tagOf(const QAction* action);
    // The identifier of a top-level menu ("File", ...); empty for others.
    static QString identifierOf(const QAction* topItem);

    // The top-level menu with tag, and its items by tag path; null when none.
    QAction* topItem(int menuTag) const;
    QAction* item(int menuTag, int itemTag) const;
    QAction* item(int menuTag, int itemTag, int subItemTag) const;

    // Titles every menu and item from the current language's texts.
    void refresMenuItems();

    // The locked dress (true) offers the Language menu and none of the File,
    // Edit, Format and Password menus; the unlocked dress the other way round.
    // The preferences are offered in the unlocked dress only.
    void hiddenCustomButton(bool hidden);

    // The File menu's hide and unhide commands, greyed out while they have
    // nothing to act on.
    QAction* HideItem() const { return item(menu::kFile, menu::kHide); }
    QAction* UnHideItem() const { return item(menu::kFile, menu::kUnhide); }
    void armHideItems(bool hideArmed, bool unhideArmed);

signals:
    // A Language menu item was chosen: the language index to switch to.
    void languageChosen(int index);

private:
    QMenu* addTopMenu(int tag, const QString& identifier);
    void buildLanguageMenu(QMenu* menu);
};

} // namespace vexo::ui
