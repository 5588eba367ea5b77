#pragma once

#include "store/GroupModel.h"

#include <QList>
#include <QString>

namespace vexo::vault {

class MainViewController;

// What one row of the group sidebar shows, taken from its group record and
// the controller's selection. Views draw these; they keep no row across a
// rebuild.
struct SidebarRow {
    qint64 row = 0;      // position in the whole sidebar
    qint64 groupRow = 0; // the record's index in its own list
    QString groupName;   // "systemDevicName", a drive-vault key or "systemDevicNoteName"
    bool isGroupDir = false;
    bool isGroupNote = false;
    bool isHeader = false;
    bool isAddItem = false;
    bool canSelected = false;   // groups only, never a header or an add row
    bool selected = false;      // the group the selection names
    bool isEditingName = false; // the name is being edited in place
    QString title;              // empty for add rows
    QString countText;          // note rows only; empty for no notes
    store::GroupModelPtr group;
};

// The sidebar top to bottom: the local vault's rows, then the rows of every
// open drive vault whose folder is there now (in key order), then the note
// groups. Views call it again whenever the catalogue's lists change.
QList<SidebarRow> sidebarRows(MainViewController& controller);

} // namespace vexo::vault
