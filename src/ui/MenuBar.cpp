#include "ui/MenuBar.h"

#include "platform/Localization.h"
#include "platform/Log.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>

#include <array>

namespace vexo::ui {
namespace {

using platform::localizedStringForKey;

const char* const kTagProperty = "vexoTag";

// Title keys of the top-level menus: the menu's own key (none: keep the
// title) and the pattern of its items' keys (none: items keep their titles).
struct TopTitles {
    int tag;
    const char* identifier;
    const char* topKey;
    const char* itemPattern;
};
constexpr std::array<TopTitles, 8> kTopMenus{{
    {menu::kApplication, "", nullptr, "ProMenuItem%zd.title"},
    {menu::kLanguage, "Language", "LanguageBtnTitle", nullptr},
    {menu::kFile, "File", "FilemenuItem.title", "FilemenuItem%zd.title"},
    {menu::kEdit, "Edit", "EditmenuItem.title", "EditmenuItem%zd.title"},
    {menu::kFormat, "Format", "FormatmenuItem.title", "FormatmenuItem%zd.title"},
    {menu::kPassword, "Password", "PasswordMenuItem.title", "PasswordMenuItem%zd.title"},
    {menu::kWindow, "", "WindowMenuItem.title", "WindowMenuItem%zd.title"},
    {menu::kHelp, "", "HelpMenuItem.title", "HelpMenuItem%zd.title"},
}};

// Key patterns of the items of submenus below the second level.
struct SubTitles {
    int menuTag;
    int itemTag;
    const char* pattern;
};
constexpr std::array<SubTitles, 4> kSubMenus{{
    {menu::kEdit, menu::kFindMenu, "Edit-FindMenuItem%zd.title"},
    {menu::kEdit, menu::kTransformationMenu, "Edit-TransformationMenuItem%zd.title"},
    {menu::kFormat, menu::kFontMenu, "Format-FontMenuItem%zd.text"},
    {menu::kFormat, menu::kTextMenu, "Format-TextMenuItem%zd.text"},
}};

// The languages of the Language menu, by index, with their own names.
struct LanguageItem {
    int index;
    const char* name;
};
constexpr std::array<LanguageItem, 8> kLanguages{{
    {1, "简体中文"},
    {2, "English"},
    {3, "繁體中文"},
    {4, "Français"},
    {5, "Deutsch"},
    {6, "日本語"},
    {7, "Español"},
    {8, "Português"},
}};

const char* const kHiddenIdentifiersWhenLocked[] = {"File", "Edit", "Format", "Password"};

QString keyFor(const char* pattern, int tag) {
    return QString::fromLatin1(pattern).replace(QStringLiteral("%zd"), QString::number(tag));
}

QAction* tagged(QAction* action, int tag) {
    action->setProperty(kTagProperty, tag);
    return action;
}

QAction* addItem(QMenu* menu, int tag, const QKeySequence& shortcut = {}) {
    QAction* action = tagged(menu->addAction(QString()), tag);
    action->setShortcut(shortcut);
    return action;
}

QMenu* addSubmenu(QMenu* menu, int tag) {
    QMenu* submenu = menu->addMenu(QString());
    tagged(submenu->menuAction(), tag);
    return submenu;
}

QAction* childWithTag(const QMenu* menu, int tag) {
    if (menu == nullptr)
        return nullptr;
    for (QAction* action : menu->actions())
        if (MenuBar::tagOf(action) == tag)
            return action;
    return nullptr;
}

// Titles the items of menu from pattern; logEach writes each key and text.
void titleItems(QMenu* menu, const char* pattern, bool logEach) {
    for (QAction* action : menu->actions()) {
        const int tag = MenuBar::tagOf(action);
        if (tag == 0)
            continue;
        const QString key = keyFor(pattern, tag);
        const QString text = localizedStringForKey(key);
        action->setText(text);
        if (logEach)
            qCInfo(lcVexo, "key:%s -->value:%s", qUtf8Printable(key), qUtf8Printable(text));
    }
}

} // namespace

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent) {
    setNativeMenuBar(false);

    QMenu* application = addTopMenu(menu::kApplication, QString());
    addItem(application, menu::kAbout);
    application->addSeparator();
    addItem(application, menu::kPreferences, QKeySequence(Qt::CTRL | Qt::Key_Comma));
    application->addSeparator();
    addItem(application, menu::kQuit, QKeySequence::Quit);

    buildLanguageMenu(addTopMenu(menu::kLanguage, QStringLiteral("Language")));

    QMenu* file = addTopMenu(menu::kFile, QStringLiteral("File"));
    addItem(file, menu::kAddFiles, QKeySequence::Open);
    addItem(file, menu::kAddNote, QKeySequence::New);
    file->addSeparator();
    addItem(file, menu::kHide, QKeySequence(Qt::CTRL | Qt::Key_H));
    addItem(file, menu::kUnhide, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    file->addSeparator();
    addItem(file, menu::kCheckVault);

    QMenu* edit = addTopMenu(menu::kEdit, QStringLiteral("Edit"));
    addItem(edit, menu::kUndo, QKeySequence::Undo);
    addItem(edit, menu::kRedo, QKeySequence::Redo);
    edit->addSeparator();
    addItem(edit, menu::kCut, QKeySequence::Cut);
    addItem(edit, menu::kCopy, QKeySequence::Copy);
    addItem(edit, menu::kPaste, QKeySequence::Paste);
    addItem(edit, menu::kDelete);
    addItem(edit, menu::kSelectAll, QKeySequence::SelectAll);
    edit->addSeparator();
    addItem(addSubmenu(edit, menu::kFindMenu), menu::kFind, QKeySequence::Find);
    QMenu* transformations = addSubmenu(edit, menu::kTransformationMenu);
    addItem(transformations, menu::kUpperCase);
    addItem(transformations, menu::kLowerCase);
    addItem(transformations, menu::kCapitalize);

    QMenu* format = addTopMenu(menu::kFormat, QStringLiteral("Format"));
    QMenu* font = addSubmenu(format, menu::kFontMenu);
    addItem(font, menu::kBold, QKeySequence::Bold);
    addItem(font, menu::kItalic, QKeySequence::Italic);
    addItem(font, menu::kUnderline, QKeySequence::Underline);
    font->addSeparator();
    addItem(font, menu::kBigger, QKeySequence(Qt::CTRL | Qt::Key_Plus));
    addItem(font, menu::kSmaller, QKeySequence(Qt::CTRL | Qt::Key_Minus));
    font->addSeparator();
    addItem(font, menu::kShowFonts, QKeySequence(Qt::CTRL | Qt::Key_T));
    addItem(font, menu::kShowColors, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QMenu* text = addSubmenu(format, menu::kTextMenu);
    addItem(text, menu::kAlignLeft, QKeySequence(Qt::CTRL | Qt::Key_BraceLeft));
    addItem(text, menu::kAlignCenter, QKeySequence(Qt::CTRL | Qt::Key_Bar));
    addItem(text, menu::kAlignRight, QKeySequence(Qt::CTRL | Qt::Key_BraceRight));

    QMenu* password = addTopMenu(menu::kPassword, QStringLiteral("Password"));
    addItem(password, menu::kLock, QKeySequence(Qt::CTRL | Qt::Key_L));
    addItem(password, menu::kChangePassword);

    QMenu* window = addTopMenu(menu::kWindow, QString());
    addItem(window, menu::kMinimize, QKeySequence(Qt::CTRL | Qt::Key_M));
    addItem(window, menu::kZoom);
    addItem(window, menu::kFullScreen, QKeySequence::FullScreen);

    QMenu* help = addTopMenu(menu::kHelp, QString());
    addItem(help, menu::kHelpPage, QKeySequence::HelpContents);
    addItem(help, menu::kTutorial);

    refresMenuItems();
}

int MenuBar::tagOf(const QAction* action) {
    return action == nullptr ? 0 : action->property(kTagProperty).toInt();
}

QString MenuBar::identifierOf(const QAction* topItem) {
    return topItem == nullptr ? QString() : topItem->objectName();
}

QMenu* MenuBar::addTopMenu(int tag, const QString& identifier) {
    QMenu* menu = addMenu(QString());
    tagged(menu->menuAction(), tag)->setObjectName(identifier);
    return menu;
}

void MenuBar::buildLanguageMenu(QMenu* menu) {
    auto* oneOfThem = new QActionGroup(menu);
    for (const LanguageItem& language : kLanguages) {
        if (!platform::languageIsShipped(platform::languageCodeForIndex(language.index)))
            continue;
        QAction* action = tagged(menu->addAction(QString::fromUtf8(language.name)), language.index);
        action->setCheckable(true);
        oneOfThem->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, index = language.index] { emit languageChosen(index); });
    }
}

