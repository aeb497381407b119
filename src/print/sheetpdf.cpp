// A printed set as A4 pages: 1, 2 or 4 sheets a page, then the answer pages; drawn page by page onto any painter.
#include "print/sheetpdf.h"

#include "print/pagepainter.h"
#include "request/printjob.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

int SheetPdf::pageCount(const PrintJob &job)
{
    return PagePainter::pages(job);
}

void SheetPdf::drawPage(QPainter &painter, const PrintJob &job, int page)
{
    PagePainter(painter, job).draw(page);
}

bool SheetPdf::write(QIODevice *device, const PrintJob &job)
{
    QPdfWriter writer(device);
    writer.setResolution(dotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QStringLiteral("口算练习"));
    // The command that prints the same set again goes with the file, where a reader's document properties show it;
    // on the pages it would cost a third of their size in letters of the face.
    writer.setCreator(job.reprint);
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    // One painter for all pages: each sheet is drawn once.
    PagePainter pages(painter, job);
    for (int page = 1; page <= pageCount(job); ++page) {
        if (page > 1)
            writer.newPage();
        pages.draw(page);
    }
    return painter.end();
}
