#include "ui/GuideViewController.h"

#include "access/PasswordStore.h"
#include "platform/Localization.h"
#include "platform/Log.h"
#include "ui/FieldFrame.h"
#include "ui/PageIndicator.h"
#include "ui/TurningPicture.h"
#include "vault/FirstRun.h"
#include "vault/Prompt.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include <array>
#include <numbers>

namespace vexo::ui {
namespace {

struct PageContent {
    const char* picture;
    const char* titleKey;
    std::array<const char*, 5> lineKeys; // unused lines are null
};

// The introduction pages, then the vault-creation page of first-run use.
constexpr std::array<PageContent, 5> kPages{{
    {"img/step_1_x2.png",
     "oneTitle.stringValue",
     {"oneDesc1Label.stringValue", "oneDesc2Label.stringValue"}},
    {"img/step_2_x2.png",
     "twoTitle.stringValue",
     {"twoDesc1Label.stringValue", "twoDesc2Label.stringValue", "twoDesc3Label.stringValue",
      "twoDesc4Label.stringValue", "twoDesc5Label.stringValue"}},
    {"img/step_3_x2.png",
     "threTitle.stringValue",
     {"threDesc1Label.stringValue", "threDesc2Label.stringValue"}},
    {"img/step_5_x2.png",
     "sixTitleLabel.stringValue",
     {"sixDescLabel.stringValue", "sixDesc2Label.stringValue"}},
    {"About/loginLock.png",
     "fiveTitleLabel.stringValue",
     {"fiveDesc1Label.stringValue", "fiveDesc2Label.stringValue", "fiveDesc3Label.stringValue"}},
}};

constexpr int kCreationPage = 4;
constexpr int kTitlePointSize = 25;
const QColor kLightGrey(186, 186, 189);
const QColor kPaneColour(44, 44, 47);

// The vault-creation page's lock turns to 2π/n, n a whole number from 4 to 8.
float nextGuideTurnAngle() {
    const int n = QRandomGenerator::global()->bounded(4, 9);
    return static_cast<float>(2 * std::numbers::pi / n);
}

} // namespace

GuideViewController::GuideViewController(vault::Prompt& prompt, bool helpIntoWelcome,
                                         QWidget* parent)
    : QWidget(parent), prompt_(prompt), helpIntoWelcome_(helpIntoWelcome) {
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, kPaneColour);
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);

    viewport_ = new QWidget(this);
    strip_ = new QWidget(viewport_);
    strip_->setObjectName(QStringLiteral("pageStrip"));
    for (int index = 0; index <= lastPageIndex(); ++index)
        buildPage(index)->setParent(strip_);

    dots_ = new PageIndicator(static_cast<int>(lastPageIndex()) + 1, this);
    dots_->setObjectName(QStringLiteral("pageDots"));
    connect(dots_, &PageIndicator::dotClicked, this, [this](int index) { showPage(index); });

    pageButton_ = new QPushButton(this);
    pageButton_->setObjectName(QStringLiteral("pageButton"));
    pageButton_->setCursor(Qt::PointingHandCursor);
    pageButton_->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; background: transparent; border: 1px solid rgb(186,186,189);"
        " border-radius: 5px; padding: 6px 28px; }"
        "QPushButton:pressed { background: rgba(255,255,255,40); }"));
    connect(pageButton_, &QPushButton::clicked, this, &GuideViewController::pressPageButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 18);
    layout->addWidget(viewport_, 1);
    layout->addWidget(dots_, 0, Qt::AlignHCenter);
    layout->addWidget(pageButton_, 0, Qt::AlignHCenter);

    resize(kContentSize);
    applyTexts();
    showPage(0);
}

qint64 GuideViewController::lastPageIndex() const {
    return helpIntoWelcome_ ? kCreationPage - 1 : kCreationPage;
}

void GuideViewController::showPage(qint64 index) {
    pageIndex_ = qBound<qint64>(0, index, lastPageIndex());
    dots_->setCurrent(static_cast<int>(pageIndex_));
    const bool last = pageIndex_ == lastPageIndex();
    const QString titleKey = !last              ? QStringLiteral("Next.text")
                             : helpIntoWelcome_ ? QStringLiteral("closeBtn.title")
                                                : QStringLiteral("createVaultBtn.title");
    pageButton_->setText(platform::localizedStringForKey(titleKey));
    placeStrip();
}

void GuideViewController::langeuageAction() {
    applyTexts();
    showPage(pageIndex_);
}

void GuideViewController::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeStrip();
}

QWidget* GuideViewController::buildPage(int index) {
    const PageContent& content = kPages.at(static_cast<std::size_t>(index));
    auto* page = new QWidget;
    auto* picture = new TurningPicture(QString::fromLatin1(content.picture), page);
    picture->setFixedSize(index == kCreationPage ? QSize(150, 150) : QSize(320, 240));

    auto* texts = new QVBoxLayout;
    texts->addStretch(1);
    QLabel* title = addLabel(content.titleKey, page);
    QFont titleFont = title->font();
    titleFont.setPointSize(kTitlePointSize);
    title->setFont(titleFont);
    texts->addWidget(title);
    texts->addSpacing(10);
    for (const char* key : content.lineKeys) {
        if (key)
            texts->addWidget(addLabel(key, page));
    }
    if (index == kCreationPage) {
        lockPicture_ = picture;
        lockPicture_->setObjectName(QStringLiteral("lockPicture"));
        texts->addSpacing(10);
        texts->addWidget(buildCreationControls());
    }
    texts->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(40, 10, 40, 0);
    layout->addWidget(picture, 0, Qt::AlignVCenter);
    layout->addSpacing(30);
    layout->addLayout(texts, 1);
    return page;
}

