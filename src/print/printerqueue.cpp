// A printer queue of the CUPS scheduler, to which a printed set goes as one PDF job.
#include "print/printerqueue.h"

#include "messages/errortexts.h"
#include "messages/printermessages.h"
#include "print/cupslibrary.h"
#include "print/sheetpdf.h"
#include "request/printjob.h"
#include "shared/runtimeerror.h"

#include <QBuffer>
#include <QByteArray>

#include <utility>

namespace {

QString lastError(const CupsLibrary &cups)
{
    return QString::fromUtf8(cups.cupsLastErrorString());
}

// What the queue's administrator or its printer last said about it (cupsreject -r sets it); empty when the scheduler
// says nothing. The scheduler's list of queues leaves it out, so the queue itself is asked, by its address.
QString stateMessage(const CupsLibrary &cups, const QByteArray &uri)
{
    if (uri.isEmpty())
        return {};
    ipp_t *request = cups.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                      "printer-state-message");
    ipp_t *response = cups.cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"); // takes the request
    ipp_attribute_t *attribute = cups.ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
    QString message = attribute ? QString::fromUtf8(cups.ippGetString(attribute, 0, nullptr)) : QString();
    cups.ippDelete(response);
    return message;
}

// Whether the scheduler answers at all: a queue it does not list and a scheduler that is not there look the same
// to cupsGetNamedDest. Its default queue is asked for, which it answers with an error when it has none.
bool schedulerAnswers(const CupsLibrary &cups)
{
    ipp_t *response = cups.cupsDoRequest(CUPS_HTTP_DEFAULT, cups.ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    const bool answered = response != nullptr;
    cups.ippDelete(response);
    return answered;
}

// The sentence for the scheduler's last failure: the queue it did not find, the queue that turned the job away
// (with the queue's own reason when it has one), or the scheduler's words for anything else.
QString refusal(const CupsLibrary &cups, const QString &queue, const QByteArray &uri)
{
    switch (cups.cupsLastError()) {
    case IPP_STATUS_ERROR_NOT_FOUND:
        return PrinterMessages::unknownQueue(queue);
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS: {
        const QString said = lastError(cups);
        const QString reason = stateMessage(cups, uri);
        return PrinterMessages::notAccepting(queue, reason.isEmpty() ? said : reason);
    }
    default:
        return PrinterMessages::failed(queue, lastError(cups));
    }
}

// IPP's keyword for the sides (RFC 8011, 5.2.8).
const char *sidesKeyword(PrinterQueue::Sides sides)
{
    switch (sides) {
    case PrinterQueue::Sides::LongEdge:
        return "two-sided-long-edge";
    case PrinterQueue::Sides::ShortEdge:
        return "two-sided-short-edge";
    case PrinterQueue::Sides::OneSided:
        break;
    }
    return "one-sided";
}

} // namespace

PrinterQueue::PrinterQueue(QString name)
    : m_name(std::move(name))
{
}

void PrinterQueue::setTitle(const QString &title)
{
    m_title = title;
}

void PrinterQueue::setCopies(int copies)
{
    m_copies = copies;
}

void PrinterQueue::setPageRanges(const QString &ranges)
{
    m_pageRanges = ranges;
}

void PrinterQueue::setCollate(bool collate)
{
    m_collate = collate;
}

void PrinterQueue::setSides(Sides sides)
{
    m_sides = sides;
}

std::optional<QString> PrinterQueue::send(const PrintJob &job, QString *warning) const
{
    if (warning)
        warning->clear();
    const CupsLibrary *library = CupsLibrary::get();
    if (!library)
        return PrinterMessages::noLibrary();
    const CupsLibrary &cups = *library;
    const QByteArray name = m_name.toUtf8();

    // The queue is looked at before the set is drawn, which takes seconds at a thousand sheets.
    cups_dest_t *dest = cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return schedulerAnswers(cups)
                ? PrinterMessages::unknownQueue(m_name)
                : PrinterMessages::unreachable(QString::fromUtf8(cups.cupsServer()), lastError(cups));
    const auto option = [&cups, dest](const char *key) {
        return QByteArray(cups.cupsGetOption(key, dest->num_options, dest->options));
    };
    const QByteArray uri = option("printer-uri-supported");
    const bool accepting = option("printer-is-accepting-jobs") != "false";
    const bool stopped = option("printer-state").toInt() == IPP_PSTATE_STOPPED;
    cups.cupsFreeDests(1, dest);
    if (!accepting)
        return PrinterMessages::notAccepting(m_name, stateMessage(cups, uri));

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    try {
        if (!SheetPdf::write(&pdf, job))
            return PrinterMessages::failed(m_name, pdf.errorString());
    } catch (const RuntimeError &error) {
        return ErrorTexts::runtime(error);
    }

    const QByteArray title = (m_title.isEmpty() ? PrinterMessages::jobTitle(job.seed) : m_title).toUtf8();
    cups_option_t *options = nullptr;
    int count = cups.cupsAddOption("copies", QByteArray::number(m_copies).constData(), 0, &options);
    if (!m_pageRanges.isEmpty())
        count = cups.cupsAddOption("page-ranges", m_pageRanges.toLatin1().constData(), count, &options);
    if (m_collate) {
        count = cups.cupsAddOption("multiple-document-handling",
                                   *m_collate ? "separate-documents-collated-copies"
                                              : "separate-documents-uncollated-copies",
                                   count, &options);
    }
    if (m_sides)
        count = cups.cupsAddOption("sides", sidesKeyword(*m_sides), count, &options);
    const int id = cups.cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(), count, options);
    cups.cupsFreeOptions(count, options);
    if (id == 0)
        return refusal(cups, m_name, uri);

    const QByteArray &bytes = pdf.data();
    // The last argument says that this document is the job's last; the scheduler then starts on the job.
    const bool sent =
            cups.cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), id, title.constData(), CUPS_FORMAT_PDF, 1)
                    == HTTP_STATUS_CONTINUE
            && cups.cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(), size_t(bytes.size()))
                    == HTTP_STATUS_CONTINUE
            && cups.cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) == IPP_STATUS_OK;
    if (!sent) {
        const QString why = refusal(cups, m_name, uri); // before the cancel, which sets the last error anew
        cups.cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), id, 0);
        return why;
    }
    if (stopped && warning)
        *warning = PrinterMessages::held(m_name);
    return std::nullopt;
}
