#include "ui/VaultMoveDialog.h"

#include "platform/Localization.h"
#include "ui/Look.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace vexo::ui {
namespace {

using platform::localizedStringForKey;

constexpr int kBarSteps = 1000;
constexpr int kRefreshMs = 100;

} // namespace

VaultMoveDialog::VaultMoveDialog(QString from, QString to, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      from_(std::move(from)), to_(std::move(to)), bar_(new QProgressBar),
      cancelButton_(new QPushButton(localizedStringForKey(QStringLiteral("Cancel.StringValue")))) {
    setObjectName(QStringLiteral("vaultMoveDialog"));
    setWindowTitle(localizedStringForKey(QStringLiteral("vaultMove.title")));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(platform::localizedText(QStringLiteral("vaultMove.message"), {to_}));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setFont(designFont(12));
    layout->addWidget(message);
    bar_->setRange(0, kBarSteps);
    bar_->setValue(0);
    layout->addWidget(bar_);
    cancelButton_->setObjectName(QStringLiteral("vaultMoveCancel"));
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(380);
}

VaultMoveDialog::~VaultMoveDialog() = default;

vault::VaultMoveResult VaultMoveDialog::run() {
    QThread* mover =
        QThread::create([this] { result_ = vault::moveVaultFolder(from_, to_, progress_); });
    connect(mover, &QThread::finished, this, [this] {
        moveEnded_ = true;
        accept();
    });
    QTimer refresh;
    connect(&refresh, &QTimer::timeout, this, &VaultMoveDialog::showProgress);
    refresh.start(kRefreshMs);
    mover->start();
    exec();
    mover->wait();
    delete mover;
    return std::move(result_);
}

void VaultMoveDialog::closeEvent(QCloseEvent* event) {
    // Closing for a lock or a quit waits for the move to end; only Cancel
    // and Escape stop it.
    if (moveEnded_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void VaultMoveDialog::done(int result) {
    // The copy is stopped, not abandoned: the window goes when the thread
    // has put everything back.
    if (!moveEnded_) {
        progress_.cancelRequested = true;
        cancelButton_->setEnabled(false);
        return;
    }
    QDialog::done(result);
}

void VaultMoveDialog::showProgress() {
    const qint64 total = progress_.totalBytes;
    if (total > 0)
        bar_->setValue(static_cast<int>(progress_.copiedBytes * kBarSteps / total));
}

} // namespace vexo::ui
