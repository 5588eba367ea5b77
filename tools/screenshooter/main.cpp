// Shows each screen of the desktop application offscreen, with a sample vault
// in a temporary home, and writes a picture of each into the folder given.
#include "Shots.h"
#include "app/AppDelegate.h"
#include "ui/ChangePasswordWController.h"
#include "ui/DialogPrompt.h"
#include "ui/FileInfoWindow.h"
#include "ui/FileListModel.h"
#include "ui/GuideViewController.h"
#include "ui/HelpWindow.h"
#include "ui/MainView.h"
#include "ui/NoteTextEdit.h"
#include "ui/NoteView.h"
#include "ui/PreferencesWindowController.h"
#include "ui/loginViewcontroller.h"
#include "vault/FirstRun.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace vexo;
using screenshots::settle;
using screenshots::shoot;

const QString kSamplePassword = QStringLiteral("correct horse");

// Everything the application reads or writes goes below world.
void enterWorld(const QTemporaryDir& world) {
    const QString root = world.path();
    for (const char* folder : {"home", "config", "cache", "data", "volumes"})
        QDir(root).mkpath(QLatin1String(folder));
    qputenv("HOME", QFile::encodeName(root + QStringLiteral("/home")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("VEXO_VOLUMES_ROOT", QFile::encodeName(root + QStringLiteral("/volumes")));
    qputenv("VEXO_MAC_ADDRESS", "02:00:00:00:00:01");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QStringList makeSampleFiles(const QString& home) {
    QDir(home).mkpath(QStringLiteral("Pictures"));
    QImage picture(640, 400, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QColor(70, 130, 180));
    painter.setBrush(QColor(250, 210, 90));
    painter.drawEllipse(QPoint(480, 110), 60, 60);
    painter.end();
    const QString pictureFile = home + QStringLiteral("/Pictures/Holiday.png");
    picture.save(pictureFile);

    const QString letter = home + QStringLiteral("/Letter to the bank.txt");
    QFile text(letter);
    if (text.open(QIODevice::WriteOnly))
        text.write(QByteArray("Dear Sir or Madam,\n").repeated(40));
    return {pictureFile, letter};
}

bool shootGuide(app::AppDelegate& delegate, const QDir& out) {
    auto* guide = qobject_cast<ui::GuideViewController*>(delegate.mainWindow().content());
    if (guide == nullptr)
        return false;
    bool written = true;
    for (qint64 page = 0; page <= guide->lastPageIndex(); ++page) {
        guide->showPage(page);
        settle(600);
        written &= shoot(&delegate.mainWindow(), out, QStringLiteral("guide-%1").arg(page + 1));
    }
    return written;
}

void waitForRuns(app::AppDelegate& delegate) {
    while (delegate.catalogue().runsUnderWay())
        settle(100);
    settle();
}

// A drive with one file, added to a new drive vault named "Travel".
QString makeDriveFile(const QString& volumesRoot) {
    const QString file = volumesRoot + QStringLiteral("/USB-STICK/Boarding pass.pdf");
    QDir().mkpath(QFileInfo(file).path());
    QFile pdf(file);
    if (pdf.open(QIODevice::WriteOnly))
        pdf.write(QByteArray(48 * 1024, 'x'));
    return file;
}

// A file large enough that its hide can be seen running.
QString makeLargeFile(const QString& home) {
    const QString file = home + QStringLiteral("/Holiday film.mkv");
    QFile film(file);
    if (film.open(QIODevice::WriteOnly))
        film.resize(qint64(1) << 31);
    return file;
}

bool shootMainView(app::AppDelegate& delegate, const QString& home, const QDir& out) {
    ui::MainView& view = *delegate.mainView();
    vault::MainViewController& controller = view.controller();
    controller.AddFileActionForPaths(makeSampleFiles(home));
    waitForRuns(delegate);
    // The drive has no vault yet: make one, named "Travel".
    ui::DialogPrompt::answerNextAlertWith(0);
    ui::DialogPrompt::answerNextTextWith(QStringLiteral("Travel"));
    controller.AddFileActionForPaths({makeDriveFile(qEnvironmentVariable("VEXO_VOLUMES_ROOT"))});
    waitForRuns(delegate);
    controller.select(store::kSystemDevicName, 1);
    // One visible item beside the hidden ones.
    controller.visableChange(view.fileList().itemAt(1));
    waitForRuns(delegate);
    bool written = shoot(&delegate.mainWindow(), out, QStringLiteral("main-window"));

    QMenu* menu = view.groupChildFile_Menu(0, &view);
    menu->popup(view.mapToGlobal(QPoint(420, 120)));
    settle();
    written &= shoot(&delegate.mainWindow(), out, QStringLiteral("row-menu"));
    menu->close();

    ui::FileInfoWindow info(*view.fileList().itemAt(0), QPixmap(), &view);
    info.show();
    settle();
    written &= shoot(&info, out, QStringLiteral("information-window"));
    info.close();

    // A large file switched to hidden: the panel and the row follow the run.
    controller.AddFileActionForPaths({makeLargeFile(home)});
    settle(600);
    written &= shoot(&delegate.mainWindow(), out, QStringLiteral("hide-in-progress"));
    controller.encryptCancelBtnAction();
    waitForRuns(delegate);
    return written;
}

// Two notes, the open one formatted, in the note view.
bool shootNotes(app::AppDelegate& delegate, const QDir& out) {
    ui::MainView& view = *delegate.mainView();
    ui::NoteView& notes = view.noteView();
    view.controller().select(store::kSystemDevicNoteName, 1);
    const auto addNote = [&notes](const QString& title, const QString& html) {
        notes.addNoteAction();
        notes.titleField()->setText(title);
        emit notes.titleField()->editingFinished();
        notes.editor()->setHtml(html);
        notes.saveOpenNote();
    };
    addNote(QStringLiteral("Shopping"), QStringLiteral("<p>Milk, eggs, bread</p>"));
    addNote(QStringLiteral("Trip checklist"),
            QStringLiteral("<p style='font-size:18pt'><b>Lisbon, 12&ndash;16 May</b></p>"
                           "<p>Flight <span style='color:#e0a030'>TP 1331</span> leaves at "
                           "<i>07:40</i>; be at the airport by six.</p>"
                           "<ul><li>Passport and <u>boarding pass</u></li>"
                           "<li>Adapter for the chargers</li><li>Sunglasses</li></ul>"
                           "<p align='center'>Bon voyage!</p>"));
    settle();
    return shoot(&delegate.mainWindow(), out, QStringLiteral("note-view"));
}

bool shootChangePassword(app::AppDelegate& delegate, const QDir& out) {
    ui::DialogPrompt prompt(&delegate.mainWindow());
    ui::ChangePasswordWController window(prompt, &delegate.mainWindow());
    window.show();
    const std::pair<const char*, const char*> typed[] = {{"oldPasswordField", "correct horse"},
                                                         {"nowPasswordField", "Blue-Kettle-42"},
                                                         {"verifyField", "Blue-Kettle-42"},
                                                         {"passwordHitField", "the kettle"}};
    for (const auto& [field, text] : typed)
        window.findChild<QLineEdit*>(QLatin1String(field))->setText(QLatin1String(text));
    settle();
    return shoot(&window, out, QStringLiteral("change-password"));
}

// Each pane of the preferences window.
bool shootPreferences(app::AppDelegate& delegate, const QDir& out) {
    ui::DialogPrompt prompt(&delegate.mainWindow());
    ui::PreferencesWindowController window(prompt, &delegate.mainView()->controller(),
                                           &delegate.mainWindow());
    window.show();
    bool written = true;
    for (int tag = 1; tag <= 4; ++tag) {
        QAction* item = window.toolBarItem(tag);
        item->trigger();
        settle();
        written &=
            shoot(&window, out, QStringLiteral("preferences-") + item->objectName().toLower());
    }
    return written;
}

bool shootHelp(app::AppDelegate& delegate, const QDir& out) {
    delegate.helpAction();
    settle();
    auto* help = delegate.mainWindow().findChild<ui::HelpWindow*>();
    const bool written = help != nullptr && shoot(help, out, QStringLiteral("help"));
    if (help != nullptr)
        help->close();
    return written;
}

// The unlock screen after the language was switched to Chinese.
bool shootChineseUnlock(app::AppDelegate& delegate, const QDir& out) {
    delegate.lockvexoAction();
    delegate.setLange(1);
    settle();
    const bool written = shoot(&delegate.mainWindow(), out, QStringLiteral("unlock-zh-Hans"));
    delegate.setLange(2);
    return written;
}

bool shootUnlockAndMain(const QString& home, const QDir& out) {
    app::AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    settle();
    auto* unlock = qobject_cast<ui::loginViewcontroller*>(delegate.mainWindow().content());
    if (unlock == nullptr)
        return false;
    bool written = shoot(&delegate.mainWindow(), out, QStringLiteral("unlock"));

    auto* field = unlock->findChild<QLineEdit*>(QStringLiteral("passwordTextField"));
    for (int attempt = 0; attempt < ui::loginViewcontroller::kHintFromAttempt; ++attempt) {
        field->setText(QStringLiteral("guess %1").arg(attempt));
        unlock->enterAction();
    }
    settle(800);
    written &= shoot(&delegate.mainWindow(), out, QStringLiteral("unlock-hint"));

    field->setText(kSamplePassword);
    unlock->enterAction();
    settle();
    if (delegate.mainView() == nullptr)
        return false;
    return written && shootMainView(delegate, home, out) && shootNotes(delegate, out) &&
           shootChangePassword(delegate, out) && shootPreferences(delegate, out) &&
           shootHelp(delegate, out) && shootChineseUnlock(delegate, out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vexo-screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    QTemporaryDir world;
    if (!world.isValid())
        return 1;
    enterWorld(world);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexo"));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    bool written = true;
    {
        app::AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        written &= shootGuide(delegate, out);
    }
    const QString home = world.path() + QStringLiteral("/home");
    const QString root = vault::vaultRootForChoice(home + QStringLiteral("/Vault"));
    vault::storeFirstRun(root, kSamplePassword, QStringLiteral("The usual one, with the horse"));
    QDir().mkpath(root);
    written &= shootUnlockAndMain(home, out);
    return written ? 0 : 1;
}
