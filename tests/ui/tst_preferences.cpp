#include "UiTestMain.h"
#include "platform/Localization.h"
#include "platform/Settings.h"
#include "support/TestFiles.h"
#include "ui/AdvancedViewController.h"
#include "ui/ChangePasswordWController.h"
#include "ui/DialogPrompt.h"
#include "ui/GeneralViewController.h"
#include "ui/MenuBar.h"
#include "ui/PreferencesWindowController.h"
#include "ui/ShortcutsViewController.h"
#include "ui/VaultMoveDialog.h"
#include "vault/MainViewController.h"
#include "vault/Reconcile.h"
#include "vault/ScriptedPrompt.h"
#include "vault/TestVault.h"
#include "vault/VaultCatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <memory>

using namespace vexo;
using platform::Settings;
namespace keys = platform::keys;

namespace {

QString text(const QString& key) {
    return platform::localizedStringForKey(key);
}

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
private:
    ui::DialogPrompt prompt;
    std::unique_ptr<ui::PreferencesWindowController> window;

    QWidget* pane() { return window->contentPane(); }
    QString paneClass() { return QLatin1String(pane()->metaObject()->className()); }
    void show(const QString& identifier) {
        QAction* item = window->findChild<QAction*>(identifier);
        QVERIFY(item != nullptr);
        QTest::mouseClick(window->findChild<QToolBar*>()->widgetForAction(item), Qt::LeftButton);
        QVERIFY(item->isChecked());
    }
    template <typename T> T* control(const QString& name) { return pane()->findChild<T*>(name); }

private slots:
    void init() {
        test::clearSettings();
        window = std::make_unique<ui::PreferencesWindowController>(prompt);
        window->show();
    }
    void cleanup() { window.reset(); }

    void theToolBarOffersFourPanesWithGeneralFirst() {
        const char* const identifiers[] = {"General", "Password", "Shortcuts", "Advanced"};
        const QList<QAction*> items = window->findChild<QToolBar*>()->actions();
        QCOMPARE(items.size(), qsizetype(std::size(identifiers)));
        for (int tag = 1; tag <= 4; ++tag) {
            QAction* item = window->toolBarItem(tag);
            const QString identifier = QLatin1String(identifiers[tag - 1]);
            QCOMPARE(item, items[tag - 1]);
            QCOMPARE(item->objectName(), identifier);
            QCOMPARE(item->text(), text(identifier));
            QVERIFY(!item->icon().isNull());
        }
        QCOMPARE(window->toolBarItem(0), nullptr);
        QCOMPARE(window->toolBarItem(5), nullptr);
        QVERIFY(window->toolBarItem(1)->isChecked());
        QCOMPARE(paneClass(), QStringLiteral("vexo::ui::GeneralViewController"));
    }

