// The options dialog offscreen: its design, OK, and settings it must refuse.
#include "sheetprobe.h"
#include "sheettest.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace SheetProbe;

class TestVoOp : public SheetTest
{
    Q_OBJECT

private:
    VoDoMain &fresh() { return m_program.start(); }
    VoOp *dialog() { return m_program.window()->options(); }
    QLineEdit *text(const char *name) { return control<QLineEdit>(dialog(), QLatin1String(name)); }
    QCheckBox *check(const char *name) { return control<QCheckBox>(dialog(), QLatin1String(name)); }
    QPushButton *ok() { return control<QPushButton>(dialog(), QStringLiteral("Command1")); }

    // The explanation of a refused setting, over whichever window's command was refused.
    static QMessageBox *message()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == u"SettingsMessage" && window->isVisible())
                return qobject_cast<QMessageBox *>(window);
        }
        return nullptr;
    }

private Q_SLOTS:
    // --- design ---
    void freshProgramStartsWithTheDefaults()
    {
        fresh();
        QCOMPARE(dialog()->objectName(), QStringLiteral("VoOp"));
        QVERIFY(dialog()->isHidden());
        QCOMPARE(check("Check1")->checkState(), Qt::Checked);
        QCOMPARE(check("Check2")->checkState(), Qt::Checked);
        QCOMPARE(check("Check3")->checkState(), Qt::Unchecked);
        QCOMPARE(check("Check4")->checkState(), Qt::Unchecked);
        QCOMPARE(check("Check5")->checkState(), Qt::Unchecked);
        QCOMPARE(text("Tt1")->text(), QStringLiteral("1"));
        QCOMPARE(text("Tt2")->text(), QStringLiteral("1"));
        QCOMPARE(text("Text1")->text(), QStringLiteral("70"));
    }

    void dialogDesign()
    {
        fresh();
        QCOMPARE(dialog()->size(), QSize(302, 88));
        const Qt::WindowFlags flags = dialog()->windowFlags();
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(!dialog()->parentWidget()); // no owner window
        QCOMPARE(dialog()->windowTitle(), QStringLiteral("设置选项"));
        QCOMPARE(check("Check3")->y() - check("Check1")->y(), 1); // 10 twips lower
        QCOMPARE(check("Check1")->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(control<QLabel>(dialog(), QStringLiteral("Label5"))->font().pointSizeF(), 12.0);
        QVERIFY(control<QLabel>(dialog(), QStringLiteral("Label5"))->font().bold());
        QCOMPARE(ok()->text(), QStringLiteral("确定"));
        QVERIFY(!ok()->autoDefault());
    }

    void tabOrderFollowsTheRows()
    {
        fresh();
        dialog()->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
        check("Check1")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), check("Check1"));
        const QList<QWidget *> expected{check("Check2"), check("Check3"), check("Check4"),
                                        text("Tt1"),     text("Tt2"),     ok(),
                                        check("Check5"), text("Text1"),   check("Check1")};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void enterAndEscapeDoNothing()
    {
        fresh();
        dialog()->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
        QSignalSpy pressed(ok(), &QPushButton::clicked);
        QTest::keyClick(text("Text1"), Qt::Key_Return);
        QTest::keyClick(text("Tt1"), Qt::Key_Enter);
        QTest::keyClick(text("Tt2"), Qt::Key_Escape);
        QTest::qWait(50);
        QCOMPARE(pressed.size(), 0);
        QVERIFY(dialog()->isVisible());
    }

    // --- opening and OK ---
    void optionsStopsTheClockAndKeepsTheSheetUsable()
    {
        VoDoMain &w = fresh();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        button(&w, "Cmdbtn")->click();
        QVERIFY(!w.timer()->isActive());
        QVERIFY(dialog()->isVisible());
        QCOMPARE(clock(&w), QStringLiteral("01:05"));
        // The practice window still takes answers and hands in while the dialog is open.
        box(&w, 1)->setText(rightAnswer(question(&w, 1)->text()));
        button(&w, "VoTaPg")->click();
        QCOMPARE(score(&w), QStringLiteral("5.00"));
    }

    void okBuildsASheetWithTheChosenSettings()
    {
        VoDoMain &w = fresh();
        w.Cmdbtn_Click();
        check("Check1")->setChecked(false);
        check("Check2")->setChecked(false);
        check("Check3")->setChecked(true);
        QTest::keyClicks(text("Tt1"), QStringLiteral("\b2"));
        text("Tt2")->setText(QStringLiteral("1"));
        check("Check5")->setChecked(true);
        text("Text1")->setText(QStringLiteral("10"));
        QTest::mouseClick(ok(), Qt::LeftButton);
        QVERIFY(dialog()->isHidden());
        QVERIFY(w.timer()->isActive());
        QCOMPARE(clock(&w), QStringLiteral("00:10"));
        static const QRegularExpression product(QStringLiteral("^[1-9][0-9]×[1-9]$"));
        for (const QString &q : questions(&w))
            QVERIFY2(product.match(q).hasMatch(), qPrintable(q));
    }

    void computedTimeFollowsTheCounts()
    {
        VoDoMain &w = fresh();
        for (const char *name : {"Check3", "Check4"})
            check(name)->setChecked(true);
        text("Tt1")->setText(QStringLiteral("2"));
        ok()->click();
        QCOMPARE(clock(&w), QStringLiteral("01:42"));
    }

    void valuesSurviveHidingAndShowing()
    {
        VoDoMain &w = fresh();
        w.Cmdbtn_Click();
        check("Check4")->setChecked(true);
        text("Tt2")->setText(QStringLiteral("1.5"));
        text("Text1")->setText(QStringLiteral("45"));
        ok()->click();
        QVERIFY(dialog()->isHidden());
        w.Cmdbtn_Click();
        QVERIFY(dialog()->isVisible());
        QVERIFY(check("Check4")->isChecked());
        QCOMPARE(text("Tt2")->text(), QStringLiteral("1.5"));
        QCOMPARE(text("Text1")->text(), QStringLiteral("45"));
    }

    void okWithoutOperatorsLetsTheClockRunOn()
    {
        VoDoMain &w = fresh();
        w.Timer1_Timer();
        box(&w, 4)->setText(QStringLiteral("9"));
        const QStringList sheet = questions(&w);
        w.Cmdbtn_Click();
        check("Check1")->setChecked(false);
        check("Check2")->setChecked(false);
        ok()->click();
        QVERIFY(dialog()->isHidden());
        QVERIFY(w.timer()->isActive());
        QCOMPARE(questions(&w), sheet);
        QCOMPARE(box(&w, 4)->text(), QStringLiteral("9"));
        QCOMPARE(clock(&w), QStringLiteral("01:04"));
    }

    void focusReturnsToTheFirstBoxAfterOk()
    {
        VoDoMain &w = fresh();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        box(&w, 5)->setFocus();
        w.Cmdbtn_Click();
        QVERIFY(QTest::qWaitForWindowActive(dialog()));
        ok()->click();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(QApplication::focusWidget(), box(&w, 1));
    }

    // --- settings the sheet cannot use change nothing ---
    void refusedSettings_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("fixed"); // empty: no fixed time
        QTest::addColumn<bool>("clockRunning");
        QTest::addColumn<QString>("mentions");
        // clang-format off
        QTest::newRow("fixed time of 40000") << "1" << "1" << "40000" << true << "-32768 到 32767";
        QTest::newRow("fixed time beyond doubles") << "1" << "1" << "1e400" << false << "做题用时";
        QTest::newRow("second count -40000") << "1" << "-40000" << "" << true << "第二个框";
        QTest::newRow("first count -1e10") << "-1e10" << "1" << "" << false << "第一个框";
        QTest::newRow("first count -40000") << "-40000" << "1" << "" << true << "-32768 到 2";
        QTest::newRow("first count -1e400") << "-1e400" << "1" << "" << true << "第一个框";
        QTest::newRow("counts whose time overflows") << "-1000" << "-1000" << "" << false << "做题用时";
        // clang-format on
    }
    void refusedSettings()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, fixed);
        QFETCH(bool, clockRunning);
        QFETCH(QString, mentions);
        VoDoMain &w = fresh();
        w.Timer1_Timer();
        box(&w, 2)->setText(QStringLiteral("6"));
        if (!clockRunning)
            w.VoTaPg_Click();
        const QStringList sheet = questions(&w);
        QList<QPointer<QWidget>> rows;
        for (int row = 1; row <= 20; ++row)
            rows << QPointer<QWidget>(box(&w, row));
        const QString scoreBefore = score(&w);
        const QString clockBefore = clock(&w);

        w.Cmdbtn_Click();
        if (clockRunning)
            w.timer()->start(); // a running clock must keep running too
        text("Tt1")->setText(first);
        text("Tt2")->setText(second);
        check("Check5")->setChecked(!fixed.isEmpty());
        text("Text1")->setText(fixed);
        ok()->click();

        QVERIFY(message());
        QVERIFY2(message()->text().contains(mentions), qPrintable(message()->text()));
        QVERIFY(dialog()->isVisible());
        QCOMPARE(w.timer()->isActive(), clockRunning);
        QCOMPARE(questions(&w), sheet);
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(rows[row - 1].data(), box(&w, row));
        QCOMPARE(box(&w, 2)->text(), QStringLiteral("6"));
        QCOMPARE(box(&w, 2)->isReadOnly(), !clockRunning);
        QCOMPARE(score(&w), scoreBefore);
        QCOMPARE(clock(&w), clockBefore);

        // The same value is refused by "出题(&D)" as well, and the dialog can then be corrected.
        message()->close();
        QTRY_VERIFY(!message());
        button(&w, "Command1")->click();
        QVERIFY(message());
        message()->close();
        QTRY_VERIFY(!message());
        text("Tt1")->setText(QStringLiteral("1"));
        text("Tt2")->setText(QStringLiteral("1"));
        text("Text1")->setText(QStringLiteral("30"));
        ok()->click();
        QVERIFY(dialog()->isHidden());
        QVERIFY(questions(&w) != sheet);
    }

    void negativeFixedTimeIsWrittenAsItIs()
    {
        VoDoMain &w = fresh();
        check("Check5")->setChecked(true);
        text("Text1")->setText(QStringLiteral("-5"));
        ok()->click();
        QVERIFY(!message());
        QCOMPARE(clock(&w), QStringLiteral("00:0-5"));
        w.Timer1_Timer(); // its pieces read as zero: the sheet is handed in at once
        QCOMPARE(score(&w), QStringLiteral("0.00"));
    }
};

QTEST_MAIN(TestVoOp)
#include "tst_voop.moc"
