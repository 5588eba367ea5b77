#include "ui/AdvancedViewController.h"

#include "platform/Settings.h"
#include "ui/PreferencesWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace vexo::ui {

AdvancedViewController::AdvancedViewController(QWidget* parent) : QWidget(parent) {
    namespace keys = platform::keys;
    setObjectName(QStringLiteral("AdvancedViewController"));
    QFormLayout* form = paneLayout(this);
    form->addRow(paneText(QStringLiteral("advanced_descTitleLabel1")),
                 settingCheckBox(QStringLiteral("advanced_CheckBox1"),
                                 keys::kEraseremainingfiledatasecurelyafterhiding));
    form->addRow(QString(),
                 settingPopUp(QStringLiteral("eraseMethodPopUp"), numberedKeys("advanced_Item", 3),
                              keys::Secureerasemethod));
    form->addRow(paneText(QStringLiteral("advanced_descTitleLabel2")),
                 settingCheckBox(QStringLiteral("advanced_CheckBox2"),
                                 keys::Whenunhidingviamenubarassistant));
    form->addRow(QString(), settingCheckBox(QStringLiteral("advanced_CheckBox3"),
                                            keys::WhenunhidingfromLocalQuillanMainWindow));

    // A path is shown as it stands, never read as markup.
    auto* vaultPathLabel = new QLabel(platform::Settings::value(keys::kRootDirKey));
    vaultPathLabel->setObjectName(QStringLiteral("vaultPathLabel"));
    vaultPathLabel->setTextFormat(Qt::PlainText);
    vaultPathLabel->setWordWrap(true);
    vaultPathLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    vaultPathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(paneText(QStringLiteral("advanced_descTitleLabel3")), vaultPathLabel);
    form->addRow(QString(), paneText(QStringLiteral("advanced_descLabel"), true));
}

} // namespace vexo::ui
