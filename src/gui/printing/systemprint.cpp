// The system's print dialog, which chooses a printer queue and how to print a set, and the set sent as it chose.
#include "printing/systemprint.h"

#include "messages/printermessages.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

PrinterQueue::Sides sidesOf(QPrinter::DuplexMode duplex)
{
    switch (duplex) {
    case QPrinter::DuplexNone:
        return PrinterQueue::Sides::OneSided;
    case QPrinter::DuplexShortSide:
        return PrinterQueue::Sides::ShortEdge;
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto: // the queue's own two-sided default: a portrait page turns over its long edge
        break;
    }
    return PrinterQueue::Sides::LongEdge;
}

} // namespace

std::optional<SystemPrint::Choice> SystemPrint::ask(QWidget *parent, int pageCount)
{
    // Qt's CUPS plugin is loaded here, when printing is asked for, and the printer lives only while it is chosen: it
    // never prints (Qt's own engine would take the default queue for an unknown one and not check the result).
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox::information(parent, PrinterMessages::dialogTitle(), PrinterMessages::noPrinter());
        return std::nullopt;
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    // Only what the set is sent with is offered: the queue's own PDF is the program's, on A4.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setMinMax(1, pageCount);
    if (dialog.exec() != QDialog::Accepted || printer.outputFormat() != QPrinter::NativeFormat)
        return std::nullopt;
    Choice choice;
    choice.printer = printer.printerName();
    choice.copies = printer.copyCount();
    choice.collate = printer.collateCopies();
    if (printer.printRange() == QPrinter::PageRange)
        choice.pageRanges = printer.pageRanges().toString();
    choice.sides = sidesOf(printer.duplex());
    return choice;
}

std::optional<QString> SystemPrint::send(const Choice &choice, const PrintJob &job, QString *warning)
{
    PrinterQueue queue(choice.printer);
    queue.setCopies(choice.copies);
    queue.setCollate(choice.collate);
    queue.setPageRanges(choice.pageRanges);
    queue.setSides(choice.sides);
    return queue.send(job, warning);
}
