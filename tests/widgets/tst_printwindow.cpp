// The print window offscreen: the command line's values in its controls, messages beside them, and a set saved.
#include "printing/pagepreview.h"
#include "printing/printwindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// "sheets=0;unit=carry20": the options as the command line hands them over.
SetOptions::Options options(const QString &text)
{
    SetOptions::Options options;
    for (const QString &pair : text.split(u';', Qt::SkipEmptyParts))
        options.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    return options;
}

template<typename T = QWidget>
T *named(const QWidget *window, const QString &name)
{
    const QList<T *> all = window->findChildren<T *>();
    const auto found = std::ranges::find_if(all, [&name](const T *w) {
        return w->accessibleName() == name || (w->accessibleName().isEmpty() && w->property("text") == name);
    });
    return found == all.end() ? nullptr : *found;
}

// Shows the window and waits until its preview shows the pages of the choices.
void shown(PrintWindow &window)
{
    QSignalSpy spy(window.findChild<PagePreview *>(), &PagePreview::shown);
    window.show();
    QVERIFY(spy.wait(2000));
}

} // namespace

class TestPrintWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void givenValueShowsItsMessage_data();
    void givenValueShowsItsMessage();
    void refusedValueKeepsThePages();
    void enterInTheSheetsBoxDoesNotPrint();
    void savedSetIsTheOneShown();
    void choicesSpoiledWhileTheDialogIsOpenAreNotSaved();
};

void TestPrintWindow::givenValueShowsItsMessage_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("message");
    QTest::newRow("sheets out of range") << "sheets=0"
                                         << "张数"
                                         << "张数要 1 到 1000 之间的整数；“0”不是。";
    QTest::newRow("per-page no choice") << "per-page=3"
                                        << "每页张数"
                                        << "每页张数只能是 1、2 或 4；“3”不是。";
    QTest::newRow("unknown unit kept") << "unit=carry20,nope"
                                       << "单元"
                                       << "单元里的“nope”不是单元";
    QTest::newRow("no operator symbol") << "operators=+%"
                                        << "加"
                                        << "运算里的“%”不是运算符";
    QTest::newRow("time below a second") << "time=0"
                                         << "限时秒数"
                                         << "限时的“0”不到 1 秒。";
    QTest::newRow("seed not a number") << "seed=x"
                                       << "种子"
                                       << "种子要 0 到 4294967295 之间的整数；“x”不是。";
}

void TestPrintWindow::givenValueShowsItsMessage()
{
    QFETCH(QString, given);
    QFETCH(QString, control);
    QFETCH(QString, message);
    PrintWindow window(options(given));
    QWidget *box = named(&window, control);
    QVERIFY(box);
    QVERIFY2(box->accessibleDescription().startsWith(message), qPrintable(box->accessibleDescription()));
    QVERIFY(!named<QPushButton>(&window, QStringLiteral("打印(&P)…"))->isEnabled());
    QVERIFY(!named<QPushButton>(&window, QStringLiteral("存为 PDF(&S)…"))->isEnabled());
}

void TestPrintWindow::refusedValueKeepsThePages()
{
    PrintWindow window(options(QStringLiteral("sheets=40;seed=7")));
    shown(window);
    auto *preview = window.findChild<PagePreview *>();
    QCOMPARE(preview->pageCount(), 25);
    auto *sheets = named<QLineEdit>(&window, QStringLiteral("张数"));
    sheets->setText(QStringLiteral("0"));
    QTest::qWait(500);
    QCOMPARE(preview->pageCount(), 25);
    QVERIFY(!named<QPushButton>(&window, QStringLiteral("打印(&P)…"))->isEnabled());
    sheets->setText(QStringLiteral("4"));
    QSignalSpy spy(preview, &PagePreview::shown);
    QVERIFY(spy.wait(2000));
    QCOMPARE(preview->pageCount(), 3);
}

void TestPrintWindow::enterInTheSheetsBoxDoesNotPrint()
{
    PrintWindow window(options(QString()));
    shown(window);
    auto *sheets = named<QLineEdit>(&window, QStringLiteral("张数"));
    sheets->setFocus();
    bool dialog = false;
    // Queued: a print dialog opened by Enter would run its own loop, in which this looks and closes it.
    QTimer::singleShot(0, &window, [&dialog] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialog = true;
            modal->close();
        }
    });
    QTest::keyClick(sheets, Qt::Key_Return);
    QTest::qWait(50);
    QVERIFY(!dialog);
}

void TestPrintWindow::savedSetIsTheOneShown()
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("set.pdf"));
    PrintWindow window(options(QStringLiteral("unit=carry20;sheets=3;seed=2026")));
    shown(window);
    QTimer::singleShot(0, &window, [&folder] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(folder.filePath(QStringLiteral("set"))); // the suffix comes with the file type
        static_cast<QDialog *>(dialog)->accept();                   // QFileDialog makes it protected
    });
    QTest::mouseClick(named<QPushButton>(&window, QStringLiteral("存为 PDF(&S)…")), Qt::LeftButton);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray pdf = saved.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    // The file's properties hold the command that makes this same set again, in UTF-16 as PDF strings are.
    const QString again = QStringLiteral("--pdf set.pdf --sheets 3 --per-page 2 --unit carry20 --seed 2026");
    QByteArray utf16;
    for (const QChar c : again)
        utf16.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    QVERIFY(pdf.contains(utf16));
}

void TestPrintWindow::choicesSpoiledWhileTheDialogIsOpenAreNotSaved()
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("set.pdf"));
    PrintWindow window(options(QStringLiteral("sheets=3")));
    shown(window);
    auto *sheets = named<QLineEdit>(&window, QStringLiteral("张数"));
    QTimer::singleShot(0, &window, [&file, sheets] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        sheets->setText(QStringLiteral("0"));
        dialog->selectFile(file);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog makes it protected
    });
    QTest::mouseClick(named<QPushButton>(&window, QStringLiteral("存为 PDF(&S)…")), Qt::LeftButton);
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
