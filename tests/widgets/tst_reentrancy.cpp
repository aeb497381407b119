// Handlers that let waiting events run: a click that waits while a full score is handed in, or while a sheet is built.
#include "sheetprobe.h"
#include "sheettest.h"

#include "controls/answerbox.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

using namespace SheetProbe;

namespace {

// The questions of the sheet a fresh program shows after the given number of builds after its first one.
QStringList sheetAfterBuilds(int builds)
{
    FreshProgram reference;
    VoDoMain &w = reference.start();
    for (int i = 0; i < builds; ++i)
        w.OutCm();
    return questions(&w);
}

} // namespace

class TestReentrancy : public SheetTest
{
    Q_OBJECT

private:
    // Every row element of the sheet on screen, to see that they go and that nothing else does.
    static QList<QPointer<QWidget>> rowElements(const QWidget *window)
    {
        QList<QPointer<QWidget>> elements;
        for (int row = 1; row <= 20; ++row) {
            for (const char *array : {"Label1", "Label2", "Label3", "Text2"})
                elements << QPointer<QWidget>(
                        control(window, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(row)));
        }
        return elements;
    }

    // The sheet graded at full score was replaced by the waiting command; its rows are off the window now and are
    // deleted once control is back in the event loop, the box whose Enter was handled among them.
    static void checkReplaced(const QList<QPointer<QWidget>> &old)
    {
        for (const QPointer<QWidget> &element : old)
            QVERIFY(element && element->isHidden() && element->objectName().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const QPointer<QWidget> &element : old)
            QVERIFY(element.isNull());
    }

private Q_SLOTS:
    // The crash this guards against: the waiting click built a new sheet and deleted the answer box whose Enter
    // was still being handled.
    void newSheetClickWaitingDuringFullScoreHandIn()
    {
        VoDoMain &w = m_program.startShown();
        answerAll(&w, 0);
        const QStringList graded = questions(&w);
        const QList<QPointer<QWidget>> old = rowElements(&w);
        postClick(button(&w, "Command1"));
        QTest::keyClick(box(&w, 7), Qt::Key_Return);

        // Nothing else ran the event loop: the click ran inside the hand-in, after the grading.
        QCOMPARE(questions(&w), sheetAfterBuilds(1));
        QVERIFY(questions(&w) != graded);
        QCOMPARE(score(&w), QStringLiteral("00"));
        QCOMPARE(clock(&w), QStringLiteral("01:05"));
        QVERIFY(w.timer()->isActive());
        for (int row = 1; row <= 20; ++row)
            QVERIFY(!box(&w, row)->isReadOnly() && box(&w, row)->text().isEmpty());
        // The new sheet put the focus into its first box, and the hand-in left it there.
        QCOMPARE(QApplication::focusWidget(), box(&w, 1));
        checkReplaced(old);
    }

    // The same with the options dialog's OK waiting: it builds, starts the clock and hides the dialog.
    void dialogOkWaitingDuringFullScoreHandIn()
    {
        VoDoMain &w = m_program.startShown();
        w.Cmdbtn_Click();
        QVERIFY(QTest::qWaitForWindowActive(w.options()));
        useFixedTime(w, QStringLiteral("30"));
        answerAll(&w, 0);
        const QList<QPointer<QWidget>> old = rowElements(&w);
        postClick(control(w.options(), "Command1"));
        QTest::keyClick(box(&w, 20), Qt::Key_Enter, Qt::KeypadModifier);

        QCOMPARE(questions(&w), sheetAfterBuilds(1));
        QCOMPARE(score(&w), QStringLiteral("00"));
        QCOMPARE(clock(&w), QStringLiteral("00:30"));
        QVERIFY(w.timer()->isActive());
        QVERIFY(w.options()->isHidden());
        QTRY_COMPARE(QApplication::focusWidget(), box(&w, 1));
        checkReplaced(old);
    }

    // Both waiting: the Enter first, then the click; the event loop takes them in that order.
    void enterAndClickBothWaiting()
    {
        VoDoMain &w = m_program.startShown();
        answerAll(&w, 0);
        const QList<QPointer<QWidget>> old = rowElements(&w);
        postKey(box(&w, 1), Qt::Key_Return);
        postClick(button(&w, "Command1"));
        QCoreApplication::processEvents();

        QCOMPARE(questions(&w), sheetAfterBuilds(1));
        QCOMPARE(score(&w), QStringLiteral("00"));
        QCOMPARE(QApplication::focusWidget(), box(&w, 1));
        checkReplaced(old);
    }

    // Below full score nothing waits inside the hand-in: the click comes after it, on the graded sheet.
    void clickWaitingBehindAnOrdinaryHandIn()
    {
        VoDoMain &w = m_program.startShown();
        answerAll(&w, 1);
        const QStringList graded = questions(&w);
        postClick(button(&w, "Command1"));
        QTest::keyClick(box(&w, 3), Qt::Key_Return);
        QCOMPARE(questions(&w), graded);
        QCOMPARE(score(&w), QStringLiteral("95.00"));
        QCOMPARE(QApplication::focusWidget(), button(&w, "Command1"));

        QCoreApplication::processEvents();
        QCOMPARE(questions(&w), sheetAfterBuilds(1));
        QCOMPARE(QApplication::focusWidget(), box(&w, 1));
    }

    // "出题" lets waiting events run after its build: a second click builds again inside the first.
    void secondNewSheetClickWaitingDuringTheFirst()
    {
        VoDoMain &w = m_program.startShown();
        box(&w, 2)->setFocus();
        postClick(button(&w, "Command1"));
        postClick(button(&w, "Command1"));
        QCoreApplication::processEvents();
        QCOMPARE(questions(&w), sheetAfterBuilds(2));
        QCOMPARE(QApplication::focusWidget(), box(&w, 1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w.findChildren<AnswerBox *>().size(), 21); // the template and one sheet, nothing left over
    }
};

QTEST_MAIN(TestReentrancy)
#include "tst_reentrancy.moc"
