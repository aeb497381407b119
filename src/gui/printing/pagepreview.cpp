// The print window's preview: the set's pages as printed, with page navigation and zoom.
#include "printing/pagepreview.h"

#include "printing/pageview.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <array>

namespace {

// The zoom choice's sizes after "适合宽度", against the page's printed size on the screen.
constexpr std::array zooms{0.5, 0.75, 1.0, 1.25, 1.5, 2.0};
constexpr double near = 1.001; // sizes closer than this count as the same

QPushButton *button(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAccessibleName(text);
    button->setAutoDefault(false); // Enter in the window's boxes never pages or zooms
    return button;
}

} // namespace

PagePreview::PagePreview(QWidget *parent)
    : QWidget(parent)
    , m_view(new PageView(this))
    , m_previous(button(QStringLiteral("上一页"), this))
    , m_next(button(QStringLiteral("下一页"), this))
    , m_page(new QSpinBox(this))
    , m_zoomOut(button(QStringLiteral("缩小"), this))
    , m_zoomIn(button(QStringLiteral("放大"), this))
    , m_zoom(new QComboBox(this))
{
    m_view->setAccessibleName(QStringLiteral("预览"));
    setFocusProxy(m_view);
    m_page->setAccessibleName(QStringLiteral("页码"));
    m_page->setPrefix(QStringLiteral("第 "));
    m_page->setKeyboardTracking(false); // a page typed is shown once it is whole
    m_zoom->setAccessibleName(QStringLiteral("缩放"));
    m_zoom->addItem(QStringLiteral("适合宽度"), 0.0);
    for (double zoom : zooms)
        m_zoom->addItem(QStringLiteral("%1%").arg(qRound(zoom * 100)), zoom);

    auto *row = new QHBoxLayout;
    for (QWidget *control :
         {static_cast<QWidget *>(m_previous), static_cast<QWidget *>(m_next), static_cast<QWidget *>(m_page)})
        row->addWidget(control);
    row->addStretch();
    // A screen reader names a combo box after the label beside it, not after its own accessible name.
    auto *zoomLabel = new QLabel(QStringLiteral("缩放："));
    zoomLabel->setBuddy(m_zoom);
    for (QWidget *control : {static_cast<QWidget *>(m_zoomOut), static_cast<QWidget *>(m_zoomIn),
                             static_cast<QWidget *>(zoomLabel), static_cast<QWidget *>(m_zoom)})
        row->addWidget(control);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_view, 1);
    column->addLayout(row);

    m_pause.setSingleShot(true);
    m_pause.setInterval(typingPause);
    connect(&m_pause, &QTimer::timeout, this, &PagePreview::showJob);
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(m_page, &QSpinBox::valueChanged, this, &PagePreview::showPage);
    connect(m_zoomOut, &QPushButton::clicked, this, [this] { zoomBy(-1); });
    connect(m_zoomIn, &QPushButton::clicked, this, [this] { zoomBy(1); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_view->setZoom(m_zoom->itemData(index).toDouble());
        follow();
    });
    connect(m_view, &PageView::zoomStepped, this, &PagePreview::zoomBy);
    connect(m_view, &PageView::currentPageChanged, this, &PagePreview::follow);
    connect(m_view, &PageView::pageDrawn, this, &PagePreview::pageDrawn);
    connect(m_view, &PageView::painted, this, [this] {
        follow(); // a fitted width changes with the window
        if (!m_waiting)
            Q_EMIT shown();
    });
    follow();
}

void PagePreview::setJob(const PrintJob &job)
{
    if (pageCount() == 0) {
        m_waiting = job;
        return showJob();
    }
    m_waiting = job;
    m_pause.start();
}

int PagePreview::pageCount() const
{
    return m_view->pageCount();
}

int PagePreview::currentPage() const
{
    return m_view->currentPage();
}

void PagePreview::showPage(int page)
{
    m_view->showPage(page);
    follow();
}

void PagePreview::showJob()
{
    if (!m_waiting)
        return;
    m_view->setJob(*m_waiting);
    m_waiting.reset();
    follow();
}

void PagePreview::zoomBy(int steps)
{
    // The next size up or down from the one shown, which may be a fitted width between them.
    const double shown = m_view->shownZoom();
    int index = -1;
    if (steps > 0) {
        const auto *larger = std::find_if(zooms.begin(), zooms.end(), [&](double zoom) { return zoom > shown * near; });
        if (larger != zooms.end())
            index = int(std::min<std::ptrdiff_t>(larger - zooms.begin() + steps - 1, zooms.size() - 1));
    } else {
        const auto smaller =
                std::find_if(zooms.rbegin(), zooms.rend(), [&](double zoom) { return zoom * near < shown; });
        if (smaller != zooms.rend())
            index = int(std::max<std::ptrdiff_t>(zooms.rend() - smaller - 1 + steps + 1, 0));
    }
    if (index >= 0)
        m_zoom->setCurrentIndex(index + 1); // after "适合宽度"
}

void PagePreview::follow()
{
    const int pages = pageCount();
    const int page = currentPage();
    m_previous->setEnabled(page > 1);
    m_next->setEnabled(page < pages);
    {
        const QSignalBlocker quiet(m_page);
        m_page->setRange(std::min(pages, 1), pages);
        m_page->setValue(page);
        const QString suffix = QStringLiteral(" 页 / 共 %1 页").arg(pages);
        if (m_page->suffix() != suffix)
            m_page->setSuffix(suffix);
    }
    m_page->setEnabled(pages > 0);
    const double shown = m_view->shownZoom();
    m_zoomOut->setEnabled(pages > 0 && shown > zooms.front() * near);
    m_zoomIn->setEnabled(pages > 0 && shown * near < zooms.back());
    m_zoom->setEnabled(pages > 0);
}
