#include "ui/PasswordViewController.h"

#include "platform/Localization.h"
#include "platform/Settings.h"
#include "ui/ChangePasswordWController.h"
#include "ui/PreferencesWindowController.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexo::ui {

PasswordViewController::PasswordViewController(vault::Prompt& prompt, QWidget* parent)
    : QWidget(parent), prompt_(prompt) {
    setObjectName(QStringLiteral("PasswordViewController"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 18, 40, 16);
    layout->setSpacing(10);

    QCheckBox* backUplockQuillanBtn =
        settingCheckBox(QStringLiteral("password_checkBox1"), platform::keys::kBackUplockQuillan);
    backUplockQuillanBtn->setObjectName(QStringLiteral("backUplockQuillanBtn"));
    layout->addWidget(backUplockQuillanBtn);
    layout->addWidget(paneText(QStringLiteral("password_descLabel"), true));
    layout->addStretch(1);

    auto* changeBtn = new QPushButton(
        platform::localizedStringForKey(QStringLiteral("password_ChangeBtn.stringvalue")));
    changeBtn->setObjectName(QStringLiteral("changePasswordBtn"));
    changeBtn->setFont(backUplockQuillanBtn->font());
    changeBtn->setAutoDefault(false);
    connect(changeBtn, &QPushButton::clicked, this, &PasswordViewController::enterChangePassword);
    layout->addWidget(changeBtn, 0, Qt::AlignRight);
}

void PasswordViewController::enterChangePassword() {
    QWidget* preferences = window();
    ChangePasswordWController changeWindow(prompt_, preferences);
    changeWindow.runOver(preferences);
}

} // namespace vexo::ui
