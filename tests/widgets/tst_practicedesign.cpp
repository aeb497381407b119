// The practice window offscreen as designed: window, labels, font, buttons, row templates and row places.
#include "sheetprobe.h"
#include "sheettest.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

using namespace SheetProbe;

class TestPracticeDesign : public SheetTest
{
    Q_OBJECT

private Q_SLOTS:
    void windowDesign()
    {
        VoDoMain &w = m_program.start();
        QCOMPARE(w.objectName(), QStringLiteral("VoDoMain"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Sumora(Brenn六周年纪念版)"));
        QCOMPARE(w.logicalDpiY(), 96);
        QCOMPARE(w.size(), QSize(616, 287));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));

        auto *timer = w.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        for (const char *name : {"Shape1", "Line1", "Line2", "Line3", "Label5", "VoOutCome", "Label6"})
            QVERIFY2(control(&w, QLatin1String(name)), name);
    }

    // The icon drawn for each size, so that it is sharp on large and scaled screens too; it comes with the first
    // frame shown, not before it.
    void iconOfEverySize()
    {
        VoDoMain &w = m_program.startShown();
        const QList<QSize> iconSizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
        QTRY_COMPARE(w.windowIcon().availableSizes(), iconSizes);
        QCOMPARE(w.windowIcon().pixmap(QSize(64, 64)).toImage(),
                 QImage(QStringLiteral(":/icons/64x64/org.sumora.Sumora.png"))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void designLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<double>("points");
        QTest::newRow("slogan") << "Label5" << QPoint(240, 12) << QColor(0x00, 0x80, 0x00) << 14.25;
        QTest::newRow("score caption") << "VoOutCome" << QPoint(16, 259) << QColor() << 10.5;
        QTest::newRow("clock caption") << "Label6" << QPoint(140, 259) << QColor() << 10.5;
        QTest::newRow("clock") << "Label7" << QPoint(200, 260) << QColor(0x00, 0x00, 0xFF) << 9.0;
        QTest::newRow("score") << "Label4" << QPoint(64, 258) << QColor(0xFF, 0x00, 0x00) << 12.0;
    }

    void designLabels()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, position);
        QFETCH(QColor, color);
        QFETCH(double, points);
        VoDoMain &w = m_program.start();
        QLabel *l = label(&w, name);
        QVERIFY(l);
        QCOMPARE(l->pos(), position);
        QCOMPARE(l->font().pointSizeF(), points);
        QVERIFY(l->font().bold());
        QVERIFY(!l->autoFillBackground());
        if (color.isValid())
            QCOMPARE(l->palette().color(QPalette::WindowText), color);
        // Sized to its own text in the font in use, so nothing of it is cut off.
        const QFontMetrics metrics(l->font());
        QCOMPARE(l->size(), QSize(metrics.horizontalAdvance(l->text()), metrics.height()));
    }

    void songFontResolvesToANarrowSongFace()
    {
        VoDoMain &w = m_program.start();
        const QFont font = question(&w, 1)->font();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("AR PL UMing Sumora")); // UMing's glyphs, built in
        // The design's 12 pt line height, and "99×99" well inside its 53-pixel template.
        QCOMPARE(QFontMetrics(font).height(), 16);
        QVERIFY(QFontMetrics(font).horizontalAdvance(QStringLiteral("99×99")) <= 53);
    }

    // Every text either window draws comes from the built-in glyphs, not from a fallback font that would look
    // different; a new caption needs its characters in resources/fonts/song-characters.txt.
    void everyTextIsInTheBuiltInFont()
    {
        VoDoMain &w = m_program.start();
        w.VoTaPg_Click(); // the marks and the score as well
        QStringList missing;
        for (const QWidget *window : {static_cast<QWidget *>(&w), static_cast<QWidget *>(w.options())}) {
            for (const QWidget *control : window->findChildren<QWidget *>()) {
                QString text;
                if (const auto *label = qobject_cast<const QLabel *>(control))
                    text = label->text();
                else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
                    text = button->text().remove(u'&');
                else if (const auto *box = qobject_cast<const QLineEdit *>(control))
                    text = box->text();
                const QRawFont glyphs = QRawFont::fromFont(control->font());
                QCOMPARE(glyphs.familyName(), QStringLiteral("AR PL UMing Sumora"));
                for (const QChar c : text) {
                    if (!glyphs.supportsCharacter(c))
                        missing << control->objectName() + u':' + c;
                }
            }
        }
        QCOMPARE(missing, QStringList());
    }

    // What a learner types that the built-in glyphs lack comes from the system's UMing wherever it has it.
    void typedTextFallsBackToUMing()
    {
        const QFont font = SheetProbe::box(&m_program.start(), 1)->font();
        QStringList otherFaces;
        for (const QChar c : QStringLiteral("中文１２ＡＢ€αβ")) {
            QTextLayout layout(QString(c), font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun &run : layout.glyphRuns()) {
                if (!run.rawFont().familyName().startsWith(u"AR PL UMing"))
                    otherFaces << c + u':' + run.rawFont().familyName();
            }
        }
        QCOMPARE(otherFaces, QStringList());
    }

    void buttonsInDesignOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        // clang-format off
        QTest::newRow("hand in") << "VoTaPg" << "交卷(&T)" << 296;
        QTest::newRow("new sheet") << "Command1" << "出题(&D)" << 374;
        QTest::newRow("options") << "Cmdbtn" << "设置" << 452;
        QTest::newRow("exit") << "EndDo" << "退出(&X)" << 530;
        // clang-format on
    }

    void buttonsInDesignOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        VoDoMain &w = m_program.start();
        auto *b = control<QPushButton>(&w, name);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->geometry(), QRect(left, 254, 67, 23));
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
    }

    void templatesStayHiddenWithDesignExtents()
    {
        VoDoMain &w = m_program.start();
        QCOMPARE(question(&w, 0)->geometry(), QRect(24, 8, 53, 16));
        QCOMPARE(question(&w, 0)->text(), QStringLiteral("99×99"));
        QCOMPARE(label(&w, QStringLiteral("Label2_0"))->text(), QStringLiteral("＝"));
        QCOMPARE(mark(&w, 0)->text(), QStringLiteral("#"));
        QCOMPARE(box(&w, 0)->geometry(), QRect(96, 4, 49, 24));
        for (QWidget *t : {static_cast<QWidget *>(question(&w, 0)), static_cast<QWidget *>(box(&w, 0)),
                           static_cast<QWidget *>(mark(&w, 0))})
            QVERIFY(t->isHidden());
    }

    void rowPositions_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<QList<int>>("lefts"); // twips by column
        QTest::addColumn<QList<int>>("tops");  // twips by line
        // clang-format off
        QTest::newRow("questions") << "Label1" << QList<int>{360, 2562, 4764, 6966} << QList<int>{660, 1160, 1660, 2160, 2660};
        QTest::newRow("equals signs") << "Label2" << QList<int>{1200, 3402, 5604, 7806} << QList<int>{660, 1160, 1660, 2160, 2660};
        QTest::newRow("marks") << "Label3" << QList<int>{2175, 4377, 6579, 8781} << QList<int>{690, 1190, 1690, 2190, 2690};
        QTest::newRow("answer boxes drift 2 twips a column") << "Text2" << QList<int>{1440, 3644, 5848, 8052} << QList<int>{599, 1099, 1599, 2099, 2599};
        // clang-format on
    }

    void rowPositions()
    {
        QFETCH(QString, array);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, tops);
        VoDoMain &w = m_program.start();
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        for (int row = 1; row <= 20; ++row) {
            QWidget *element = control(&w, array + u'_' + QString::number(row));
            QVERIFY(element);
            QPoint expected(px(lefts[(row - 1) % 4]), px(tops[(row - 1) / 4]));
            if (array == u"Label3" && row % 4 == 0)
                expected.rx() += 1; // clear of the drifting answer box, see below
            QVERIFY2(element->pos() == expected,
                     qPrintable(QStringLiteral("row %1 at %2,%3").arg(row).arg(element->x()).arg(element->y())));
        }
    }

    void noMarkStartsInsideItsAnswerBox()
    {
        VoDoMain &w = m_program.start();
        for (int row = 1; row <= 20; ++row)
            QVERIFY2(mark(&w, row)->x() >= box(&w, row)->geometry().right() + 1, qPrintable(QString::number(row)));
    }
};

QTEST_MAIN(TestPracticeDesign)
#include "tst_practicedesign.moc"
