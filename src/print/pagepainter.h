// Draws the pages of a printed set one at a time onto a painter.
#pragma once

#include "sheet/sheetseries.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QString>

#include <array>
#include <vector>

class QPainter;
struct PrintJob;
namespace PageFrames {
struct SheetFrame;
}

// The sheets come from two series walked forward, the questions' and the answers': pages drawn in order draw each
// sheet once, and a page further on draws the sheets before it again, unpainted, to reach its own. The painter's
// units are dots of 1/1200 inch from the page's top left corner.
class PagePainter
{
public:
    PagePainter(QPainter &painter, const PrintJob &job);

    static int questionPages(const PrintJob &job);
    static int pages(const PrintJob &job);

    void draw(int page); // 1 to pages(job)

private:
    enum Font { Title, Label, Question, AnswerTitle, Answer, Small, FontCount };
    // How × or ÷ is drawn in a font: its scale, and where its origin goes from where ＋'s stands, in dots.
    struct Symbol
    {
        double scale = 0; // 0: not measured yet
        QPointF offset;
    };
    enum class Align { Left, Right };

    double width(Font font, const QString &text) const; // in mm
    void text(double x, double y, Font font, const QString &text, Align align = Align::Left);
    void arithmetic(double x, double y, Font font, const QString &text);
    const Symbol &symbol(Font font, QChar symbol);
    void line(double x1, double y1, double x2, double y2); // with the painter's pen

    void sheet(double top, int number, const PrintedSheet &sheet);
    void answerBlock(double top, int number, const PrintedSheet &sheet);
    // Sheet k (from 1) of series, whose next sheet is *next.
    static PrintedSheet sheetAt(SheetSeries &series, int &next, int k);

    QPainter &m_painter;
    const PrintJob &m_job;
    const PageFrames::SheetFrame &m_frame;
    std::array<QFont, FontCount> m_fonts; // the title's smaller when many units' names would not fit
    std::vector<QFontMetricsF> m_metrics; // the fonts', on the painter's device
    std::array<Symbol, std::size_t{2} * FontCount> m_symbols; // × and ÷ in each font
    Font m_font = FontCount;                                  // the painter's, when it is one of them
    QString m_title;                                          // "口算练习", or the units' names
    double m_titleWidth = 0;                                  // in mm
    SheetSeries m_questions;
    SheetSeries m_answers;
    int m_nextQuestion = 1;
    int m_nextAnswer = 1;
};
