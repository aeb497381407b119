// Prints a set through the system print dialog with the mouse, as a person does, then sends it as the dialog chose.
// print_dialog QUEUE PAGES OPTIONS... (PAGES: "all" or "2-3"; OPTIONS as sumora's, with --seed)
#include "app/commandline.h"
#include "print/sheetpdf.h"
#include "printing/systemprint.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

static QWidget *shown(const char *name)
{
    auto *found = QApplication::activeModalWidget()->findChild<QWidget *>(QLatin1String(name));
    if (!found || !found->isVisible() || !found->isEnabled())
        qFatal("print_dialog: the dialog shows no usable %s", name);
    return found;
}

static void drive(const QString &queue, const QStringList &pages)
{
    auto *box = QApplication::activeModalWidget()->findChild<QDialogButtonBox *>();
    const auto press = [box](QDialogButtonBox::ButtonRole role) { // "Options >>", showing the pages, has ResetRole
        for (QAbstractButton *button : box->buttons())
            if (box->buttonRole(button) == role)
                QTest::mouseClick(button, Qt::LeftButton);
    };
    auto *printers = qobject_cast<QComboBox *>(shown("printers"));
    QTest::mouseClick(printers, Qt::LeftButton);
    // The open list takes no click within a double click's time, as a person's second click would be one.
    QTest::qWait(QApplication::doubleClickInterval() * 2);
    const QRect item = printers->view()->visualRect(printers->model()->index(printers->findText(queue), 0));
    QTest::mouseClick(printers->view()->viewport(), Qt::LeftButton, {}, item.center());
    press(QDialogButtonBox::ResetRole);
    if (pages.size() == 2) {
        const int mark = shown("printRange")->height() / 2; // a click on its mark, not across its row
        QTest::mouseClick(shown("printRange"), Qt::LeftButton, {}, QPoint(mark, mark));
        for (auto [name, page] : {std::pair{"from", pages[0]}, std::pair{"to", pages[1]}}) { // spin boxes
            QWidget *box = shown(name);
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, page);
        }
    }
    press(QDialogButtonBox::AcceptRole);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const auto request =
            std::get<CommandLine::PrintRequest>(CommandLine::parse(QStringList{u"sumora"_qs} + arguments.mid(3)));
    PrintJob job = request.job;
    job.seed = request.seed.value();
    QMetaObject::invokeMethod(
            &app, [&arguments] { drive(arguments[1], arguments[2].split(u'-')); }, Qt::QueuedConnection);
    const std::optional<SystemPrint::Choice> choice = SystemPrint::ask(nullptr, SheetPdf::pageCount(job));
    if (!choice || choice->printer != arguments[1])
        return 2;
    const std::optional<QString> failure = SystemPrint::send(*choice, job);
    qCritical("%s", qPrintable(failure.value_or(QString())));
    return failure ? 1 : 0;
}
