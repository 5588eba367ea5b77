#include "UiTestMain.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "ui/MenuBar.h"

#include <QMenu>
#include <QSignalSpy>

#include <limits>

using namespace vexo;
using ui::MenuBar;
namespace menu = ui::menu;

namespace {

// The top-level menus from left to right, with their identifiers.
const std::pair<int, const char*> kTopMenus[] = {
    {menu::kApplication, ""},  {menu::kLanguage, "Language"},
    {menu::kFile, "File"},     {menu::kEdit, "Edit"},
    {menu::kFormat, "Format"}, {menu::kPassword, "Password"},
    {menu::kWindow, ""},       {menu::kHelp, ""}};

// A stored language index that means "nothing stored".
constexpr int kNotStored = std::numeric_limits<int>::min();

} // namespace

class MenuBarTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        test::clearSettings();
        platform::setLanguageCode(QStringLiteral("en"));
    }

    void topMenusCarryTagsAndIdentifiers() {
        MenuBar bar;
        const QList<QAction*> tops = bar.actions();
        QCOMPARE(tops.size(), qsizetype(std::size(kTopMenus)));
        for (qsizetype i = 0; i < tops.size(); ++i) {
            QCOMPARE(MenuBar::tagOf(tops[i]), kTopMenus[i].first);
            QCOMPARE(bar.topItem(kTopMenus[i].first), tops[i]);
            QCOMPARE(MenuBar::identifierOf(tops[i]), QString::fromLatin1(kTopMenus[i].second));
        }
        QCOMPARE(bar.topItem(menu::kApplication)->text(), QCoreApplication::applicationName());
        QCOMPARE(bar.topItem(99), nullptr);
        QCOMPARE(bar.item(99, menu::kHide), nullptr);
        QCOMPARE(bar.item(menu::kFile, 99), nullptr);
        QCOMPARE(bar.item(menu::kFile, menu::kHide, 1), nullptr);
        QCOMPARE(MenuBar::tagOf(nullptr), 0);
        QCOMPARE(MenuBar::identifierOf(nullptr), QString());
        for (QAction* action : bar.topItem(menu::kFile)->menu()->actions())
            QCOMPARE(MenuBar::tagOf(action) == 0, action->isSeparator());
    }

    // Each title is the text of the key its pattern makes of the tags; a key
    // without a text (a language without a table) shows the key itself.
    void titlesComeFromKeyPatterns_data() {
        QTest::addColumn<QList<int>>("path");
        const std::pair<QList<int>, const char*> rows[] = {
            {{menu::kApplication, menu::kQuit}, "ProMenuItem3.title"},
            {{menu::kLanguage}, "LanguageBtnTitle"},
            {{menu::kFile}, "FilemenuItem.title"},
            {{menu::kFile, menu::kUnhide}, "FilemenuItem4.title"},
            {{menu::kEdit, menu::kTransformationMenu}, "EditmenuItem12.title"},
            {{menu::kEdit, menu::kFindMenu, menu::kFind}, "Edit-FindMenuItem1.title"},
            {{menu::kEdit, menu::kTransformationMenu, menu::kCapitalize},
             "Edit-TransformationMenuItem3.title"},
            {{menu::kFormat, menu::kFontMenu, menu::kSmaller}, "Format-FontMenuItem5.text"},
            {{menu::kFormat, menu::kTextMenu, menu::kAlignRight}, "Format-TextMenuItem3.text"},
            {{menu::kPassword, menu::kLock}, "PasswordMenuItem1.title"},
            {{menu::kHelp, menu::kHelpPage}, "HelpMenuItem1.title"},
            {{menu::kHelp, menu::kTutorial}, "HelpMenuItem2.title"},
        };
        for (const auto& [path, key] : rows)
            QTest::newRow(key) << path;
    }

    void titlesComeFromKeyPatterns() {
        QFETCH(QList<int>, path);
        const QString key = QString::fromLatin1(QTest::currentDataTag());
        MenuBar bar;
        auto title = [&] {
            const QAction* item = path.size() == 1   ? bar.topItem(path[0])
                                  : path.size() == 2 ? bar.item(path[0], path[1])
                                                     : bar.item(path[0], path[1], path[2]);
            return item == nullptr ? QStringLiteral("(none)") : item->text();
        };
        QCOMPARE(title(), platform::localizedStringForKey(key));
        QVERIFY(title() != key);
        platform::setLanguageCode(QStringLiteral("xx"));
        bar.refresMenuItems();
        QCOMPARE(title(), key);
        QCOMPARE(bar.item(menu::kLanguage, 2)->text(), QStringLiteral("English"));
    }

    void dressesShowEitherTheLanguageOrTheVaultMenus() {
        MenuBar bar;
        platform::setLanguageCode(QStringLiteral("xx"));
        for (const bool locked : {true, false, true}) {
            QTest::ignoreMessage(QtInfoMsg, locked ? "hidden:1" : "hidden:0");
            for (const auto& [tag, identifier] : kTopMenus)
                QTest::ignoreMessage(QtInfoMsg, qPrintable(QStringLiteral("obj.identifier:") +
                                                           QString::fromLatin1(identifier)));
            bar.hiddenCustomButton(locked);
            for (const auto& [tag, identifier] : kTopMenus) {
                const QString name = QString::fromLatin1(identifier);
                const bool shown = name == u"Language" ? locked : name.isEmpty() || !locked;
                QVERIFY2(bar.topItem(tag)->isVisible() == shown, identifier);
            }
        }
        // A dress ends by re-titling in the current language.
        QCOMPARE(bar.topItem(menu::kFile)->text(), QStringLiteral("FilemenuItem.title"));
    }

    void hideItemsArmSeparately() {
        MenuBar bar;
        QCOMPARE(bar.HideItem(), bar.item(menu::kFile, menu::kHide));
        QCOMPARE(bar.UnHideItem(), bar.item(menu::kFile, menu::kUnhide));
        for (const bool hide : {false, true})
            for (const bool unhide : {false, true}) {
                bar.armHideItems(hide, unhide);
                QCOMPARE(bar.HideItem()->isEnabled(), hide);
                QCOMPARE(bar.UnHideItem()->isEnabled(), unhide);
                QVERIFY(bar.item(menu::kFile, menu::kAddFiles)->isEnabled());
            }
    }

    void theLanguageMenuOffersTheShippedLanguages() {
        MenuBar bar;
        QList<int> offered;
        for (const QAction* language : bar.topItem(menu::kLanguage)->menu()->actions())
            offered << MenuBar::tagOf(language);
        QList<int> shipped;
        for (int index = 1; index <= 8; ++index)
            if (platform::languageIsShipped(platform::languageCodeForIndex(index)))
                shipped << index;
        QVERIFY(shipped.contains(2));
        QCOMPARE(offered, shipped);
        QSignalSpy chosen(&bar, &MenuBar::languageChosen);
        bar.item(menu::kLanguage, 2)->trigger();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().toInt(), 2);
    }

    // The stored index checks its language's item (index 0 and anything
    // below it mean English); a language without an item checks none.
    void theStoredLanguageIsChecked_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("checked");
        QTest::newRow("absent") << kNotStored << 2;
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("negative") << -3 << 2;
        QTest::newRow("English") << 2 << 2;
        QTest::newRow("Chinese") << 1 << 1;
        QTest::newRow("beyond the table") << 12 << 8;
    }

    void theStoredLanguageIsChecked() {
        QFETCH(int, stored);
        QFETCH(int, checked);
        if (stored != kNotStored)
            platform::Settings::setValue(platform::keys::AppLanguage, stored);
        MenuBar bar;
        for (const QAction* language : bar.topItem(menu::kLanguage)->menu()->actions()) {
            QVERIFY(language->isCheckable());
            QCOMPARE(language->isChecked(), MenuBar::tagOf(language) == checked);
        }
    }
};

VEXO_UI_TEST_MAIN(MenuBarTest)
#include "tst_menubar.moc"
