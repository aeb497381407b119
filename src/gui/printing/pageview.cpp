// The pages of a printed set one below the other, drawn as printed when they come into view.
#include "printing/pageview.h"

#include "print/pageframes.h"
#include "print/sheetpdf.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int smallestPageWidth = 120; // in pixels, however narrow the view

// The page's width in the units SheetPdf draws in.
constexpr double pageWidthInDots = PageFrames::pageWidth / 25.4 * SheetPdf::dotsPerInch;

} // namespace

PageView::PageView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    // Always there, so that fitting the pages to the width never shows or hides it.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PageView::setJob(const PrintJob &job)
{
    m_job = job;
    m_pages = SheetPdf::pageCount(job);
    m_drawn.clear();
    if (m_current == 0)
        m_anchor = 0; // the first page's top
    setCurrent(std::clamp(m_current, 1, m_pages));
    layOut();
}

int PageView::pageCount() const
{
    return m_pages;
}

int PageView::currentPage() const
{
    return m_current;
}

void PageView::showPage(int page)
{
    if (m_pages == 0)
        return;
    page = std::clamp(page, 1, m_pages);
    m_steering = true;
    verticalScrollBar()->setValue(pageTop(page) - gap);
    m_steering = false;
    const double middle = verticalScrollBar()->value() + viewport()->height() / 2.0;
    m_anchor = std::clamp((middle - pageTop(page)) / m_pageHeight, 0.0, 1.0);
    setCurrent(page);
}

void PageView::setZoom(double zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    layOut();
}

double PageView::shownZoom() const
{
    return m_pageWidth / (PageFrames::pageWidth / 25.4 * viewport()->logicalDpiX());
}

void PageView::paintEvent(QPaintEvent *event)
{
    std::vector<int> drawnNow; // told after the paint, whose handlers might change the job
    {
        QPainter painter(viewport());
        painter.fillRect(event->rect(), palette().dark());
        if (m_pages == 0)
            return;
        ++m_paints;
        const int width = viewport()->width();
        const int x = m_pageWidth + 2 * gap <= width ? (width - m_pageWidth) / 2 : gap - horizontalScrollBar()->value();
        const int top = verticalScrollBar()->value();
        painter.setPen(palette().shadow().color());
        for (int page = pageAt(top); page <= m_pages && pageTop(page) < top + viewport()->height(); ++page) {
            const QRect shown(x, pageTop(page) - top, m_pageWidth, m_pageHeight);
            if (!shown.intersects(event->rect()))
                continue;
            painter.drawRect(shown.adjusted(-1, -1, 0, 0)); // a frame just outside the page
            bool drawn = false;
            painter.drawImage(shown.topLeft(), image(page, viewport()->devicePixelRatioF(), &drawn));
            if (drawn)
                drawnNow.push_back(page);
        }
    }
    // The images painted now stay; of the others, the latest painted within the budget.
    std::sort(m_drawn.begin(), m_drawn.end(), [](const Drawn &a, const Drawn &b) { return a.used > b.used; });
    qsizetype bytes = 0;
    m_drawn.erase(std::find_if(m_drawn.begin(), m_drawn.end(),
                               [&](const Drawn &drawn) {
                                   if (drawn.used == m_paints)
                                       return false;
                                   bytes += drawn.image.sizeInBytes();
                                   return bytes > imageBudget * 1024 * 1024;
                               }),
                  m_drawn.end());
    for (int page : drawnNow)
        Q_EMIT pageDrawn(page);
    Q_EMIT painted();
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    layOut();
}

void PageView::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    viewport()->update();
    follow();
}

void PageView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return QAbstractScrollArea::wheelEvent(event);
    event->accept();
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        Q_EMIT zoomStepped(steps);
}

int PageView::pageTop(int page) const
{
    return gap + (page - 1) * pitch();
}

int PageView::pageAt(int y) const
{
    // Each page owns half of the gaps above and below it.
    return std::clamp((y - gap / 2) / pitch() + 1, 1, std::max(m_pages, 1));
}

const QImage &PageView::image(int page, qreal ratio, bool *drawn)
{
    const QSize size(qRound(m_pageWidth * ratio), qRound(m_pageHeight * ratio));
    for (Drawn &drawn : m_drawn) {
        if (drawn.page == page && drawn.image.size() == size && drawn.image.devicePixelRatio() == ratio) {
            drawn.used = m_paints;
            return drawn.image;
        }
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        const double scale = size.width() / pageWidthInDots;
        painter.scale(scale, scale);
        SheetPdf::drawPage(painter, *m_job, page);
    }
    image.setDevicePixelRatio(ratio); // after drawing, which is in the image's own pixels
    *drawn = true;
    m_drawn.push_back({page, std::move(image), m_paints});
    return m_drawn.back().image;
}

void PageView::layOut()
{
    const int width = viewport()->width();
    const double across = m_pageWidth > 0 ? (horizontalScrollBar()->value() + width / 2.0) / (m_pageWidth + 2 * gap)
                                          : 0.5; // where the view's middle stands across the pages
    m_pageWidth =
            m_zoom > 0 ? qRound(m_zoom * PageFrames::pageWidth / 25.4 * viewport()->logicalDpiX()) : width - 2 * gap;
    m_pageWidth = std::max(m_pageWidth, smallestPageWidth);
    m_pageHeight = qRound(m_pageWidth * PageFrames::pageHeight / PageFrames::pageWidth);
    m_steering = true;
    horizontalScrollBar()->setRange(0, std::max(0, m_pageWidth + 2 * gap - width));
    horizontalScrollBar()->setPageStep(width);
    horizontalScrollBar()->setSingleStep(m_pageWidth / 20);
    horizontalScrollBar()->setValue(qRound(across * (m_pageWidth + 2 * gap) - width / 2.0));
    verticalScrollBar()->setRange(0, std::max(0, gap + m_pages * pitch() - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(m_pageHeight / 20);
    scrollToAnchor();
    m_steering = false;
    viewport()->update();
}

void PageView::follow()
{
    if (m_steering || m_pages == 0)
        return;
    const double middle = verticalScrollBar()->value() + viewport()->height() / 2.0;
    const int page = pageAt(int(middle));
    m_anchor = std::clamp((middle - pageTop(page)) / m_pageHeight, 0.0, 1.0);
    setCurrent(page);
}

void PageView::scrollToAnchor()
{
    if (m_current > 0)
        verticalScrollBar()->setValue(
                qRound(pageTop(m_current) + m_anchor * m_pageHeight - viewport()->height() / 2.0));
}

void PageView::setCurrent(int page)
{
    if (page == m_current)
        return;
    m_current = page;
    Q_EMIT currentPageChanged(page);
}