QWidget* GuideViewController::buildCreationControls() {
    auto* controls = new QWidget;
    passwordField_ = addField("password_TextField.placeholderString", true);
    confirmationField_ = addField("sourepassword_TextField.placeholderString", true);
    hintField_ = addField("passwordhint.placeholderString", false);
    passwordField_->setObjectName(QStringLiteral("passwordField"));
    confirmationField_->setObjectName(QStringLiteral("confirmationField"));
    hintField_->setObjectName(QStringLiteral("hintField"));

    rememberBox_ = new QCheckBox(controls);
    rememberBox_->setObjectName(QStringLiteral("rememberBox"));
    QFont boxFont = rememberBox_->font();
    boxFont.setPointSize(15);
    rememberBox_->setFont(boxFont);
    QPalette grey = rememberBox_->palette();
    grey.setColor(QPalette::WindowText, kLightGrey);
    grey.setColor(QPalette::ButtonText, kLightGrey);
    rememberBox_->setPalette(grey);

    auto* layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QLineEdit* field : {passwordField_, confirmationField_, hintField_}) {
        auto* frame = new FieldFrame(field, controls);
        frame->setObjectName(field->objectName() + QStringLiteral("Frame"));
        frame->setFixedSize(300, 30);
        layout->addWidget(frame);
    }
    layout->addWidget(rememberBox_);

    connect(passwordField_, &QLineEdit::returnPressed, confirmationField_,
            [this] { confirmationField_->setFocus(Qt::OtherFocusReason); });
    connect(passwordField_, &QLineEdit::textEdited, this, &GuideViewController::turnLock);
    connect(confirmationField_, &QLineEdit::textEdited, this, &GuideViewController::turnLock);
    return controls;
}

QLineEdit* GuideViewController::addField(const char* placeholderKey, bool secure) {
    auto* field = new QLineEdit;
    if (secure)
        field->setEchoMode(QLineEdit::Password);
    keyedFields_.append({field, QString::fromLatin1(placeholderKey)});
    return field;
}

QLabel* GuideViewController::addLabel(const char* key, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    keyedLabels_.append({label, QString::fromLatin1(key)});
    return label;
}

void GuideViewController::placeStrip() {
    const int pageWidth = viewport_->width();
    const int pageHeight = viewport_->height();
    const QObjectList pages = strip_->children();
    strip_->setGeometry(static_cast<int>(-pageIndex_ * pageWidth), 0,
                        pageWidth * static_cast<int>(pages.size()), pageHeight);
    int x = 0;
    for (QObject* page : pages) {
        if (auto* widget = qobject_cast<QWidget*>(page)) {
            widget->setGeometry(x, 0, pageWidth, pageHeight);
            x += pageWidth;
        }
    }
}

void GuideViewController::pressPageButton() {
    if (pageIndex_ < lastPageIndex()) {
        showPage(pageIndex_ + 1);
        return;
    }
    if (!helpIntoWelcome_) {
        runFinishStep();
        return;
    }
    if (BlackBlock_)
        BlackBlock_();
}

void GuideViewController::runFinishStep() {
    const QString password = passwordField_->text();
    if (password.isEmpty())
        return;
    if (password != confirmationField_->text()) {
        confirmationField_->clear();
        return;
    }
    const vault::Prompt::SaveChoice choice = vault::vaultFolderChoice();
    const QString chosen = prompt_.chooseSavePath(choice);
    if (chosen.isEmpty())
        return;
    qCInfo(lcVexo, "%s----%s", qUtf8Printable(chosen), qUtf8Printable(choice.title));
    const QString root = vault::vaultRootForChoice(chosen);
    if (!vault::createVaultRoot(root, prompt_))
        return;
    vault::storeFirstRun(root, confirmationField_->text(), hintField_->text());
    if (rememberBox_->isChecked())
        access::writeRememberedPasswordCopy(confirmationField_->text());
    emit finished();
}

void GuideViewController::turnLock() {
    const float end = nextGuideTurnAngle();
    lockPicture_->turn(animationFlagValue_, end);
    animationFlagValue_ = end;
}

void GuideViewController::applyTexts() {
    for (const auto& [label, key] : keyedLabels_)
        label->setText(platform::localizedStringForKey(key));
    for (const auto& [field, key] : keyedFields_)
        field->setPlaceholderText(platform::localizedStringForKey(key));
    if (rememberBox_)
        rememberBox_->setText(
            platform::localizedStringForKey(QStringLiteral("remmenberBtn.title")));
}

} // namespace vexo::ui
