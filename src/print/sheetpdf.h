// A printed set as an A4 PDF: two sheets a page, then the answer pages.
#pragma once

class QIODevice;
struct PrintJob;

namespace SheetPdf {

// Draws the set onto device, which is open for writing. False when the device fails.
bool write(QIODevice *device, const PrintJob &job);

} // namespace SheetPdf
