// Where the 20 question rows of a sheet stand, in twips, worked out from the row templates.
#pragma once

#include <QtGlobal>

#include <array>

namespace SheetLayout {

inline constexpr int rowsPerSheet = 20;
inline constexpr int rowsPerLine = 4;

// The four elements of a question row, in the order the sheet creates them.
enum Element { Question, EqualsSign, Mark, AnswerBox, ElementCount };

struct TwipRect
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

using Row = std::array<TwipRect, ElementCount>;

// Sum of the template widths plus 2, rounded into 16 bits: the width of one cell of the sheet.
qint16 cellWidth(const Row &templates);

// Positions of rows 1 to 20 (index 0 is row 1). Every element takes its template's size with the
// height given in heights (the labels size themselves to their text); Left and Top follow the
// templates in single precision, one column to the next by cellWidth + 280 (labels) or + 282 (box).
std::array<Row, rowsPerSheet> placeRows(const Row &templates, const std::array<float, ElementCount> &heights);

} // namespace SheetLayout
