#include "ui/GeneralViewController.h"

#include "platform/Settings.h"
#include "ui/PreferencesWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace vexo::ui {
namespace {

constexpr WhenNeverStored kLockWithDesktopSessionAtFirst = WhenNeverStored::On;

} // namespace

GeneralViewController::GeneralViewController(QWidget* parent) : QWidget(parent) {
    namespace keys = platform::keys;
    setObjectName(QStringLiteral("GeneralViewController"));
    QFormLayout* form = paneLayout(this);
    form->addRow(paneText(QStringLiteral("general_descTitleLabel1")),
                 settingPopUp(QStringLiteral("idleLockPopUp"), numberedKeys("general_p1_item", 5),
                              keys::kLOCKQUILLANWHENIDLE));
    form->addRow(QString(), paneText(QStringLiteral("general_descLabel1"), true));
    form->addRow(paneText(QStringLiteral("general_descTitleLabel2")),
                 settingPopUp(QStringLiteral("quitLockPopUp"), numberedKeys("general_p2_item", 3),
                              keys::kWhenquittingLockQuillan));
    form->addRow(QString(), paneText(QStringLiteral("general_descLabel2"), true));
    form->addRow(QString(), settingCheckBox(QStringLiteral("general_checkBox1"),
                                            keys::USEMENUBARASSISTANT, "_checkBox1"));
    form->addRow(QString(), settingCheckBox(QStringLiteral("general_checkBox2"),
                                            keys::kLAUNCHASSISTANTONLOGIN, "_checkBox2"));
    form->addRow(QString(), settingCheckBox(QStringLiteral("general_checkBox3"),
                                            keys::kSENDANONYMOUSUSAGEDATATOORBANE, "_checkBox3"));
    form->addRow(QString(),
                 settingCheckBox(QStringLiteral("general_checkBox4"), keys::kLockWithDesktopSession,
                                 "_checkBox4", kLockWithDesktopSessionAtFirst));
}

bool GeneralViewController::lockWithDesktopSession() {
    return settingIsOn(platform::keys::kLockWithDesktopSession, kLockWithDesktopSessionAtFirst);
}

} // namespace vexo::ui