    // Every option is off except the lock with the desktop session.
    void freshSettingsShowTheDefaultOptionsAndEveryChoiceFirst_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("checkBoxes");
        QTest::addColumn<int>("popUps");
        QTest::newRow("General") << "General" << 4 << 2;
        QTest::newRow("Password") << "Password" << 1 << 0;
        QTest::newRow("Advanced") << "Advanced" << 3 << 1;
    }
    void freshSettingsShowTheDefaultOptionsAndEveryChoiceFirst() {
        QFETCH(QString, identifier);
        QFETCH(int, checkBoxes);
        QFETCH(int, popUps);
        show(identifier);
        const QList<QCheckBox*> boxes = pane()->findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), checkBoxes);
        for (const QCheckBox* box : boxes)
            QVERIFY2(box->isChecked() == (box->objectName() == u"general_checkBox4"),
                     qPrintable(box->objectName()));
        const QList<QComboBox*> choices = pane()->findChildren<QComboBox*>();
        QCOMPARE(choices.size(), popUps);
        for (const QComboBox* choice : choices)
            QCOMPARE(choice->currentIndex(), 0);
    }

    void eachToolBarItemShowsAFreshPaneOfItsOwn_data() {
        QTest::addColumn<QString>("identifier");
        for (const char* name : {"General", "Password", "Shortcuts", "Advanced"})
            QTest::newRow(name) << name;
    }
    void eachToolBarItemShowsAFreshPaneOfItsOwn() {
        QFETCH(QString, identifier);
        for (int click = 0; click < 2; ++click) {
            const QPointer<QWidget> before = pane();
            show(identifier);
            QVERIFY(before.isNull());
            QCOMPARE(paneClass(), QStringLiteral("vexo::ui::%1ViewController").arg(identifier));
            QVERIFY(pane()->isVisible());
        }
        window->setcontentIdenter(QStringLiteral("Unknown"));
        QCOMPARE(paneClass(), QStringLiteral("vexo::ui::GeneralViewController"));
    }

    void everyControlStoresAtOnceAndAFreshPaneReadsItBack_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("value");
        // What a change logs: the prefix and the new state, or the title
        // of the chosen item (its key is the prefix and the index).
        QTest::addColumn<QString>("logPrefix");
        QTest::addColumn<bool>("logsItemTitle");
        auto row = [](const char* identifier, const char* name, const char* key, int value,
                      const char* logPrefix, bool logsItemTitle) {
            QTest::newRow(name) << QString::fromLatin1(identifier) << QString::fromLatin1(name)
                                << QByteArray(key) << value << QString::fromLatin1(logPrefix)
                                << logsItemTitle;
        };
        row("General", "general_checkBox1", keys::USEMENUBARASSISTANT.name, 1,
            "_checkBox1.state:", false);
        row("General", "general_checkBox2", keys::kLAUNCHASSISTANTONLOGIN.name, 1,
            "_checkBox2.state:", false);
        row("General", "general_checkBox3", keys::kSENDANONYMOUSUSAGEDATATOORBANE.name, 1,
            "_checkBox3.state:", false);
        row("General", "idleLockPopUp", keys::kLOCKQUILLANWHENIDLE.name, 4, "general_p1_item",
            true);
        row("General", "quitLockPopUp", keys::kWhenquittingLockQuillan.name, 2, "general_p2_item",
            true);
        row("Password", "backUplockQuillanBtn", keys::kBackUplockQuillan.name, 1, "", false);
        row("Advanced", "advanced_CheckBox1", keys::kEraseremainingfiledatasecurelyafterhiding.name,
            1, "", false);
        row("Advanced", "advanced_CheckBox2", keys::Whenunhidingviamenubarassistant.name, 1, "",
            false);
        row("Advanced", "advanced_CheckBox3", keys::WhenunhidingfromLocalQuillanMainWindow.name, 1,
            "", false);
        row("Advanced", "eraseMethodPopUp", keys::Secureerasemethod.name, 2, "advanced_Item", true);
    }
    void everyControlStoresAtOnceAndAFreshPaneReadsItBack() {
        QFETCH(QString, identifier);
        QFETCH(QString, name);
        QFETCH(QByteArray, key);
        QFETCH(int, value);
        QFETCH(QString, logPrefix);
        QFETCH(bool, logsItemTitle);
        const platform::SettingKey<int> setting{key.constData()};
        // The control is set as the user would and back to its first state;
        // each time the stored value and a fresh pane follow at once.
        for (const int step : {value, 0}) {
            show(identifier);
            const QString stepText = QString::number(step);
            if (logsItemTitle)
                QTest::ignoreMessage(QtInfoMsg, qPrintable(text(logPrefix + stepText)));
            else if (!logPrefix.isEmpty())
                QTest::ignoreMessage(QtInfoMsg, qPrintable(logPrefix + stepText));
            if (auto* box = control<QCheckBox>(name)) {
                QCOMPARE(box->isChecked(), step == 0);
                QTest::mouseClick(box, Qt::LeftButton);
            } else {
                QVERIFY(control<QComboBox>(name) != nullptr);
                control<QComboBox>(name)->setCurrentIndex(step);
            }
            QCOMPARE(Settings::value(setting), step);
            QVERIFY(Settings::contains(setting));
            show(QStringLiteral("Shortcuts"));
            show(identifier);
            if (auto* box = control<QCheckBox>(name))
                QCOMPARE(box->isChecked(), step != 0);
            else
                QCOMPARE(control<QComboBox>(name)->currentIndex(), step);
        }
    }

    // On until the user turns it off: the checkbox and the application read
    // the entry alike, and each click stores 0 or 1 at once.
    void theDesktopSessionLockIsOnUntilTurnedOff_data() {
        QTest::addColumn<int>("stored"); // -1: never stored
        QTest::addColumn<bool>("on");
        QTest::newRow("never stored") << -1 << true;
        QTest::newRow("off") << 0 << false;
        QTest::newRow("on") << 1 << true;
        QTest::newRow("another number") << 3 << true;
    }
    void theDesktopSessionLockIsOnUntilTurnedOff() {
        QFETCH(int, stored);
        QFETCH(bool, on);
        if (stored >= 0)
            Settings::setValue(keys::kLockWithDesktopSession, stored);
        const QString name = QStringLiteral("general_checkBox4");
        for (const bool shown : {on, !on, on}) {
            show(QStringLiteral("Shortcuts"));
            show(QStringLiteral("General"));
            QCheckBox* box = control<QCheckBox>(name);
            QCOMPARE(box->isChecked(), shown);
            QCOMPARE(ui::GeneralViewController::lockWithDesktopSession(), shown);
            QCOMPARE(box->text(), text(name));
            QTest::ignoreMessage(QtInfoMsg, shown ? "_checkBox4.state:0" : "_checkBox4.state:1");
            QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY(Settings::contains(keys::kLockWithDesktopSession));
            QCOMPARE(Settings::value(keys::kLockWithDesktopSession), shown ? 0 : 1);
            QCOMPARE(ui::GeneralViewController::lockWithDesktopSession(), !shown);
        }
    }

    // The General pane's four checkboxes fit the window's height in every
    // language, and the last one does not make the window wider.
    void theGeneralPaneFitsInEveryLanguage() {
        const QSize size = ui::PreferencesWindowController::kSize;
        for (int index = 0; index <= 8; ++index) {
            const QString language = platform::languageCodeForIndex(index);
            platform::setLanguageCode(language);
            window = std::make_unique<ui::PreferencesWindowController>(prompt);
            window->show();
            const QSize needed = window->minimumSizeHint();
            QVERIFY2(needed.height() <= size.height(), qPrintable(language));
            QCOMPARE(window->height(), size.height());
            control<QCheckBox>(QStringLiteral("general_checkBox4"))->hide();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const int widthWithout = window->minimumSizeHint().width();
            QVERIFY2(needed.width() <= std::max(size.width(), widthWithout),
                     qPrintable(language + QStringLiteral(": %1").arg(needed.width())));
        }
        platform::setLanguage();
    }

    // A stored value from elsewhere (an edited file, a newer version) shows
    // the nearest truthful choice.
    void storedValuesOutsideTheChoicesShowTheNearest_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("past the last") << 9 << 4;
        QTest::newRow("negative") << -3 << 0;
        QTest::newRow("last") << 4 << 4;
    }
    void storedValuesOutsideTheChoicesShowTheNearest() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        Settings::setValue(keys::kLOCKQUILLANWHENIDLE, stored);
        Settings::setValue(keys::USEMENUBARASSISTANT, stored);
        show(QStringLiteral("General"));
        QCOMPARE(control<QComboBox>(QStringLiteral("idleLockPopUp"))->currentIndex(), shown);
        QVERIFY(control<QCheckBox>(QStringLiteral("general_checkBox1"))->isChecked());
        QCOMPARE(Settings::value(keys::kLOCKQUILLANWHENIDLE), stored);
    }

    // A text without a translation shows its key ("general_p1_item3"): no
    // pane shows one in any language.
    void everyPaneIsWrittenInEveryLanguage() {
        static const QRegularExpression keyLike(
            QStringLiteral("^[A-Za-z0-9]+([_.][A-Za-z0-9]+)+$"));
        for (int index = 0; index <= 8; ++index) {
            platform::setLanguageCode(platform::languageCodeForIndex(index));
            window = std::make_unique<ui::PreferencesWindowController>(prompt);
            for (int tag = 1; tag <= 4; ++tag) {
                window->toolBarItem(tag)->trigger();
                QStringList shown{window->toolBarItem(tag)->text()};
                for (const QAbstractButton* button : pane()->findChildren<QAbstractButton*>())
                    shown << button->text();
                for (const QLabel* label : pane()->findChildren<QLabel*>())
                    if (label->objectName() != u"vaultPathLabel")
                        shown << label->text();
                for (const QComboBox* popUp : pane()->findChildren<QComboBox*>())
                    for (int item = 0; item < popUp->count(); ++item)
                        shown << popUp->itemText(item);
                for (const QString& text : shown)
                    QVERIFY2(!keyLike.match(text).hasMatch(),
                             qPrintable(platform::languageCodeForIndex(index) +
                                        QStringLiteral(": ") + text));
            }
        }
        platform::setLanguage();
    }

    void theFifthIdleChoiceSaysFifteenMinutes() {
        const QString fifth = control<QComboBox>(QStringLiteral("idleLockPopUp"))->itemText(4);
        QVERIFY2(fifth.contains(u"15"), qPrintable(fifth));
    }

    void theAdvancedPaneShowsTheVaultFolderAsWritten() {
        const QString root = QStringLiteral("/home/someone/<b>My Vault</b>.vlt");
        Settings::setValue(keys::kRootDirKey, root);
        show(QStringLiteral("Advanced"));
        auto* label = control<QLabel>(QStringLiteral("vaultPathLabel"));
        QCOMPARE(label->text(), root);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void theAdvancedPaneMovesTheVaultAndShowsWhereItWent() {
        test::ScriptedPrompt scripted;
        const QString from = test::scratchRoot() + QStringLiteral("/old.vlt");
        test::writeFile(from + QStringLiteral("/GroupDirlist.plist"), "list");
        Settings::setValue(keys::kRootDirKey, from);
        ui::AdvancedViewController advanced(scripted, nullptr);
        auto* label = advanced.findChild<QLabel*>(QStringLiteral("vaultPathLabel"));
        auto* button = advanced.findChild<QPushButton*>(QStringLiteral("changeVaultPathBtn"));
        QCOMPARE(button->text(), text(QStringLiteral("changePathBtn.stringValue")));

        const QString to = test::scratchRoot() + QStringLiteral("/moved/New Place");
        scripted.savePathAnswers << to;
        button->click();
        QCOMPARE(label->text(), to + QStringLiteral(".vlt"));
        QCOMPARE(Settings::value(keys::kRootDirKey), to + QStringLiteral(".vlt"));
        QCOMPARE(test::readFile(to + QStringLiteral(".vlt/GroupDirlist.plist")), "list");
        QVERIFY(!QFileInfo::exists(from));
        QVERIFY(scripted.alerts.isEmpty());

        // Into itself: refused and told, and the vault stays.
        scripted.savePathAnswers << to + QStringLiteral(".vlt/inner");
        button->click();
        QCOMPARE(scripted.alertKeys(), QStringList{QStringLiteral("Error_Changepath_Title")});
        QVERIFY(scripted.alerts.constFirst().informativeText.contains(u"inner"));
        QCOMPARE(label->text(), to + QStringLiteral(".vlt"));
        QCOMPARE(Settings::value(keys::kRootDirKey), to + QStringLiteral(".vlt"));

        // A closed save panel changes nothing.
        button->click();
        QCOMPARE(scripted.alerts.size(), 1);
        QCOMPARE(Settings::value(keys::kRootDirKey), to + QStringLiteral(".vlt"));
    }

    // Closing the move's window for a lock waits for the move; Cancel and
    // Escape stop the copy, and the window stays until the vault is back
    // where it was.
    void closingTheMoveWindowStopsTheCopy() {
        const QString mount = test::scratchRoot() + QStringLiteral("/disk");
        const test::TmpfsMount disk(mount, 1024 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString from = test::scratchRoot() + QStringLiteral("/old.vlt");
        test::writeFile(from + QStringLiteral("/GroupDirlist.plist"), "list");
        Settings::setValue(keys::kRootDirKey, from);
        ui::VaultMoveDialog dialog(from, mount + QStringLiteral("/V.vlt"));
        dialog.show();
        QVERIFY(!dialog.close());
        QVERIFY(!dialog.progress().cancelRequested);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.progress().cancelRequested);
        QCOMPARE(dialog.run().outcome, vault::VaultMoveOutcome::Cancelled);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(test::readFile(from + QStringLiteral("/GroupDirlist.plist")), "list");
        QCOMPARE(Settings::value(keys::kRootDirKey), from);
        QVERIFY(QDir(mount).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // The open vault goes along: what waited to be written is written into
    // the new place, notes are found there and the vault is held there.
    void aMoveTakesTheOpenVaultAlong() {
        const QString from = test::scratchRoot() + QStringLiteral("/along.vlt");
        const QString to = test::scratchRoot() + QStringLiteral("/moved/along.vlt");
        test::TestVault vault(from);
        const store::FileModelPtr note = vault.controller.addNoteAction();
        const store::FileModelPtr item = test::TestVault::listVisibleItem(
            vault.catalogue.groupDirList.constFirst(),
            test::scratchRoot() + QStringLiteral("/letter.txt"), "text");
        vault.catalogue.scheduleSaveListOf(*item);

        ui::AdvancedViewController advanced(vault.prompt, &vault.controller);
        vault.prompt.savePathAnswers << to;
        advanced.findChild<QPushButton*>(QStringLiteral("changeVaultPathBtn"))->click();
        QVERIFY(vault.prompt.alerts.isEmpty());
        QCOMPARE(Settings::value(keys::kRootDirKey), to);
        QVERIFY(test::TestVault::listedHidden(item->path).has_value());
        QVERIFY(note->path.startsWith(to + QStringLiteral("/Notes/")));
        QVERIFY(vault::vaultOpenElsewhere(to));
    }

    void theVaultDoesNotMoveWhileItemsAreBeingHidden() {
        test::ScriptedPrompt scripted;
        vault::VaultCatalogue catalogue{scripted};
        vault::MainViewController controller{catalogue};
        Settings::setValue(keys::kRootDirKey, test::scratchRoot() + QStringLiteral("/v.vlt"));
        ui::AdvancedViewController advanced(scripted, &controller);
        scripted.savePathAnswers << test::scratchRoot() + QStringLiteral("/elsewhere");
        catalogue.runStarted();
        advanced.findChild<QPushButton*>(QStringLiteral("changeVaultPathBtn"))->click();
        catalogue.runEnded();
        QCOMPARE(scripted.alertKeys(), QStringList{QStringLiteral("vaultMoveBusy")});
        QCOMPARE(scripted.savePathAnswers.size(), 1); // never asked
        QCOMPARE(Settings::value(keys::kRootDirKey),
                 test::scratchRoot() + QStringLiteral("/v.vlt"));
    }

    void thePasswordButtonOpensTheMasterPasswordWindowOverPreferences() {
        show(QStringLiteral("Password"));
        auto* button = control<QPushButton>(QStringLiteral("changePasswordBtn"));
        QCOMPARE(button->text(), text(QStringLiteral("password_ChangeBtn.stringvalue")));
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            auto* change =
                qobject_cast<ui::ChangePasswordWController*>(QApplication::activeModalWidget());
            QVERIFY(change != nullptr);
            QCOMPARE(change->parentWidget(), window.get());
            QVERIFY(!change->isChangeUpVltPassword());
            QCOMPARE(change->windowTitle(), text(QStringLiteral("changePassword")));
            change->cancelAction();
            opened = true;
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(opened);
        QVERIFY(window->isVisible());
    }

    // The list names every shortcut of the menu bar with the same keys, and
    // nothing else.
    void theShortcutsPaneListsTheMenuBarsShortcuts() {
        show(QStringLiteral("Shortcuts"));
        auto* list = control<QTreeWidget>(QStringLiteral("shortcutList"));
        QStringList listed;
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            QVERIFY(!item->text(1).isEmpty());
            listed << item->text(0) + QLatin1Char('\t') + item->text(1);
        }
        const auto row = [](const char* key, const QKeySequence& keys) {
            return text(QLatin1String(key)) + QLatin1Char('\t') +
                   keys.toString(QKeySequence::NativeText);
        };
        QVERIFY(listed.contains(row("ProMenuItem2.title", QKeySequence(Qt::CTRL | Qt::Key_Comma))));
        QVERIFY(listed.contains(row("FilemenuItem3.title", QKeySequence(Qt::CTRL | Qt::Key_H))));
        QVERIFY(listed.contains(row("HelpMenuItem1.title", QKeySequence::HelpContents)));
    }
};

VEXO_UI_TEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
