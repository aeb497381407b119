// Draws the pages of a printed set one at a time onto a painter.
#include "print/pagepainter.h"

#include "print/pageframes.h"
#include "print/sheetpdf.h"
#include "request/printjob.h"
#include "sheet/sheetshape.h"
#include "sheet/sheettime.h"
#include "units/unit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace PageFrames;

namespace {

constexpr int dotsPerInch = SheetPdf::dotsPerInch; // the painter's units
constexpr double writingLine = 0.3;                // pen widths, in mm
constexpr double greyLine = 0.2;

const QColor grey(0x59, 0x59, 0x59);
const QColor black(0, 0, 0);

// Whole dots (1/1200 inch): nothing the eye sees, and the page description compresses better.
double dots(double mm)
{
    return std::round(mm * dotsPerInch / 25.4);
}

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

constexpr std::array<QStringView, 5> blanks{u"班级", u"姓名", u"日期", u"用时", u"得分"};

// The box of text's outlines, in dots from its origin on the baseline.
QRectF inkOf(const QFont &font, const QString &text)
{
    QPainterPath outline;
    outline.addText(0, 0, font, text);
    return outline.boundingRect();
}

} // namespace

PagePainter::PagePainter(QPainter &painter, const PrintJob &job)
    : m_painter(painter)
    , m_job(job)
    , m_frame(sheetFrame(job.perPage))
    , m_fonts{song(m_frame.titlePoints),    song(m_frame.labelPoints), song(m_frame.questionPoints),
              song(answerPage.titlePoints), song(answerPage.points),   song(8.5)}
    , m_questions(job.source, job.seed)
    , m_answers(job.source, job.seed) // the same seed again gives the same sheets
{
    QStringList names;
    for (const Unit *unit : job.source.units())
        names.append(unit->name.toString());
    m_title = names.isEmpty() ? QStringLiteral("口算练习") : names.join(u'、');
    // The title shares its line with the widest number, seed and time there can be.
    for (const QFont &font : m_fonts)
        m_metrics.emplace_back(font, painter.device());
    const double room = right - left - width(Label, QStringLiteral("第1000张限时 00:00"))
            - width(Small, QStringLiteral("种子 4294967295")) - 3 * m_frame.numberGap;
    m_titleWidth = width(Title, m_title);
    if (m_titleWidth > room) {
        m_fonts[Title].setPixelSize(2 * int(m_fonts[Title].pixelSize() * room / m_titleWidth / 2));
        m_metrics[Title] = QFontMetricsF(m_fonts[Title], painter.device());
        m_titleWidth = width(Title, m_title);
    }
}

int PagePainter::questionPages(const PrintJob &job)
{
    return pagesFor(job.sheets, sheetFrame(job.perPage).perPage);
}

int PagePainter::pages(const PrintJob &job)
{
    return questionPages(job) + (job.answers ? pagesFor(job.sheets, answerPage.rows) : 0);
}

double PagePainter::width(Font font, const QString &text) const
{
    return m_metrics[font].horizontalAdvance(text) * 25.4 / dotsPerInch;
}

void PagePainter::text(double x, double y, Font font, const QString &text, Align align)
{
    // Setting the same font again costs as much as drawing a question.
    if (font != m_font) {
        m_painter.setFont(m_fonts[font]);
        m_font = font;
    }
    const QColor &colour = font == Small ? grey : black;
    if (m_painter.pen().color() != colour)
        m_painter.setPen(colour);
    m_painter.drawText(QPointF(dots(align == Align::Right ? x - width(font, text) : x), dots(y)), text);
}

// UMing's × and ÷ are half-width glyphs, a third of the size of its ＋ and －: they are scaled to ＋'s ink, keeping
// their shape, in the same face, centred where ＋'s ink stands and taking its advance. Each stays one character of
// the question's run, so that a reader of the file still finds one word, "84÷7＝".
const PagePainter::Symbol &PagePainter::symbol(Font font, QChar symbol)
{
    Symbol &drawn = m_symbols[2 * font + (symbol == u'÷')];
    if (drawn.scale == 0) {
        const QRectF plus = inkOf(m_fonts[font], QStringLiteral("＋"));
        const QRectF ink = inkOf(m_fonts[font], symbol);
        drawn.scale = std::min(plus.width() / ink.width(), plus.height() / ink.height());
        drawn.offset = plus.center() - drawn.scale * ink.center();
    }
    return drawn;
}

