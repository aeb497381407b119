// A printed set as an A4 PDF: two sheets a page, then the answer pages.
#include "print/sheetpdf.h"

#include "print/printjob.h"
#include "sheet/sheetseries.h"
#include "sheet/sheetshape.h"
#include "sheet/sheettime.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <array>
#include <cmath>

namespace {

// Positions and sizes are in millimetres from the page's top left corner, fonts in points.
constexpr int dotsPerInch = 1200;
constexpr double pageWidth = 210;
constexpr double pageHeight = 297;
constexpr double left = 15;
constexpr double right = pageWidth - left;
constexpr double footLine = 289; // baseline of the page's foot

constexpr double writingLine = 0.3; // pen widths
constexpr double greyLine = 0.2;

// A sheet on the question pages: its share of the page and where its parts stand, in millimetres from the top of
// that share (across, from the page's left margin). As it stands: two sheets a page, cut apart along the middle, each
// half about A5, with the questions still in 16 pt (三号, large enough for a first-year pupil), 19 mm between lines
// and at least 25 mm after each "＝" to write the answer in.
struct SheetFrame
{
    int perPage = 2;                      // sheets one below the other, cut apart along dashed lines
    double height = pageHeight / perPage; // each sheet's share of the page
    double cutLineInset = 8;              // from the page's edges to the ends of the dashed line
    double titleBaseline = 17;            // "口算练习", the sheet's number and its time
    double numberGap = 6;                 // from the title to the sheet's number
    double blanksBaseline = 29;           // 姓名, 日期, 用时, 得分, each starting a quarter of the width
    double blankLine = 30;                // the lines to write them on
    double blankLineGap = 1;              // from a blank's name to its line
    double blankLineEnd = 4;              // from a line's end to the next quarter
    double headRule = 35;                 // the grey line under the head
    double firstQuestionLine = 52;        // baseline of the first line of questions
    double questionLinePitch = 19;        // from one line of questions to the next
    double questionColumn = (right - left) / SheetShape::rowsPerLine; // from one question's start to the next's
};

// The answer pages: blocks of a sheet's answers, each where its questions stand, 2 columns of 6 blocks a page.
struct AnswerFrame
{
    int columns = 2;                              // blocks side by side
    int rows = 6;                                 // blocks one below the other
    double titleBaseline = 17;                    // "答案", at the top of each answer page
    double top = 27;                              // of the first row of blocks
    double blockWidth = (right - left) / columns; // from one block to the next across
    double blockHeight = 43;                      // from one block to the next down
    double blockGap = 4;                          // between a block's frame and the next block's
    double inset = 3;                             // from a block's frame to its texts
    double numberBaseline = 7;                    // the sheet's number, from the block's top
    double firstAnswerLine = 14;                  // baseline of the first line of answers, from the block's top
    double answerLinePitch = 6;
    double answerColumn = 21;
};

constexpr SheetFrame questionPage;
constexpr AnswerFrame answerPage;

const QColor grey(0x59, 0x59, 0x59);

// The design's Song face and nothing else: a character it lacks shows as missing instead of pulling in another
// face (which would be a Japanese or sans one). The size is an even number of dots near the points asked for, so
// that full and half widths are whole dots too.
QFont song(double points)
{
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPixelSize(2 * int(std::lround(points * dotsPerInch / 72 / 2)));
    return font;
}

int pagesFor(int sheets, int perPage)
{
    return (sheets + perPage - 1) / perPage;
}

// Where the text of a sheet's row at index starts, in mm: first is where row 0's starts, step the distance to the
// next column (width) and to the next line (height).
QPointF cellPosition(QPointF first, QSizeF step, int index)
{
    const SheetShape::Cell cell = SheetShape::cellOf(index);
    return {first.x() + cell.column * step.width(), first.y() + cell.line * step.height()};
}

// Draws a printed set page by page: the question pages, then the answer pages.
class PrintedSetPainter
{
public:
    PrintedSetPainter(QPdfWriter *writer, const PrintJob &job)
        : m_writer(writer)
        , m_job(job)
        , m_painter(writer)
        , m_pages(pagesFor(job.sheets, questionPage.perPage)
                  + (job.answers ? pagesFor(job.sheets, answerPage.columns * answerPage.rows) : 0))
    {
    }

    bool drawSet();

private:
    enum Font { Title, Label, Question, Answer, Small, FontCount };
    enum class Align { Left, Right };

    // Whole dots (1/1200 inch): nothing the eye sees, and the page description compresses better.
    static double dots(double mm) { return std::round(mm * dotsPerInch / 25.4); }
    double width(Font font, const QString &text) const;
    void text(double x, double y, Font font, const QString &text, Align align = Align::Left);
    void line(double x1, double y1, double x2, double y2); // with the painter's pen

    void sheet(double top, int number, const PrintedSheet &sheet);
    void answerBlock(double x, double top, int number, const PrintedSheet &sheet);
    void foot();
    void nextPage();

