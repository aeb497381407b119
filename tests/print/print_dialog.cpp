// Prints a set from the print window with the mouse, as a person does: its "打印(&P)…", then the system print dialog.
// print_dialog QUEUE PAGES OPTIONS... (PAGES: "all" or "2-3"; OPTIONS as sumora's, with --seed)
#include "app/commandline.h"
#include "messages/printermessages.h"
#include "printing/printwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    const auto request = std::get<CommandLine::PrintWindow>(
            CommandLine::parse(QStringList{u"sumora"_qs, u"--print"_qs} + arguments.mid(3)));
    PrintWindow window(request.options);
    window.show();
    QString refusal; // a refused job is shown in a message box over the window
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, &app, [&refusal] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            refusal = box->text();
            box->close();
        }
    });
    boxes.start(100);
    QMetaObject::invokeMethod(
            &app, [&arguments] { drive(arguments[1], arguments[2].split(u'-')); }, Qt::QueuedConnection);
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    const auto print = std::ranges::find(buttons, u"打印(&P)…"_qs, &QPushButton::text);
    QTest::mouseClick(*print, Qt::LeftButton);
    if (!refusal.isEmpty())
        qCritical("%s", qPrintable(refusal));
    return refusal.isEmpty() && window.findChild<QLabel *>(u"status"_qs)->text() == PrinterMessages::sent(arguments[1])
            ? 0
            : 1;
}
