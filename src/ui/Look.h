#pragma once

#include <QColor>
#include <QFont>

class QListView;
class QWidget;

namespace vexo::ui {

// Colours of the window's regions.
inline constexpr QColor kPaneColour{80, 80, 86};
inline constexpr QColor kSidebarColour{44, 44, 47};
inline constexpr QColor kLineColour{100, 100, 104};
inline constexpr QColor kMutedTextColour{186, 186, 189};
// A selected row: the line colour at 40 %.
inline constexpr QColor kSelectedRowColour{100, 100, 104, 102};

// Gives widget a solid background of colour and light text; the widget.
QWidget* fillBackground(QWidget* widget, QColor colour, QColor text = kMutedTextColour);

// Gives a list of drawn rows its look: rows of one height (a list of any
// length lays out at once), no selection of its own, no frame, no sideways
// scrolling, pointer tracking for hover, and background behind the rows.
void styleRowList(QListView* list, QColor background);

// A divider one point thick across the given orientation's length.
QWidget* dividerLine(Qt::Orientation orientation);

// Moves window so that it stands centred over the frame of over (left where
// it is when over is null).
void centreOver(QWidget* window, const QWidget* over);

// The font of buttons and menus at a size in the design's points, which are
// the screen's logical pixels.
QFont designFont(int points);

} // namespace vexo::ui
