#pragma once

#include "store/FileModel.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace vexo::store {

// One row of a sidebar section: its header, a group, or the add-group row.
class GroupModel {
public:
    bool isHeader = false;   // the section's first row
    bool isAddItem = false;  // the section's last row, which adds a group
    bool isGroupDir = false; // the row belongs to a file list (local or drive)
    bool isNotes = false;    // the row belongs to the notes list
    bool isEditing = false;  // the sidebar is editing the name; not persisted
    qint64 index = 0;        // position in its list
    QString name;
    QString path;       // the group's folder in its vault folder, "%lu-%@"
    QString groupName;  // the list the row belongs to
    QString password;   // drive header: MD5_32BitUpper of the drive vault's password
    QString macAddress; // drive header: hardware address of the computer that made it
    QList<FileModelPtr> fileModels;
};

using GroupModelPtr = std::shared_ptr<GroupModel>;
using GroupList = QList<GroupModelPtr>;

// The arguments handed to a worker thread that hides or unhides one item.
struct NSThreadParam {
    GroupModelPtr groupModel;
    qint64 sender = 0; // row of the file list whose control started the run
    std::function<void()> completedBlock;
};

// The values of groupName that are not drive-vault keys.
inline const QString kSystemDevicName = QStringLiteral("systemDevicName");
inline const QString kSystemDevicNoteName = QStringLiteral("systemDevicNoteName");

} // namespace vexo::store
