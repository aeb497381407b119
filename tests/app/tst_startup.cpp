// Start-up: the Qt platform the program asks for, and Qt's own texts in Chinese.
#include "app/platformchoice.h"
#include "app/qttranslation.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platform_data()
    {
        QTest::addColumn<QByteArray>("requested"); // QT_QPA_PLATFORM
        QTest::addColumn<QByteArray>("wayland");   // WAYLAND_DISPLAY
        QTest::addColumn<QByteArray>("x11");       // DISPLAY
        QTest::addColumn<QByteArray>("chosen");
        // clang-format off
        QTest::newRow("X11 session: Qt's own choice") << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray();
        QTest::newRow("Wayland alone: Qt's own choice") << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("Wayland with X11: X11 first") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("xcb;wayland");
        QTest::newRow("explicit wayland kept") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("wayland");
        QTest::newRow("explicit xcb kept") << QByteArray("xcb") << QByteArray() << QByteArray(":1") << QByteArray("xcb");
        QTest::newRow("explicit offscreen kept") << QByteArray("offscreen") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("offscreen");
        QTest::newRow("nothing at all") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
        // clang-format on
    }
    void platform()
    {
        QFETCH(QByteArray, requested);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, chosen);
        QCOMPARE(PlatformChoice::platformFor(requested, wayland, x11), chosen);
    }

    // Qt's texts that the learner meets: an answer box's context menu and the refusal message's button.
    void qtTextsInChinese()
    {
        QVERIFY(QtTranslation::installChinese(*qApp));
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList entries;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                entries << action->text().section(u'\t', 0, 0); // without the shortcut
        }
        const QStringList expected{QStringLiteral("撤消(&U)"), QStringLiteral("重做(&R)"), QStringLiteral("剪切(&T)"),
                                   QStringLiteral("复制(&C)"), QStringLiteral("粘贴(&P)"), QStringLiteral("删除"),
                                   QStringLiteral("全选")};
        QCOMPARE(entries, expected);
        const QMessageBox message(QMessageBox::Warning, QStringLiteral("设置有误"), QString(), QMessageBox::Ok);
        QCOMPARE(message.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