QAction* MenuBar::topItem(int menuTag) const {
    for (QAction* action : actions())
        if (tagOf(action) == menuTag)
            return action;
    return nullptr;
}

QAction* MenuBar::item(int menuTag, int itemTag) const {
    const QAction* top = topItem(menuTag);
    return top == nullptr ? nullptr : childWithTag(top->menu(), itemTag);
}

QAction* MenuBar::item(int menuTag, int itemTag, int subItemTag) const {
    const QAction* parent = item(menuTag, itemTag);
    return parent == nullptr ? nullptr : childWithTag(parent->menu(), subItemTag);
}

void MenuBar::refresMenuItems() {
    const QString currentCode = platform::chosenLanguageCode();
    for (const TopTitles& titles : kTopMenus) {
        QAction* top = topItem(titles.tag);
        if (top == nullptr)
            continue;
        if (titles.tag == menu::kApplication)
            top->setText(QGuiApplication::applicationName());
        else
            top->setText(localizedStringForKey(QString::fromLatin1(titles.topKey)));
        if (titles.itemPattern != nullptr)
            titleItems(top->menu(), titles.itemPattern, titles.tag == menu::kEdit);
    }
    for (const SubTitles& titles : kSubMenus) {
        const QAction* parent = item(titles.menuTag, titles.itemTag);
        if (parent != nullptr)
            titleItems(parent->menu(), titles.pattern, titles.menuTag == menu::kEdit);
    }
    for (QAction* language : topItem(menu::kLanguage)->menu()->actions())
        language->setChecked(platform::languageCodeForIndex(tagOf(language)) == currentCode);
}

void MenuBar::hiddenCustomButton(bool hidden) {
    qCInfo(lcVexo, "hidden:%d", hidden ? 1 : 0);
    for (QAction* top : actions()) {
        const QString identifier = identifierOf(top);
        qCInfo(lcVexo, "obj.identifier:%s", qUtf8Printable(identifier));
        if (identifier == QLatin1String("Language")) {
            top->setVisible(hidden);
            continue;
        }
        for (const char* lockedAway : kHiddenIdentifiersWhenLocked)
            if (identifier == QLatin1String(lockedAway))
                top->setVisible(!hidden);
    }
    item(menu::kApplication, menu::kPreferences)->setEnabled(!hidden);
    refresMenuItems();
}

void MenuBar::armHideItems(bool hideArmed, bool unhideArmed) {
    HideItem()->setEnabled(hideArmed);
    UnHideItem()->setEnabled(unhideArmed);
}

} // namespace vexo::ui
