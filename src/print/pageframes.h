// Where the parts of a printed page stand: the A4 page, a sheet in each of the layouts of 1, 2 or 4 a page, and
// the answer pages.
#pragma once

#include "sheet/sheetshape.h"

namespace PageFrames {

// Positions and sizes are in millimetres from the page's top left corner, fonts in points.
inline constexpr double pageWidth = 210;
inline constexpr double pageHeight = 297;
inline constexpr double left = 10; // wide enough for a printer's unprinted edge, narrow enough for 4 columns of
inline constexpr double right = pageWidth - left; // "100－90＝" with 20 mm after each
inline constexpr double footLine = 289;           // baseline of the page's foot

// A sheet on the question pages: its share of the page, its fonts and where its parts stand, in millimetres from
// the top of that share (across, from the page's left margin). The defaults are two sheets a page, cut apart along
// the middle, each half about A5, the questions in 16 pt (三号, large enough for a first-year pupil), 19 mm between
// lines and at least 22 mm after each "＝" to write the answer in.
struct SheetFrame
{
    int perPage = 2;                      // sheets one below the other, cut apart along dashed lines
    double height = pageHeight / perPage; // each sheet's share of the page
    double titlePoints = 18;              // "口算练习" or the units' names
    double labelPoints = 12;              // the sheet's number, its time and the blanks' names
    double questionPoints = 16;
    double cutLineInset = 8;       // from the page's edges to the ends of the dashed line
    double titleBaseline = 17;     // the title, the sheet's number, its seed and its time
    double numberGap = 6;          // from the title to the sheet's number, and between the texts at the right
    double blanksBaseline = 29;    // 班级, 姓名, 日期, 用时, 得分, each starting a fifth of the width
    double blankLine = 30;         // the lines to write them on
    double blankLineGap = 1;       // from a blank's name to its line
    double blankLineEnd = 4;       // from a line's end to the next fifth
    double headRule = 35;          // the grey line under the head
    double firstQuestionLine = 52; // baseline of the first line of questions
    double questionLinePitch = 19; // from one line of questions to the next
    double questionColumn = (right - left) / SheetShape::rowsPerLine; // from one question's start to the next's
};

// One sheet a page, for beginners: everything larger, and the lines far apart for large handwriting.
inline constexpr SheetFrame wholePage{.perPage = 1,
                                      .titlePoints = 22,
                                      .labelPoints = 14,
                                      .questionPoints = 17, // the most that leaves 20 mm after "100－90＝"
                                      .titleBaseline = 22,
                                      .numberGap = 8,
                                      .blanksBaseline = 38,
                                      .blankLine = 39,
                                      .headRule = 46,
                                      .firstQuestionLine = 72,
                                      .questionLinePitch = 46};
inline constexpr SheetFrame halfPage; // two a page
// Four full-width strips above the page's foot, 80 questions a page, in 14 pt (the least for grades 3 and 4).
inline constexpr SheetFrame strip{.perPage = 4,
                                  .height = 71,
                                  .titlePoints = 14,
                                  .labelPoints = 10.5,
                                  .questionPoints = 14,
                                  .titleBaseline = 10,
                                  .numberGap = 4,
                                  .blanksBaseline = 17.5,
                                  .blankLine = 18.5,
                                  .headRule = 21.5,
                                  .firstQuestionLine = 29.5,
                                  .questionLinePitch = 9};

// The frame for perPage sheets a page: 1, 4, or else the two a page.
constexpr const SheetFrame &sheetFrame(int perPage)
{
    return perPage == 1 ? wholePage : perPage == 4 ? strip : halfPage;
}

// The answer pages: one block a sheet, across the page, each question with its answer ("74＋9＝83") where it stands
// on the sheet, in 11 pt; 9 blocks a page.
struct AnswerFrame
{
    int rows = 9;              // blocks one below the other
    double titleBaseline = 17; // "答案" and the seed, at the top of each answer page
    double titlePoints = 18;
    double points = 11;           // the sheets' numbers and the answers
    double top = 24;              // of the first block
    double blockHeight = 29;      // from one block to the next down
    double blockGap = 2;          // between a block's frame and the next block's
    double inset = 3;             // from a block's frame to its number
    double numberWidth = 22;      // from the block's left to its first column of answers
    double firstAnswerLine = 5.5; // baseline of the first line of answers, from the block's top
    double answerLinePitch = 5;
    double answerColumn = (right - left - numberWidth) / SheetShape::rowsPerLine;
};

inline constexpr AnswerFrame answerPage;

} // namespace PageFrames
