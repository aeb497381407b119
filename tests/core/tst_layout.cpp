// Where the 20 question rows stand: their lines and columns, and in twips with the practice window's row templates.
#include "sheet/sheetlayout.h"
#include "sheet/sheetshape.h"

#include <QTest>

using namespace SheetLayout;

Q_DECLARE_METATYPE(SheetLayout::Element)

namespace {

constexpr std::array<float, ElementCount> designHeights{240, 240, 240, 360};

const char *elementName(Element e)
{
    switch (e) {
    case Question:
        return "question";
    case EqualsSign:
        return "equals sign";
    case Mark:
        return "mark";
    default:
        return "answer box";
    }
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellOfARow_data();
    void cellOfARow();
    void cellWidthOfTheDesign();
    void designPositions_data();
    void designPositions();
    void widerQuestionTemplateOnlyWidensThePitch();
    void answerBoxCentresOnATallerQuestion();
};

void TestLayout::cellOfARow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::newRow("first row, top left") << 0 << 0 << 0;
    QTest::newRow("fourth row ends the first line") << 3 << 0 << 3;
    QTest::newRow("fifth row starts the second line") << 4 << 1 << 0;
    QTest::newRow("last row, bottom right") << 19 << 4 << 3;
}

void TestLayout::cellOfARow()
{
    QFETCH(int, index);
    QFETCH(int, line);
    QFETCH(int, column);
    QCOMPARE(SheetShape::cellOf(index).line, line);
    QCOMPARE(SheetShape::cellOf(index).column, column);
}

void TestLayout::cellWidthOfTheDesign()
{
    QCOMPARE(int(cellWidth(designTemplates)), 1922);
}

void TestLayout::designPositions_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<SheetLayout::Element>("element");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");

    // Labels step by 2202 a column, the answer box by 2204: the box drifts 2 twips a column.
    const std::array<std::array<float, 4>, ElementCount> lefts{{
            {360, 2562, 4764, 6966},
            {1200, 3402, 5604, 7806},
            {2175, 4377, 6579, 8781},
            {1440, 3644, 5848, 8052},
    }};
    const std::array<std::array<float, 5>, ElementCount> tops{{
            {660, 1160, 1660, 2160, 2660},
            {660, 1160, 1660, 2160, 2660},
            {690, 1190, 1690, 2190, 2690},
            {599, 1099, 1599, 2099, 2599},
    }};
    for (int e = 0; e < ElementCount; ++e) {
        for (int i = 1; i <= SheetShape::rowsPerSheet; ++i) {
            const auto [line, column] = SheetShape::cellOf(i - 1);
            QTest::addRow("%s of row %d (line %d, column %d)", elementName(Element(e)), i, line, column)
                    << i << Element(e) << lefts[size_t(e)][size_t(column)] << tops[size_t(e)][size_t(line)];
        }
    }
}

void TestLayout::designPositions()
{
    QFETCH(int, row);
    QFETCH(SheetLayout::Element, element);
    QFETCH(float, left);
    QFETCH(float, top);
    const auto rows = placeRows(designTemplates, designHeights);
    const TwipRect &rect = rows[size_t(row - 1)][size_t(element)];
    QCOMPARE(rect.left, left);
    QCOMPARE(rect.top, top);
    QCOMPARE(rect.height, designHeights[size_t(element)]);
}

void TestLayout::widerQuestionTemplateOnlyWidensThePitch()
{
    // Rows take no width of their own, so a question sized to a longer text cannot move anything;
    // only the template widths count. A wider template widens the cell and so the column pitch,
    // while the first column and every Top stay where the design puts them.
    Row templates = designTemplates;
    templates[Question].width = 1200;
    QCOMPARE(int(cellWidth(templates)), 2327);
    const auto wide = placeRows(templates, designHeights);
    const auto design = placeRows(designTemplates, designHeights);
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i) {
        const int column = SheetShape::cellOf(i).column;
        for (int e = 0; e < ElementCount; ++e) {
            const float pitch = 2327.0f + (e == AnswerBox ? answerBoxGap : labelGap);
            const float firstLeft = design[0][size_t(e)].left;
            QCOMPARE(wide[size_t(i)][size_t(e)].left, firstLeft + float(column) * pitch);
            QCOMPARE(wide[size_t(i)][size_t(e)].top, design[size_t(i)][size_t(e)].top);
        }
    }
}

void TestLayout::answerBoxCentresOnATallerQuestion()
{
    // A larger question text makes its label taller: the label moves down by the extra height in the
    // first line, the lines grow apart by it, and the box stays centred on the label, half twips included.
    std::array<float, ElementCount> heights = designHeights;
    heights[Question] = 255;
    const auto rows = placeRows(designTemplates, heights);
    QCOMPARE(rows[0][Question].top, 675.0f);
    QCOMPARE(rows[4][Question].top, 675.0f + 515.0f);
    QCOMPARE(rows[0][AnswerBox].top, 675.0f - 52.5f - 1.0f);
    QCOMPARE(rows[19][AnswerBox].top, 675.0f + 4 * 515.0f - 52.5f - 1.0f);
    QCOMPARE(rows[0][EqualsSign].top, 660.0f); // the other labels keep their own heights
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
