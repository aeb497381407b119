// The print window's preview: the set's pages as printed, with page navigation and zoom.
#pragma once

#include "request/printjob.h"

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>

class PageView;
class QComboBox;
class QPushButton;
class QSpinBox;

// A pane: the pages, and under them a row of "上一页", "下一页", the page box "第 N 页 / 共 M 页", "缩小", "放大"
// and the zoom choice, which starts at the page width.
class PagePreview : public QWidget
{
    Q_OBJECT

public:
    // How long typing has to pause before the pages follow a changed job.
    static constexpr std::chrono::milliseconds typingPause{150};

    explicit PagePreview(QWidget *parent = nullptr);

    // The pages follow typingPause after the last call (the first job at once); until then the pages shown stay.
    void setJob(const PrintJob &job);
    int pageCount() const;   // of the pages shown; 0 before the first job
    int currentPage() const; // 1 to pageCount(), 0 before the first job
    void showPage(int page);

Q_SIGNALS:
    void shown();             // after a paint that shows the newest job's pages in view
    void pageDrawn(int page); // drawn for the pages shown as it comes into view

private:
    void showJob();
    void zoomBy(int steps); // through the choice's sizes, from the size shown
    void follow();          // the row after a change of page, page count or zoom

    PageView *m_view = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QSpinBox *m_page = nullptr;
    QPushButton *m_zoomOut = nullptr;
    QPushButton *m_zoomIn = nullptr;
    QComboBox *m_zoom = nullptr;
    QTimer m_pause;
    std::optional<PrintJob> m_waiting; // the newest job, until typing pauses
};
