// Where the 20 question rows of a sheet stand, in twips, worked out from the row templates.
#include "sheet/sheetlayout.h"

#include "shared/numbers.h"

qint16 SheetLayout::cellWidth(const Row &templates)
{
    float sum = templates[EqualsSign].width + templates[Question].width;
    sum += templates[Mark].width;
    sum += templates[AnswerBox].width;
    sum += cellPadding;
    return Numbers::toInt16(double(sum));
}

std::array<SheetLayout::Row, SheetShape::rowsPerSheet>
SheetLayout::placeRows(const Row &templates, const std::array<float, ElementCount> &heights)
{
    const qint16 w = cellWidth(templates);
    std::array<Row, SheetShape::rowsPerSheet> rows{};
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i) {
        const auto [line, column] = SheetShape::cellOf(i);
        Row &row = rows[size_t(i)];
        for (int e = 0; e < ElementCount; ++e) {
            TwipRect &rect = row[size_t(e)];
            const TwipRect &model = templates[size_t(e)];
            rect.width = model.width;
            rect.height = heights[size_t(e)];
            const float step = float(w) + (e == AnswerBox ? answerBoxGap : labelGap);
            rect.left = column == 0 ? model.left : rows[size_t(i - 1)][size_t(e)].left + step;
            if (e == AnswerBox)
                continue;
            if (line == 0) {
                rect.top = model.top + rect.height + firstLineGap;
            } else {
                const TwipRect &first = rows[0][size_t(e)];
                rect.top = first.top + float(line) * (first.height + lineGap);
            }
        }
        TwipRect &box = row[AnswerBox];
        const TwipRect &question = row[Question];
        box.top = question.top - (box.height - question.height) / 2.0f - 1.0f;
    }
    return rows;
}
