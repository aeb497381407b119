// Draws the pages of a printed set one at a time onto a painter.
#pragma once

#include "sheet/sheetseries.h"

#include <QFont>
#include <QString>

#include <array>

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
    enum class Align { Left, Right };

    double width(const QFont &font, const QString &text) const; // in mm
    void text(double x, double y, const QFont &font, const QString &text, Align align = Align::Left);
    void arithmetic(double x, double y, const QFont &font, const QString &text);
    void line(double x1, double y1, double x2, double y2); // with the painter's pen

    void sheet(double top, int number, const PrintedSheet &sheet);
    void answerBlock(double top, int number, const PrintedSheet &sheet);
    // Sheet k (from 1) of series, whose next sheet is *next.
    static PrintedSheet sheetAt(SheetSeries &series, int &next, int k);

    QPainter &m_painter;
    const PrintJob &m_job;
    const PageFrames::SheetFrame &m_frame;
    std::array<QFont, FontCount> m_fonts;
    QString m_title;   // "口算练习", or the units' names
    QFont m_titleFont; // the title's, smaller when many units' names would not fit
    SheetSeries m_questions;
    SheetSeries m_answers;
    int m_nextQuestion = 1;
    int m_nextAnswer = 1;
};
