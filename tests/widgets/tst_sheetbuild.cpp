// Building sheets offscreen: the first sheet, the same first sheet at every start, replacing rows, settings it reads.
#include "sheetprobe.h"
#include "sheettest.h"

#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace SheetProbe;

class TestSheetBuild : public SheetTest
{
    Q_OBJECT

private Q_SLOTS:
    void firstSheetUsesTheDefaults()
    {
        VoDoMain &w = m_program.start();
        static const QRegularExpression form(QStringLiteral("^[1-9][＋－][1-9]$"));
        for (int row = 1; row <= 20; ++row) {
            QVERIFY(question(&w, row));
            QVERIFY2(form.match(question(&w, row)->text()).hasMatch(), qPrintable(question(&w, row)->text()));
            QVERIFY(!question(&w, row)->isHidden());
            QVERIFY(!box(&w, row)->isHidden());
            QVERIFY(box(&w, row)->text().isEmpty());
            QVERIFY(!box(&w, row)->isReadOnly());
            QVERIFY(mark(&w, row)->isHidden());
            QCOMPARE(box(&w, row)->accessibleName(), question(&w, row)->text() + u'＝');
        }
        QVERIFY(!question(&w, 21));
        QCOMPARE(clock(&w), QStringLiteral("01:05"));
        QCOMPARE(score(&w), QStringLiteral("00"));
        QVERIFY(w.timer()->isActive());
    }

    void twoFreshSourcesGiveTheSameFirstSheet()
    {
        const QStringList first = questions(&m_program.start());
        QCOMPARE(questions(&m_program.start()), first);
        QStringList distinct = first;
        QVERIFY(distinct.removeDuplicates() < 19); // and it is a real mixture, not one question
    }

    void twoBuildsReplaceEveryRow()
    {
        VoDoMain &w = m_program.start();
        box(&w, 3)->setText(QStringLiteral("42"));
        QList<QPointer<QWidget>> old;
        for (int row = 1; row <= 20; ++row) {
            for (const char *array : {"Label1", "Label2", "Label3", "Text2"})
                old << QPointer<QWidget>(control(&w, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(row)));
        }
        const QStringList before = questions(&w);
        w.OutCm();
        w.OutCm();
        // Off the sheet at once: hidden and nameless; deleted when control is back in the event loop.
        for (const auto &element : old)
            QVERIFY(element && element->isHidden() && element->objectName().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const auto &gone : old)
            QVERIFY(gone.isNull());
        QVERIFY(questions(&w) != before);
        for (int row = 1; row <= 20; ++row) {
            QCOMPARE(w.findChildren<QLineEdit *>(QStringLiteral("Text2_%1").arg(row)).size(), 1);
            QVERIFY(box(&w, row)->text().isEmpty());
        }
        QVERIFY(!question(&w, 21));
        QVERIFY(!box(&w, 21));
    }

    void noOperatorTickedChangesNothing()
    {
        VoDoMain &w = m_program.start();
        box(&w, 1)->setText(QStringLiteral("7"));
        w.VoTaPg_Click();
        const QStringList before = questions(&w);
        const QString scoreBefore = score(&w);
        const QString clockBefore = clock(&w);
        QPointer<QLineEdit> first = box(&w, 1);
        for (const char *name : {"Check1", "Check2"})
            dialogCheck(w, name)->setChecked(false);
        w.Command1_Click();
        QCOMPARE(first.data(), box(&w, 1));
        QCOMPARE(questions(&w), before);
        QCOMPARE(box(&w, 1)->text(), QStringLiteral("7"));
        QVERIFY(box(&w, 1)->isReadOnly());
        QCOMPARE(score(&w), scoreBefore);
        QCOMPARE(clock(&w), clockBefore);
        QVERIFY(!w.timer()->isActive());
    }

    void greyedCheckBoxIsNotTicked()
    {
        VoDoMain &w = m_program.start();
        QCheckBox *subtract = dialogCheck(w, "Check2");
        subtract->setTristate(true);
        subtract->setCheckState(Qt::PartiallyChecked);
        w.OutCm();
        for (const QString &q : questions(&w))
            QVERIFY2(q.contains(u'＋'), qPrintable(q));
    }
};

QTEST_MAIN(TestSheetBuild)
#include "tst_sheetbuild.moc"
