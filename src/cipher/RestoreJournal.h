#pragma once

#include <QString>
#include <QStringList>

namespace vexo::cipher {

// What one unhide run has written at the item's place, so that a failed or
// cancelled run can take back exactly that and nothing else.
class RestoreJournal {
public:
    // Creates folder and its missing parents with ordinary modes, noting each
    // folder made here. False with the reason when that is not possible.
    bool makeFolders(const QString& folder, QString* error);

    // A file moved into its place whole.
    void fileRestored(const QString& path);

    // Removes the noted files, then the noted folders deepest first; a folder
    // that holds anything else stays.
    void rollBack();

private:
    QStringList files_;
    QStringList folders_; // parents before children
};

} // namespace vexo::cipher
