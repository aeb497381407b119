// Prints a set as a person does through the system print dialog, with the mouse: picks the queue in its printer box
// and the pages in its "from"/"to" boxes, and presses its print button; then sends the set as it chose.
// print_dialog QUEUE PAGES OPTIONS... (PAGES: "all" or "2-3"; OPTIONS as sumora's, with --seed)
#include "app/commandline.h"
#include "print/sheetpdf.h"
#include "printing/systemprint.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

template<typename Control>
Control *shown(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<Control *>(QLatin1String(name));
    if (!found || !found->isVisible() || !found->isEnabled())
        qFatal("print_dialog: the dialog shows no usable %s", name);
    return found;
}

void drive(const QString &queue, const QStringList &pages)
{
    QWidget *dialog = QApplication::activeModalWidget();
    auto *printers = shown<QComboBox>(dialog, "printers");
    QTest::mouseClick(printers, Qt::LeftButton);
    // The open list takes no click within a double click's time, as a person's second click would be one.
    QTest::qWait(QApplication::doubleClickInterval() * 2);
    const QRect item = printers->view()->visualRect(printers->model()->index(printers->findText(queue), 0));
    QTest::mouseClick(printers->view()->viewport(), Qt::LeftButton, {}, item.center());
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    for (QAbstractButton *button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::ResetRole) // "Options >>", which shows the pages
            QTest::mouseClick(button, Qt::LeftButton);
    }
    if (pages.size() == 2) {
        auto *range = shown<QAbstractButton>(dialog, "printRange"); // a click on its mark, not across its row
        QTest::mouseClick(range, Qt::LeftButton, {}, QPoint(range->height() / 2, range->height() / 2));
        for (auto [name, page] : {std::pair{"from", pages[0]}, std::pair{"to", pages[1]}}) {
            auto *box = shown<QSpinBox>(dialog, name);
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, page);
        }
    }
    for (QAbstractButton *button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            QTest::mouseClick(button, Qt::LeftButton);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const auto outcome =
            CommandLine::parse(QStringList{u"sumora"_qs, u"--printer"_qs, arguments[1]} + arguments.mid(3));
    PrintJob job = std::get<CommandLine::PrintRequest>(outcome).job;
    job.seed = std::get<CommandLine::PrintRequest>(outcome).seed.value();
    QTimer::singleShot(0, &app, [&arguments] { drive(arguments[1], arguments[2].split(u'-')); });
    const std::optional<SystemPrint::Choice> choice = SystemPrint::ask(nullptr, SheetPdf::pageCount(job));
    if (!choice || choice->printer != arguments[1])
        return 2;
    const std::optional<QString> failure = SystemPrint::send(*choice, job);
    std::fputs(qPrintable(failure.value_or(QString())), stderr);
    return failure ? 1 : 0;
}
