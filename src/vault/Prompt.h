#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vexo::vault {

// How the vault reaches the user. The desktop application answers with
// dialogs, the command-line tool on the terminal, tests from a script. Every
// text is given as a localization key (with its arguments where it has
// placeholders); the front end looks the keys up.
class Prompt {
public:
    enum class Style { Warning, Error };

    struct Alert {
        Style style = Style::Warning;
        QString messageKey;
        QStringList messageArguments; // fill the message's placeholders in order
        QString informativeKey;       // may be empty
        QString informativeText;      // shown as written, after the informative key's text
        QStringList buttonKeys;       // first is the default button
    };

    struct TextRequest {
        QString messageKey;
        QStringList messageArguments;
        QStringList buttonKeys; // confirm, cancel
        QString initialText;
        QString placeholderKey;
    };

    struct FileChoice {
        QString messageKey;
        QString startFolder;
        bool multipleSelection = true;
        bool chooseFolders = true;
        bool chooseFiles = true;
        QStringList preferredExtensions; // offered first; other types stay allowed
    };

    struct SaveChoice {
        QString title; // also the proposed name
        QString messageKey;
        QString startFolder;
        bool showExtension = true;
        bool canCreateFolders = true;
    };

    virtual ~Prompt() = default;

    // Shows the alert modally; the index of the button pressed (0 = first).
    virtual int alert(const Alert& alert) = 0;

    // Asks for a line of text; nullopt when the user cancels.
    virtual std::optional<QString> askText(const TextRequest& request) = 0;

    // Asks for a password without showing it; nullopt when the user cancels.
    virtual std::optional<QString> askPassword(const TextRequest& request) = 0;

    // Lets the user choose files and folders; empty when the user cancels.
    virtual QStringList chooseFiles(const FileChoice& choice) = 0;

    // Lets the user name a new file or folder; empty when the user cancels.
    virtual QString chooseSavePath(const SaveChoice& choice) = 0;
};

} // namespace vexo::vault
