// Where the 20 question rows of a sheet stand, in twips, worked out from the row templates.
#pragma once

#include "sheet/sheetshape.h"

#include <QtGlobal>

#include <array>

namespace SheetLayout {

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

// The practice window's hidden row 0 as designed: Label1, Label2, Label3, Text2. The sheet lays every row out from
// them, and both the window and its tests read them here.
inline constexpr Row designTemplates{{
        {360, 120, 795, 240},  // Label1, the question
        {1200, 120, 255, 240}, // Label2, the equals sign
        {2175, 150, 135, 240}, // Label3, the mark
        {1440, 60, 735, 360},  // Text2, the answer box
}};

// Gaps of the design, in twips.
inline constexpr float cellPadding = 2;    // added to the summed template widths to make a cell
inline constexpr float labelGap = 280;     // from one cell to the next, for the labels
inline constexpr float answerBoxGap = 282; // the same for the box: it drifts 2 twips a column against its labels
inline constexpr float firstLineGap = 300; // below a template label's own height, to the first line
inline constexpr float lineGap = 260;      // between one line's labels and the next's

// Sum of the template widths plus cellPadding, rounded into 16 bits: the width of one cell of the sheet.
qint16 cellWidth(const Row &templates);

// Positions of rows 1 to 20 (index 0 is row 1). Every element takes its template's size with the
// height given in heights (the labels size themselves to their text); Left and Top follow the
// templates in single precision, one column to the next by cellWidth + labelGap (labels) or + answerBoxGap (box).
std::array<Row, SheetShape::rowsPerSheet> placeRows(const Row &templates,
                                                    const std::array<float, ElementCount> &heights);

} // namespace SheetLayout
