// A printed set as an A4 PDF: two sheets a page, then the answer pages.
#include "print/sheetpdf.h"

#include "print/printjob.h"
#include "sheet/sheetlayout.h"
#include "sheet/sheetseries.h"
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

// Two sheets a page, cut apart along the middle: each half is about A5, and the questions still stand in 16 pt
// (三号, large enough for a first-year pupil) with 19 mm between lines and at least 25 mm after each "＝" to write
// the answer in.
constexpr int sheetsPerPage = 2;
constexpr double halfPage = pageHeight / sheetsPerPage;
constexpr double questionColumn = 45; // (right - left) / 4
constexpr double firstQuestionLine = 52;
constexpr double questionLinePitch = 19;

// The answer pages hold 2 columns of 6 sheets, each sheet's answers where its questions stand.
constexpr int answerColumns = 2;
constexpr int answerRows = 6;
constexpr double answerBlockWidth = (right - left) / answerColumns;
constexpr double answerBlockTop = 27;
constexpr double answerBlockHeight = 43;
constexpr double answerColumn = 21;
constexpr double answerLinePitch = 6;

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

class SetPainter
{
public:
    SetPainter(QPdfWriter *writer, const PrintJob &job)
        : m_writer(writer)
        , m_job(job)
        , m_painter(writer)
        , m_pages(pagesFor(job.sheets, sheetsPerPage)
                  + (job.answers ? pagesFor(job.sheets, answerColumns * answerRows) : 0))
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

double SetPainter::width(Font font, const QString &text) const
{
    return QFontMetricsF(m_fonts[font], m_writer).horizontalAdvance(text) * 25.4 / dotsPerInch;
}

void SetPainter::text(double x, double y, Font font, const QString &text, Align align)
{
    m_painter.setFont(m_fonts[font]);
    m_painter.setPen(font == Small ? grey : Qt::black);
    m_painter.drawText(QPointF(dots(align == Align::Right ? x - width(font, text) : x), dots(y)), text);
}

void SetPainter::line(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(QPointF(dots(x1), dots(y1)), QPointF(dots(x2), dots(y2)));
}

void SetPainter::sheet(double top, int number, const PrintedSheet &sheet)
{
    text(left, top + 17, Title, QStringLiteral("口算练习"));
    text(left + width(Title, QStringLiteral("口算练习")) + 6, top + 17, Label, QStringLiteral("第%1张").arg(number));
    text(right, top + 17, Label, QStringLiteral("限时 ") + SheetTime::countdownText(sheet.seconds), Align::Right);
    constexpr double blankWidth = (right - left) / 4;
    const std::array<QString, 4> blanks{QStringLiteral("姓名"), QStringLiteral("日期"), QStringLiteral("用时"),
                                        QStringLiteral("得分")};
    for (size_t i = 0; i < blanks.size(); ++i)
        text(left + double(i) * blankWidth, top + 29, Label, blanks[i]);
    for (int i = 0; i < SheetLayout::rowsPerSheet; ++i) {
        const int column = i % SheetLayout::rowsPerLine;
        const int row = i / SheetLayout::rowsPerLine;
        text(left + column * questionColumn, top + firstQuestionLine + row * questionLinePitch, Question,
             sheet.questions[i] + u'＝');
    }

    // The lines after the text, each kind under one pen: every change of pen is written into the page.
    m_painter.setPen(QPen(Qt::black, dots(0.3)));
    for (size_t i = 0; i < blanks.size(); ++i) {
        const double x = left + double(i) * blankWidth;
        line(x + width(Label, blanks[i]) + 1, top + 30, x + blankWidth - 4, top + 30);
    }
    m_painter.setPen(QPen(grey, dots(0.2)));
    line(left, top + 35, right, top + 35);
}

void SetPainter::answerBlock(double x, double top, int number, const PrintedSheet &sheet)
{
    m_painter.setPen(QPen(grey, dots(0.2)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(dots(x), dots(top), dots(answerBlockWidth - 4), dots(answerBlockHeight - 4)));
    text(x + 3, top + 7, Label, QStringLiteral("第%1张").arg(number));
    for (int i = 0; i < SheetLayout::rowsPerSheet; ++i) {
        const int column = i % SheetLayout::rowsPerLine;
        const int row = i / SheetLayout::rowsPerLine;
        text(x + 3 + column * answerColumn, top + 14 + row * answerLinePitch, Answer, sheet.answers[i]);
    }
}

void SetPainter::foot()
{
    text(left, footLine, Small, QStringLiteral("种子 %1").arg(m_job.seed));
    text(right, footLine, Small, QStringLiteral("%1/%2").arg(m_page).arg(m_pages), Align::Right);
}

void SetPainter::nextPage()
{
    foot();
    m_writer->newPage();
    ++m_page;
}

bool SetPainter::drawSet()
{
    if (!m_painter.isActive())
        return false;
    SheetSeries questions(m_job.plan, m_job.seed);
    for (int k = 1; k <= m_job.sheets; ++k) {
        const int place = (k - 1) % sheetsPerPage;
        if (k > 1 && place == 0)
            nextPage();
        if (place > 0) {
            m_painter.setPen(QPen(grey, dots(0.2), Qt::DashLine));
            line(8, place * halfPage, pageWidth - 8, place * halfPage);
        }
        sheet(place * halfPage, k, questions.next());
    }

    if (m_job.answers) {
        // The same seed again gives the same sheets: their answers need not be kept in the meantime.
        SheetSeries answers(m_job.plan, m_job.seed);
        for (int k = 1; k <= m_job.sheets; ++k) {
            const int place = (k - 1) % (answerColumns * answerRows);
            if (place == 0) {
                nextPage();
                text(left, 17, Title, QStringLiteral("答案"));
            }
            const int column = place % answerColumns;
            const int row = place / answerColumns;
            answerBlock(left + column * answerBlockWidth, answerBlockTop + row * answerBlockHeight, k, answers.next());
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
    return SetPainter(&writer, job).drawSet();
}
