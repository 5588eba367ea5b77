#include "ui/AdvancedViewController.h"

#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "ui/PreferencesWindowController.h"
#include "ui/VaultMoveDialog.h"
#include "vault/FirstRun.h"
#include "vault/MainViewController.h"
#include "vault/VaultCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace vexo::ui {

namespace keys = platform::keys;

AdvancedViewController::AdvancedViewController(vault::Prompt& prompt,
                                               vault::MainViewController* controller,
                                               QWidget* parent)
    : QWidget(parent), prompt_(prompt), controller_(controller),
      vaultPathLabel_(new QLabel(platform::Settings::value(keys::kRootDirKey))) {
    setObjectName(QStringLiteral("AdvancedViewController"));
    QFormLayout* form = paneLayout(this);
    // Rows sit closer than in the other panes, so that the erase note fits.
    form->setVerticalSpacing(2);
    form->addRow(paneText(QStringLiteral("advanced_descTitleLabel1")),
                 settingCheckBox(QStringLiteral("advanced_CheckBox1"),
                                 keys::kEraseremainingfiledatasecurelyafterhiding));
    form->addRow(QString(),
                 settingPopUp(QStringLiteral("eraseMethodPopUp"), numberedKeys("advanced_Item", 3),
                              keys::Secureerasemethod));
    // What no overwrite can promise is said where the choice is made.
    form->addRow(QString(), paneText(QStringLiteral("advanced_eraseNote"), true));
    form->addRow(paneText(QStringLiteral("advanced_descTitleLabel2")),
                 settingCheckBox(QStringLiteral("advanced_CheckBox2"),
                                 keys::Whenunhidingviamenubarassistant));
    form->addRow(QString(), settingCheckBox(QStringLiteral("advanced_CheckBox3"),
                                            keys::WhenunhidingfromLocalQuillanMainWindow));

    // A path is shown as it stands, never read as markup.
    vaultPathLabel_->setObjectName(QStringLiteral("vaultPathLabel"));
    vaultPathLabel_->setTextFormat(Qt::PlainText);
    vaultPathLabel_->setWordWrap(true);
    vaultPathLabel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    vaultPathLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(paneText(QStringLiteral("advanced_descTitleLabel3")), vaultPathLabel_);
    auto* changeVaultPathBtn = new QPushButton(
        platform::localizedStringForKey(QStringLiteral("changePathBtn.stringValue")));
    changeVaultPathBtn->setObjectName(QStringLiteral("changeVaultPathBtn"));
    connect(changeVaultPathBtn, &QPushButton::clicked, this,
            &AdvancedViewController::changeVaultPathAction);
    form->addRow(QString(), changeVaultPathBtn);
    form->addRow(QString(), paneText(QStringLiteral("advanced_descLabel"), true));
}

void AdvancedViewController::changeVaultPathAction() {
    const QString from = platform::Settings::value(keys::kRootDirKey);
    if (refuseWhileWorkRuns())
        return;
    const vault::Prompt::SaveChoice choice = vault::vaultFolderChoice();
    const QString chosen = prompt_.chooseSavePath(choice);
    if (chosen.isEmpty())
        return;
    const QString to = vault::vaultRootForChoice(chosen);
    qCInfo(lcVexo, "%s----%s", qUtf8Printable(to), qUtf8Printable(choice.title));
    // What waits to be written goes with the vault.
    if (controller_ != nullptr)
        controller_->catalogue().flushPendingSaves();
    VaultMoveDialog dialog(from, to, window());
    vault::VaultMoveResult result = dialog.run();
    qCInfo(lcVexo, "%s, %d createFolder.error:%s", "changeVaultPathAction", __LINE__,
           result.reason.isEmpty() ? "(null)" : qUtf8Printable(result.reason));
    if (result.outcome == vault::VaultMoveOutcome::Moved) {
        if (controller_ != nullptr)
            controller_->vaultFolderMoved(from, to, std::move(result.newHold));
        vaultPathLabel_->setText(to);
    }
    tellMoveResult(to, result);
}

bool AdvancedViewController::refuseWhileWorkRuns() {
    if (controller_ == nullptr || !controller_->catalogue().runsUnderWay())
        return false;
    prompt_.alert({vault::Prompt::Style::Warning,
                   QStringLiteral("vaultMoveBusy"),
                   {},
                   {},
                   {},
                   {QStringLiteral("okBtn.Title")}});
    return true;
}

void AdvancedViewController::tellMoveResult(const QString& to,
                                            const vault::VaultMoveResult& result) {
    if (result.outcome == vault::VaultMoveOutcome::Failed)
        prompt_.alert({vault::Prompt::Style::Warning,
                       QStringLiteral("Error_Changepath_Title"),
                       {},
                       QStringLiteral("Error_Changepath_Message"),
                       result.reason,
                       {QStringLiteral("okBtn.Title")}});
    else if (result.outcome == vault::VaultMoveOutcome::Moved && !result.leftBehind.isEmpty())
        prompt_.alert({vault::Prompt::Style::Warning,
                       QStringLiteral("vaultMoveLeftBehind"),
                       {to},
                       {},
                       result.leftBehind,
                       {QStringLiteral("okBtn.Title")}});
}

} // namespace vexo::ui
