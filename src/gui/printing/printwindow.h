// The print window "打印练习卷": the choices of a printed set beside its pages, sent to a printer or saved as a PDF.
#pragma once

#include "request/printjob.h"
#include "request/reprintcommand.h"
#include "request/setoptions.h"

#include <QWidget>

#include <optional>

class PagePreview;
class PrintForm;
class QLabel;
class QPushButton;

class PrintWindow : public QWidget
{
    Q_OBJECT

public:
    // given: the set's options from the command line (sumora --print …), unchecked; a bad one shows its message
    // beside its control.
    explicit PrintWindow(const SetOptions::Options &given, QWidget *parent = nullptr);

    // Button handlers: each opens a dialog of its own and runs a nested event loop until it closes.
    void printClicked();
    void saveClicked();

private:
    void check();
    // The set as the choices stand (they can be used), and with the command that makes it again at destination.
    PrintJob job() const;
    PrintJob jobFor(ReprintCommand::Destination destination, const QString &name) const;

    PrintForm *m_form = nullptr;
    PagePreview *m_preview = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_save = nullptr;
    QLabel *m_status = nullptr;                   // what became of the last set sent or saved
    std::optional<SetOptions::Checked> m_checked; // the choices as last checked, when they can be used
};
