// The print window "打印练习卷": the choices of a printed set beside its pages, sent to a printer or saved as a PDF.
#include "printing/printwindow.h"

#include "controls/windowkeeper.h"
#include "messages/commandlinemessages.h"
#include "messages/printermessages.h"
#include "messages/printmessages.h"
#include "print/outputfile.h"
#include "print/sheetpdf.h"
#include "printing/pagepreview.h"
#include "printing/printform.h"
#include "printing/systemprint.h"
#include "request/reprintcommand.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>

PrintWindow::PrintWindow(const SetOptions::Options &given, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(PrinterMessages::dialogTitle());
    new WindowKeeper(this, WindowKeeper::IconAfterFirstFrame);

    m_form = new PrintForm(given);
    m_print = new QPushButton(QStringLiteral("打印(&P)…"));
    m_save = new QPushButton(QStringLiteral("存为 PDF(&S)…"));
    auto *close = new QPushButton(QStringLiteral("关闭"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_preview = new PagePreview;

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(m_save);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *side = new QVBoxLayout;
    side->addWidget(m_form, 1);
    side->addWidget(m_status);
    side->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(m_preview, 1);

    // Room for the choices and a readable page beside them, within the screen's free area.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(QSize(1120, 820).boundedTo(screen->availableSize() * 9 / 10));

    connect(m_form, &PrintForm::changed, this, &PrintWindow::check);
    connect(m_print, &QPushButton::clicked, this, &PrintWindow::printClicked);
    connect(m_save, &QPushButton::clicked, this, &PrintWindow::saveClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // As a document window closes from the keyboard (Ctrl+W here).
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
    check();
}

void PrintWindow::check()
{
    auto checked = SetOptions::check(m_form->options(), CommandLineMessages::Wording::Control);
    if (auto *faults = std::get_if<QList<SetOptions::Fault>>(&checked)) {
        // The pages already shown stay: a value being typed is often wrong halfway.
        m_form->showFaults(*faults);
        m_checked.reset();
    } else {
        m_form->showFaults({});
        m_checked = std::get<SetOptions::Checked>(checked);
        m_preview->setJob(job());
    }
    m_print->setEnabled(m_checked.has_value());
    m_save->setEnabled(m_checked.has_value());
}

PrintJob PrintWindow::job() const
{
    PrintJob job = m_checked->job;
    job.seed = m_checked->seed.value_or(0);
    return job;
}

PrintJob PrintWindow::jobFor(ReprintCommand::Destination destination, const QString &name) const
{
    PrintJob job = this->job();
    job.reprint = ReprintCommand::of(destination, name, *m_checked, job.seed);
    return job;
}

void PrintWindow::printClicked()
{
    if (!m_checked)
        return;
    const std::optional<SystemPrint::Choice> choice = SystemPrint::ask(this, SheetPdf::pageCount(job()));
    // The dialog's own event loop ran: the choices may have changed under it, and may no longer be usable.
    if (!choice || !m_checked)
        return;
    QString warning;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure =
            SystemPrint::send(*choice, jobFor(ReprintCommand::Destination::Printer, choice->printer), &warning);
    QGuiApplication::restoreOverrideCursor();
    if (failure) {
        QMessageBox::warning(this, windowTitle(), *failure);
        return;
    }
    m_status->setText(warning.isEmpty() ? PrinterMessages::sent(choice->printer) : warning);
}

void PrintWindow::saveClicked()
{
    if (!m_checked)
        return;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(QStringLiteral("口算练习 %1.pdf").arg(job().seed));
    QFileDialog dialog(this, QStringLiteral("存为 PDF"), suggested, QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf")); // "第三周" is saved, and asked about, as "第三周.pdf"
    // The dialog's own event loop runs: the choices may no longer be usable when it closes.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() || !m_checked)
        return;
    const QString file = dialog.selectedFiles().constFirst();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor); // 1,000 sheets take about half a second
    const std::optional<QString> failure = OutputFile(file).writeSet(jobFor(ReprintCommand::Destination::Pdf, file));
    QGuiApplication::restoreOverrideCursor();
    if (failure) {
        QMessageBox::warning(this, windowTitle(), *failure);
        return;
    }
    m_status->setText(PrintMessages::saved(file));
}