void PagePainter::arithmetic(double x, double y, Font font, const QString &text)
{
    qsizetype at = text.indexOf(u'×');
    if (at < 0)
        at = text.indexOf(u'÷');
    if (at < 0)
        return this->text(x, y, font, text);
    const QString head = text.left(at);
    this->text(x, y, font, head);
    const double symbolX = x + width(font, head);
    const Symbol &drawn = symbol(font, text[at]);
    m_painter.save();
    m_painter.translate(QPointF(dots(symbolX), dots(y)) + drawn.offset);
    m_painter.scale(drawn.scale, drawn.scale);
    m_painter.drawText(QPointF(0, 0), text.mid(at, 1));
    m_painter.restore();
    this->text(symbolX + width(font, QStringLiteral("＋")), y, font, text.mid(at + 1));
}

void PagePainter::line(double x1, double y1, double x2, double y2)
{
    m_painter.drawLine(QPointF(dots(x1), dots(y1)), QPointF(dots(x2), dots(y2)));
}

void PagePainter::sheet(double top, int number, const PrintedSheet &sheet)
{
    const SheetFrame &f = m_frame;
    const double baseline = top + f.titleBaseline;
    text(left, baseline, Title, m_title);
    text(left + m_titleWidth + f.numberGap, baseline, Label, QStringLiteral("第%1张").arg(number));
    const QString time = QStringLiteral("限时 ") + SheetTime::countdownText(sheet.seconds);
    text(right, baseline, Label, time, Align::Right);
    text(right - width(Label, time) - f.numberGap, baseline, Small, QStringLiteral("种子 %1").arg(m_job.seed),
         Align::Right);
    constexpr double blankWidth = (right - left) / blanks.size();
    for (size_t i = 0; i < blanks.size(); ++i)
        text(left + double(i) * blankWidth, top + f.blanksBaseline, Label, blanks[i].toString());
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i) {
        const QPointF at = cellPosition({left, top + f.firstQuestionLine}, {f.questionColumn, f.questionLinePitch}, i);
        arithmetic(at.x(), at.y(), Question, sheet.questions[i] + u'＝');
    }

    // The lines after the text, each kind under one pen: every change of pen is written into the page.
    m_painter.setPen(QPen(Qt::black, dots(writingLine)));
    for (size_t i = 0; i < blanks.size(); ++i) {
        const double x = left + double(i) * blankWidth;
        line(x + width(Label, blanks[i].toString()) + f.blankLineGap, top + f.blankLine,
             x + blankWidth - f.blankLineEnd, top + f.blankLine);
    }
    m_painter.setPen(QPen(grey, dots(greyLine)));
    line(left, top + f.headRule, right, top + f.headRule);
}

void PagePainter::answerBlock(double top, int number, const PrintedSheet &sheet)
{
    const AnswerFrame &f = answerPage;
    m_painter.setPen(QPen(grey, dots(greyLine)));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(dots(left), dots(top), dots(right - left), dots(f.blockHeight - f.blockGap)));
    text(left + f.inset, top + f.firstAnswerLine, Answer, QStringLiteral("第%1张").arg(number));
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i) {
        const QPointF at =
                cellPosition({left + f.numberWidth, top + f.firstAnswerLine}, {f.answerColumn, f.answerLinePitch}, i);
        arithmetic(at.x(), at.y(), Answer, sheet.questions[i] + u'＝' + sheet.answers[i]);
    }
}

PrintedSheet PagePainter::sheetAt(SheetSeries &series, int &next, int k)
{
    for (; next < k; ++next)
        series.next();
    ++next;
    return series.next();
}

void PagePainter::draw(int page)
{
    m_font = FontCount; // a new page may start with the painter's own
    const int questionPages = PagePainter::questionPages(m_job);
    if (page <= questionPages) {
        const int first = (page - 1) * m_frame.perPage + 1;
        for (int k = first; k <= m_job.sheets && k < first + m_frame.perPage; ++k) {
            const double top = (k - first) * m_frame.height;
            if (k > first) {
                m_painter.setPen(QPen(grey, dots(greyLine), Qt::DashLine));
                line(m_frame.cutLineInset, top, pageWidth - m_frame.cutLineInset, top);
            }
            sheet(top, k, sheetAt(m_questions, m_nextQuestion, k));
        }
    } else {
        const AnswerFrame &f = answerPage;
        text(left, f.titleBaseline, AnswerTitle, QStringLiteral("答案"));
        text(right, f.titleBaseline, Small, QStringLiteral("种子 %1").arg(m_job.seed), Align::Right);
        const int first = (page - questionPages - 1) * f.rows + 1;
        for (int k = first; k <= m_job.sheets && k < first + f.rows; ++k)
            answerBlock(f.top + (k - first) * f.blockHeight, k, sheetAt(m_answers, m_nextAnswer, k));
    }
    text(right, footLine, Small, QStringLiteral("%1/%2").arg(page).arg(pages(m_job)), Align::Right);
}
