#pragma once

#include <QByteArray>
#include <QHash>
#include <QTextListFormat>

#include <array>
#include <optional>
#include <vector>

class QTextList;

namespace vexo::notes {

// Where a list paragraph goes in RTF: list family (\ls, from 1) and level
// (\ilvl, 0 to 8).
struct ListPlace {
    int family = 0;
    int level = 0;
};

// Groups a document's lists into RTF list families. A list nested under the
// paragraph before it joins that paragraph's family at its own level, so word
// processors show it nested; everything else starts a family of its own.
// Reading numbers a family's deeper levels afresh after each shallower
// paragraph; a list only joins where that reading gives back the same lists.
class RtfListFamilies {
public:
    ListPlace place(const QTextList* list);
    // \listtable and \listoverridetable; empty when there are no lists.
    QByteArray tables() const;

private:
    struct Slot {
        const QTextList* list = nullptr;
        QTextListFormat format;
        bool restarted = false; // a shallower paragraph came after its last one
    };
    using Family = std::array<Slot, 9>;

    bool canJoin(int family, int level, const QTextListFormat& format) const;
    void paragraphAt(ListPlace place);
    QByteArray listDefinition(int family) const;

    std::vector<Family> families_;
    QHash<const QTextList*, ListPlace> places_;
    std::optional<ListPlace> last_;
};

// The number suffix a list shows: "." unless its format says otherwise.
QString numberSuffixOf(const QTextListFormat& format);
bool isBulletStyle(QTextListFormat::Style style);
// The character RTF and word processors show for a bullet style.
QChar bulletOf(QTextListFormat::Style style);

} // namespace vexo::notes
