// The program's own copies of its desktop icon: every hicolor size in the Qt resources, at its size, with alpha.
#include <QImage>
#include <QTest>

class TstIcons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconInResources_data()
    {
        QTest::addColumn<int>("size"); // pixels, width and height
        for (const int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }

    void iconInResources()
    {
        QFETCH(int, size);
        const QString path = QStringLiteral(":/icons/%1x%1/org.sumora.Sumora.png").arg(size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // The top corner is outside the rounded frame: transparent, so the icon sits on any background.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        // The middle is the slate: opaque.
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
};

QTEST_GUILESS_MAIN(TstIcons)
#include "tst_icons.moc"
