// The pages of a printed set one below the other, drawn as printed when they come into view.
#pragma once

#include "request/printjob.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <optional>
#include <vector>

// A scroll area over a column of A4 pages, centred on grey with a gap around each. Only the pages in view are drawn
// (SheetPdf::drawPage, at the screen's device pixel ratio), each into an image kept for the current job and scale
// while the images stay within a budget. The current page is the one across the middle of the view; it stays in
// view when the scale or the job changes.
class PageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit PageView(QWidget *parent = nullptr);

    // Shows job's pages from now on, keeping the current page where the job still has it (else its last page).
    void setJob(const PrintJob &job);
    int pageCount() const;   // 0 before the first job
    int currentPage() const; // 1 to pageCount(), 0 before the first job
    void showPage(int page); // its top at the top of the view, as far as the scrolling goes

    // The page's width against its printed width on this screen (1: as large as on paper); 0 fits the width.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    double shownZoom() const; // what the pages are shown at, fitted or not

Q_SIGNALS:
    void currentPageChanged(int page);
    void pageDrawn(int page);    // drawn into its image for a paint, told after it
    void painted();              // after a paint of the current job's pages in view
    void zoomStepped(int steps); // Ctrl and the wheel: larger (positive) or smaller

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Drawn
    {
        int page = 0;
        QImage image;
        quint64 used = 0; // when last painted, in paints
    };

    int pitch() const { return m_pageHeight + gap; }         // from one page's top to the next one's, in pixels
    int pageTop(int page) const;                             // in the column, in pixels
    int pageAt(int y) const;                                 // the page nearest to height y of the column
    const QImage &image(int page, qreal ratio, bool *drawn); // *drawn set when it had to be drawn now
    void layOut();
    void follow(); // the current page and the anchor after scrolling
    void scrollToAnchor();
    void setCurrent(int page);

    static constexpr int gap = 16;               // around each page, in pixels
    static constexpr qsizetype imageBudget = 96; // MiB of images kept beyond those in view
    std::optional<PrintJob> m_job;
    int m_pages = 0;
    double m_zoom = 0;
    int m_pageWidth = 0; // in pixels
    int m_pageHeight = 0;
    int m_current = 0;
    double m_anchor = 0;     // where in the current page the view's middle stands, 0 (top) to 1 (bottom)
    bool m_steering = false; // the view scrolls itself: the current page stays
    std::vector<Drawn> m_drawn;
    quint64 m_paints = 0;
};
