#include "ui/FileInfoWindow.h"

#include "platform/Localization.h"
#include "ui/Look.h"
#include "vault/ProgressText.h"

#include <QGridLayout>
#include <QLabel>

namespace vexo::ui {
namespace {

constexpr int kIconSide = 96;

} // namespace

FileInfoWindow::FileInfoWindow(const store::FileModel& item, const QPixmap& icon, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fileInfoWindow"));
    setWindowTitle(QStringLiteral("Vexo Preview"));
    setWindowOpacity(0.9);
    fillBackground(this, kSidebarColour, Qt::white);
    setFixedSize(kSize);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setHorizontalSpacing(16);
    auto* iconView = new QLabel;
    iconView->setObjectName(QStringLiteral("fileIcon"));
    iconView->setFixedSize(kIconSide, kIconSide);
    iconView->setAlignment(Qt::AlignCenter);
    iconView->setPixmap(
        icon.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    layout->addWidget(iconView, 0, 0, 4, 1, Qt::AlignTop);

    const bool hidden = item.isEncrtypt;
    QLabel* state =
        addLabel(platform::localizedStringForKey(hidden ? QStringLiteral("hideState.text")
                                                        : QStringLiteral("unhideState.text")),
                 15, "stateLabel");
    state->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(state, 0, 2);
    layout->addWidget(addLabel(item.name, 20, "fileName"), 0, 1);
    layout->addWidget(
        addLabel(QStringLiteral("Size:") + QLatin1Char(' ') +
                     (hidden ? vault::contentSizeForPath(item) : vault::sizeText(item.fileSize)),
                 15, "filesizeValue"),
        1, 1, 1, 2);
    QLabel* place = addLabel(item.path, 15, "filePath");
    place->setWordWrap(true);
    place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(place, 2, 1, 1, 2);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(1, 1);
}

QLabel* FileInfoWindow::addLabel(const QString& text, int pointSize, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setFont(designFont(pointSize));
    return label;
}

void FileInfoWindow::runOver(QWidget* mainWindow) {
    centreOver(this, mainWindow);
    exec();
}

} // namespace vexo::ui
