#include "ui/PreferencesWindowController.h"

#include "platform/Localization.h"
#include "platform/Log.h"
#include "platform/Settings.h"
#include "ui/AdvancedViewController.h"
#include "ui/GeneralViewController.h"
#include "ui/Look.h"
#include "ui/PasswordViewController.h"
#include "ui/ShortcutsViewController.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QIcon>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vexo::ui {
namespace {

using platform::localizedStringForKey;

const char* const kTagProperty = "vexoTag";
constexpr int kPanePoints = 12;
constexpr int kDescriptionPoints = 11;

struct ToolBarEntry {
    const char* identifier;
    const char* picture;
};
constexpr ToolBarEntry kToolBarEntries[] = {
    {"General", "About/PrefGeneral@2x.png"},
    {"Password", "About/PrefsIconPassword@2x.png"},
    {"Shortcuts", "About/PrefsIconShortcuts@2x.png"},
    {"Advanced", "About/PrefsIconAdvanced@2x.png"},
};

} // namespace

PreferencesWindowController::PreferencesWindowController(vault::Prompt& prompt,
                                                         vault::MainViewController* controller,
                                                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prompt_(prompt), controller_(controller), layout_(new QVBoxLayout(this)),
      toolBar_(new QToolBar), items_(new QActionGroup(this)) {
    setObjectName(QStringLiteral("preferencesWindow"));
    fillBackground(this, kSidebarColour, Qt::white);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    toolBar_->setObjectName(QStringLiteral("preferencesToolBar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setMovable(false);
    toolBar_->setFont(designFont(kPanePoints));
    // The style draws tool bars light; the window's bar is dark like the rest.
    toolBar_->setStyleSheet(
        QStringLiteral("QToolBar { background: %1; border: none; padding: 2px 8px; }"
                       "QToolButton { color: white; border: none; border-radius: 5px;"
                       " padding: 2px 6px; }"
                       "QToolButton:checked { background: %2; }")
            .arg(kPaneColour.name(), kLineColour.name()));
    layout_->addWidget(toolBar_);
    layout_->addWidget(dividerLine(Qt::Horizontal));
    items_->setExclusive(true);
    for (const ToolBarEntry& entry : kToolBarEntries)
        addToolBarItem(QLatin1String(entry.identifier), QLatin1String(entry.picture));
    connect(items_, &QActionGroup::triggered, this, &PreferencesWindowController::toolBarAction);

    items_->actions().constFirst()->setChecked(true);
    setcontentIdenter(items_->actions().constFirst()->objectName());
    resize(kSize);
}

void PreferencesWindowController::addToolBarItem(const QString& identifier,
                                                 const QString& picture) {
    QAction* item = toolBar_->addAction(QIcon(platform::imagePathWithfileName(picture)),
                                        localizedStringForKey(identifier));
    item->setObjectName(identifier);
    item->setCheckable(true);
    item->setProperty(kTagProperty, int(items_->actions().size()) + 1);
    items_->addAction(item);
}

void PreferencesWindowController::runOver(QWidget* mainWindow) {
    centreOver(this, mainWindow);
    exec();
}

QAction* PreferencesWindowController::toolBarItem(int tag) const {
    for (QAction* item : items_->actions())
        if (item->property(kTagProperty).toInt() == tag)
            return item;
    return nullptr;
}

void PreferencesWindowController::toolBarAction(QAction* item) {
    setcontentIdenter(item->objectName());
}

void PreferencesWindowController::setcontentIdenter(const QString& identifier) {
    delete pane_;
    pane_ = makePane(identifier);
    layout_->addWidget(pane_, 1);
    pane_->show();
}

QWidget* PreferencesWindowController::makePane(const QString& identifier) {
    if (identifier == u"Advanced")
        return new AdvancedViewController(prompt_, controller_);
    if (identifier == u"Shortcuts")
        return new ShortcutsViewController;
    if (identifier == u"Password")
        return new PasswordViewController(prompt_);
    return new GeneralViewController;
}

bool settingIsOn(platform::SettingKey<int> key, WhenNeverStored absent) {
    if (!platform::Settings::contains(key))
        return absent == WhenNeverStored::On;
    return platform::Settings::value(key) != 0;
}

QCheckBox* settingCheckBox(const QString& titleKey, platform::SettingKey<int> key,
                           const char* logName, WhenNeverStored absent) {
    auto* box = new QCheckBox(localizedStringForKey(titleKey));
    box->setObjectName(titleKey);
    box->setFont(designFont(kPanePoints));
    box->setChecked(settingIsOn(key, absent));
    QObject::connect(box, &QCheckBox::toggled, box, [key, logName](bool checked) {
        const int state = checked ? 1 : 0;
        if (logName != nullptr)
            qCInfo(lcVexo, "%s.state:%d", logName, state);
        platform::Settings::setValue(key, state);
    });
    return box;
}

QComboBox* settingPopUp(const QString& name, const QStringList& itemKeys,
                        platform::SettingKey<int> key) {
    auto* popUp = new QComboBox;
    popUp->setObjectName(name);
    popUp->setFont(designFont(kPanePoints));
    for (const QString& itemKey : itemKeys)
        popUp->addItem(localizedStringForKey(itemKey));
    // The idle lock reads an index past the last item as the longest delay
    // and a negative one as none, so the nearest item tells the truth.
    const int last = int(itemKeys.size()) - 1;
    popUp->setCurrentIndex(std::clamp(platform::Settings::value(key), 0, last));
    QObject::connect(popUp, &QComboBox::currentIndexChanged, popUp, [popUp, key](int index) {
        qCInfo(lcVexo, "%s", qUtf8Printable(popUp->itemText(index)));
        platform::Settings::setValue(key, index);
    });
    return popUp;
}

QLabel* paneText(const QString& key, bool description) {
    auto* label = new QLabel(localizedStringForKey(key));
    label->setObjectName(key);
    label->setFont(designFont(description ? kDescriptionPoints : kPanePoints));
    if (description) {
        label->setWordWrap(true);
        // Wrapped text takes the width of its column, not its narrowest.
        label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        QPalette muted = label->palette();
        muted.setColor(QPalette::WindowText, kMutedTextColour);
        label->setPalette(muted);
    }
    return label;
}

QFormLayout* paneLayout(QWidget* pane) {
    auto* form = new QFormLayout(pane);
    form->setContentsMargins(24, 14, 24, 12);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(5);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    return form;
}

QStringList numberedKeys(const char* prefix, int count) {
    QStringList keys;
    for (int i = 0; i < count; ++i)
        keys << QLatin1String(prefix) + QString::number(i);
    return keys;
}

} // namespace vexo::ui
