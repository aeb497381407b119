// A printed set as A4 pages: 1, 2 or 4 sheets a page, then the answer pages; drawn page by page onto any painter.
#pragma once

class QIODevice;
class QPainter;
struct PrintJob;

namespace SheetPdf {

// The painter's units for a page: dots of 1/1200 inch from the page's top left corner.
inline constexpr int dotsPerInch = 1200;

// The set's pages: its question pages, then its answer pages if it has them.
int pageCount(const PrintJob &job);

// Draws page (1 to pageCount) of the set with painter, in dots of 1/dotsPerInch inch; a painter on another device
// scales to them first. The sheets before the page are drawn from the seed again (not painted) to reach its own.
void drawPage(QPainter &painter, const PrintJob &job, int page);

// Draws the set onto device, which is open for writing, each sheet drawn once. False when the device fails.
bool write(QIODevice *device, const PrintJob &job);

} // namespace SheetPdf