    QPdfWriter *m_writer;
    const PrintJob &m_job;
    QPainter m_painter;
    std::array<QFont, FontCount> m_fonts{song(18), song(12), song(16), song(12), song(8.5)};
    int m_pages;
    int m_page = 1;
};

double PrintedSetPainter::width(Font font, const QString &text) const
{
    return QFontMetricsF(m_fonts[font], m_writer).horizontalAdvance(text) * 25.4 / dotsPerInch;
}

void PrintedSetPainter::text(double x, double y, Font font, const QString &text, Align align)
{
    m_painter.setFont(m_fonts[font]);
    m_painter.setPen(font == Small ? grey : Qt::black);
    m_painter.drawText(QPointF(dots(align == Align::Right ? x - width(font, text) : x), dots(y)), text);
}

void PrintedSetPainter::line(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(QPointF(dots(x1), dots(y1)), QPointF(dots(x2), dots(y2)));
}

void PrintedSetPainter::sheet(double top, int number, const PrintedSheet &sheet)
{
    const SheetFrame &f = questionPage;
    const QString title = QStringLiteral("口算练习");
    text(left, top + f.titleBaseline, Title, title);
    text(left + width(Title, title) + f.numberGap, top + f.titleBaseline, Label, QStringLiteral("第%1张").arg(number));
    text(right, top + f.titleBaseline, Label, QStringLiteral("限时 ") + SheetTime::countdownText(sheet.seconds),
         Align::Right);
    const std::array<QString, 4> blanks{QStringLiteral("姓名"), QStringLiteral("日期"), QStringLiteral("用时"),
                                        QStringLiteral("得分")};
    constexpr double blankWidth = (right - left) / blanks.size();
    for (size_t i = 0; i < blanks.size(); ++i)
        text(left + double(i) * blankWidth, top + f.blanksBaseline, Label, blanks[i]);
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i) {
        const QPointF at = cellPosition({left, top + f.firstQuestionLine}, {f.questionColumn, f.questionLinePitch}, i);
        text(at.x(), at.y(), Question, sheet.questions[i] + u'＝');
    }

    // The lines after the text, each kind under one pen: every change of pen is written into the page.
    m_painter.setPen(QPen(Qt::black, dots(writingLine)));
    for (size_t i = 0; i < blanks.size(); ++i) {
        const double x = left + double(i) * blankWidth;
        line(x + width(Label, blanks[i]) + f.blankLineGap, top + f.blankLine, x + blankWidth - f.blankLineEnd,
             top + f.blankLine);
    }
    m_painter.setPen(QPen(grey, dots(greyLine)));
    line(left, top + f.headRule, right, top + f.headRule);
}

void PrintedSetPainter::answerBlock(double x, double top, int number, const PrintedSheet &sheet)
{
    const AnswerFrame &f = answerPage;
    m_painter.setPen(QPen(grey, dots(greyLine)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(dots(x), dots(top), dots(f.blockWidth - f.blockGap), dots(f.blockHeight - f.blockGap)));
    text(x + f.inset, top + f.numberBaseline, Label, QStringLiteral("第%1张").arg(number));
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i) {
        const QPointF at = cellPosition({x + f.inset, top + f.firstAnswerLine}, {f.answerColumn, f.answerLinePitch}, i);
        text(at.x(), at.y(), Answer, sheet.answers[i]);
    }
}

void PrintedSetPainter::foot()
{
    text(left, footLine, Small, QStringLiteral("种子 %1").arg(m_job.seed));
    text(right, footLine, Small, QStringLiteral("%1/%2").arg(m_page).arg(m_pages), Align::Right);
}

void PrintedSetPainter::nextPage()
{
    foot();
    m_writer->newPage();
    ++m_page;
}

bool PrintedSetPainter::drawSet()
{
    if (!m_painter.isActive())
        return false;
    const SheetFrame &sheets = questionPage;
    SheetSeries questions(m_job.source, m_job.seed);
    for (int k = 1; k <= m_job.sheets; ++k) {
        const int place = (k - 1) % sheets.perPage;
        if (k > 1 && place == 0)
            nextPage();
        const double top = place * sheets.height;
        if (place > 0) {
            m_painter.setPen(QPen(grey, dots(greyLine), Qt::DashLine));
            line(sheets.cutLineInset, top, pageWidth - sheets.cutLineInset, top);
        }
        sheet(top, k, questions.next());
    }

    if (m_job.answers) {
        const AnswerFrame &blocks = answerPage;
        // The same seed again gives the same sheets: their answers need not be kept in the meantime.
        SheetSeries answers(m_job.source, m_job.seed);
        for (int k = 1; k <= m_job.sheets; ++k) {
            const int place = (k - 1) % (blocks.columns * blocks.rows);
            if (place == 0) {
                nextPage();
                text(left, blocks.titleBaseline, Title, QStringLiteral("答案"));
            }
            const int column = place % blocks.columns;
            const int row = place / blocks.columns;
            answerBlock(left + column * blocks.blockWidth, blocks.top + row * blocks.blockHeight, k, answers.next());
        }
    }
    foot();
    return m_painter.end();
}

} // namespace

bool SheetPdf::write(QIODevice *device, const PrintJob &job)
{
    QPdfWriter writer(device);
    writer.setResolution(dotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QStringLiteral("口算练习"));
    // The command that prints the same set again goes with the file, where a reader's document properties show it;
    // on the pages it would cost a third of their size in letters of the face.
    writer.setCreator(job.reprint);
    return PrintedSetPainter(&writer, job).drawSet();
}
