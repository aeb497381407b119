// The text boxes offscreen: digit boxes hold at most 2, every box takes any length, a long one's cursor stands still.
#include "sheetprobe.h"
#include "sheettest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

using namespace SheetProbe;

class TestTextBoxes : public SheetTest
{
    Q_OBJECT

private:
    VoDoMain &fresh() { return m_program.start(); }
    QLineEdit *text(const char *name) { return dialogText(*m_program.window(), name); }
    QCheckBox *check(const char *name) { return dialogCheck(*m_program.window(), name); }
    QPushButton *ok() { return control<QPushButton>(m_program.window()->options(), "Command1"); }

private Q_SLOTS:
    void digitBoxLimit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("stands");
        QTest::newRow("typing 3") << "3" << false << "2";
        QTest::newRow("typing 1 then 2") << "12" << false << "2";
        QTest::newRow("pasting 123") << "123" << true << "2";
        QTest::newRow("just above 2") << "2.0001" << true << "2";
        QTest::newRow("3 before letters") << "3abc" << true << "2";
        QTest::newRow("beyond double range") << "1e400" << true << "2";
        QTest::newRow("2 itself") << "2" << false << "2";
        QTest::newRow("a fraction below 2") << "1.9" << false << "1.9";
        QTest::newRow("zero") << "0" << false << "0";
        QTest::newRow("negative") << "-5" << false << "-5";
        QTest::newRow("letters") << "abc" << false << "abc";
        QTest::newRow("far below the double range") << "-1e400" << true << "-1e400";
    }
    void digitBoxLimit()
    {
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, stands);
        fresh();
        for (const char *name : {"Tt1", "Tt2"}) {
            QLineEdit *box = text(name);
            box->clear();
            if (pasted)
                box->insert(typed);
            else
                QTest::keyClicks(box, typed);
            QCOMPARE(box->text(), stands);
        }
    }

    void emptyDigitBoxStays()
    {
        fresh();
        text("Tt1")->selectAll();
        QTest::keyClick(text("Tt1"), Qt::Key_Backspace);
        QCOMPARE(text("Tt1")->text(), QString());
    }

    void fixedTimeBoxHasNoLimit()
    {
        fresh();
        text("Text1")->setText(QStringLiteral("99999"));
        QCOMPARE(text("Text1")->text(), QStringLiteral("99999"));
    }

    // Pasted with Ctrl+V: 100,000 characters, blanks before a number, in every text box of both windows.
    void everyBoxTakesAnyLength_data()
    {
        QTest::addColumn<QString>("box"); // "Text2" for the first answer box, else a box of the dialog
        QTest::addColumn<int>("blanks");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("stands"); // the box's text afterwards; empty: the whole paste
        QTest::addColumn<QString>("reads");  // what the sheet makes of it
        QTest::addColumn<bool>("steady");    // the cursor stands still while the box has the focus
        // clang-format off
        QTest::newRow("fixed time 70 after 40,000 blanks") << "Text1" << 40000 << "70" << "" << "01:10" << true;
        QTest::newRow("fixed time 70 after 99,998 blanks") << "Text1" << 99998 << "70" << "" << "01:10" << true;
        QTest::newRow("first count 3 after 99,999 blanks") << "Tt1" << 99999 << "3" << "2" << "" << false;
        QTest::newRow("second count 1 after 99,999 blanks") << "Tt2" << 99999 << "1" << "" << "01:05" << true;
        QTest::newRow("first count 2 after 99,999 blanks") << "Tt1" << 99999 << "2" << "" << "01:25" << true;
        QTest::newRow("right answer after 99,998 blanks") << "Text2" << 99998 << "" << "" << "5.00" << true;
        // clang-format on
    }
    void everyBoxTakesAnyLength()
    {
        QFETCH(QString, box);
        QFETCH(int, blanks);
        QFETCH(QString, number);
        QFETCH(QString, stands);
        QFETCH(QString, reads);
        QFETCH(bool, steady);
        VoDoMain &w = m_program.startShown();
        QLineEdit *target = box == u"Text2" ? SheetProbe::box(&w, 1) : text(qPrintable(box));
        if (box == u"Text1")
            check("Check5")->setChecked(true);
        if (box != u"Text2")
            w.Cmdbtn_Click();
        QVERIFY(QTest::qWaitForWindowActive(target->window()));
        target->setFocus();
        const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
        QVERIFY(flashTime > 0);
        const QString pasted =
                QString(blanks, u' ') + (number.isEmpty() ? rightAnswer(question(&w, 1)->text()) : number);
        QGuiApplication::clipboard()->setText(pasted);
        target->clear();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(target->text().size(), stands.isEmpty() ? pasted.size() : stands.size());
        QVERIFY(target->text() == (stands.isEmpty() ? pasted : stands));
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime() == 0, steady);
        target->clearFocus();
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), flashTime);
        if (box == u"Text2") {
            w.VoTaPg_Click();
            QCOMPARE(score(&w), reads);
        } else if (!reads.isEmpty()) {
            ok()->click();
            QCOMPARE(clock(&w), reads);
        }
    }
};

QTEST_MAIN(TestTextBoxes)
#include "tst_textboxes.moc"
