// A printed set as an A4 PDF: two sheets a page, then the answer pages.
#pragma once

#include <optional>

class QIODevice;
class QString;
struct PrintJob;

namespace SheetPdf {

// Draws the set onto device, which is open for writing. False when the device fails.
bool write(QIODevice *device, const PrintJob &job);

// Writes the set to path through a temporary file in the same folder that takes the name only once it is
// complete: on any failure an existing file at path stays as it was and no temporary file is left.
// Nothing when done, otherwise what went wrong, in Chinese, naming the file.
std::optional<QString> save(const QString &path, const PrintJob &job);

} // namespace SheetPdf
