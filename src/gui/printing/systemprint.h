// The system's print dialog, which chooses a printer queue and how to print a set, and the set sent as it chose.
#pragma once

#include "print/printerqueue.h"

#include <QString>

#include <optional>

class QWidget;
struct PrintJob;

namespace SystemPrint {

// What the dialog chose: the queue as the scheduler lists it, and how the queue prints the set's pages.
struct Choice
{
    QString printer;
    int copies = 1;
    bool collate = true; // each copy whole in turn
    QString pageRanges;  // as CUPS writes them ("2-3"); empty: every page
    PrinterQueue::Sides sides = PrinterQueue::Sides::OneSided;
};

// Opens the system print dialog (Qt's, over the CUPS printers) for a set of pageCount pages, modal to parent: the
// queue, copies, a range of pages, and two sides where the queue offers them. Nothing when cancelled; when the
// scheduler lists no queue, says so in a message box instead and gives nothing. Lets pending events run.
std::optional<Choice> ask(QWidget *parent, int pageCount);

// Sends the set to the chosen queue as the choice says; nothing on success, else the message. *warning (when given)
// says that a stopped queue holds the job, and is emptied otherwise. Draws the whole set first.
std::optional<QString> send(const Choice &choice, const PrintJob &job, QString *warning = nullptr);

} // namespace SystemPrint
