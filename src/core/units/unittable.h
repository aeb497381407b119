// The table of school units, one row a unit, and finding them by their ids.
#pragma once

#include <QList>

#include <optional>
#include <span>

class QString;
class QStringView;
struct Unit;

namespace UnitTable {

// Every unit, in the order they are listed.
std::span<const Unit> all();

// The unit with that id, or nullptr.
const Unit *find(QStringView id);

// The units of a comma-separated list such as "carry20,borrow20", each once, in the order first named. Nothing
// when an item is no unit's id (an empty item among them); that item is then written to unknown.
std::optional<QList<const Unit *>> parse(QStringView ids, QString *unknown);

} // namespace UnitTable
