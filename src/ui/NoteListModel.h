#pragma once

#include "ui/RecordListModel.h"

namespace vexo::ui {

// The rows of the note column: each note's title and the day it was made.
class NoteListModel : public RecordListModel {
    Q_OBJECT
public:
    enum Role {
        DateRole = Qt::UserRole + 1, // "<month> <day>,<year>" of the note's creation
        SelectedRole,
    };

    using RecordListModel::RecordListModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

// The creation day of note as its row shows it, and the date line of the
// open note ("Edited:<month> <day>,<year> at <hh>:<mm>:<ss>").
QString noteDayText(const store::FileModel& note);
QString noteEditedText(const store::FileModel& note);

} // namespace vexo::ui
