// Start-up: the Qt platform the program asks for, the check that it can open the window, and Qt's own texts in
// Chinese.
#include "app/displaycheck.h"
#include "app/platformchoice.h"
#include "app/qttranslation.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

    // The platforms whose display is tried before the window starts, in the order Qt 6 tries them.
    void tried_data()
    {
        QTest::addColumn<QByteArray>("argument");  // -platform
        QTest::addColumn<QByteArray>("requested"); // QT_QPA_PLATFORM
        QTest::addColumn<QByteArray>("wayland");   // WAYLAND_DISPLAY
        QTest::addColumn<QByteArray>("session");   // XDG_SESSION_TYPE
        QTest::addColumn<QByteArrayList>("platforms");
        // clang-format off
        QTest::newRow("nothing: X11, Qt's default") << QByteArray() << QByteArray() << QByteArray() << QByteArray() << QByteArrayList{"xcb"};
        QTest::newRow("Wayland display first") << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArrayList{"wayland", "xcb"};
        QTest::newRow("Wayland session first") << QByteArray() << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArrayList{"wayland", "xcb"};
        QTest::newRow("the choice, without plugin options") << QByteArray() << QByteArray("xcb:nograb;wayland") << QByteArray() << QByteArray() << QByteArrayList{"xcb", "wayland"};
        QTest::newRow("the argument over the choice") << QByteArray("offscreen") << QByteArray("xcb") << QByteArray("wayland-0") << QByteArray() << QByteArrayList{"offscreen"};
        // clang-format on
    }
    void tried()
    {
        QFETCH(QByteArray, argument);
        QFETCH(QByteArray, requested);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, session);
        QFETCH(QByteArrayList, platforms);
        QCOMPARE(DisplayCheck::platforms(argument, requested, wayland, session), platforms);
    }

    // A dead X display and a live Wayland socket: Wayland alone, so that Qt does not try X first and warn; without
    // Qt's Wayland plugin the check refuses, where Qt would abort.
    void displayCheck_data()
    {
        QTest::addColumn<bool>("plugins"); // Qt's platform plugins, or an empty folder
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QByteArray>("platform"); // QT_QPA_PLATFORM after the check
        QTest::newRow("dead X, live Wayland: Wayland alone") << true << true << QByteArray("wayland");
        QTest::newRow("no Wayland plugin: refused") << false << false << QByteArray("xcb;wayland");
    }
    void displayCheck()
    {
        QFETCH(bool, plugins);
        QFETCH(bool, usable);
        QFETCH(QByteArray, platform);
        const QTemporaryDir folder;
        const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("wayland-test")));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        const int compositor = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto restore = qScopeGuard([compositor, kept = QProcessEnvironment::systemEnvironment()] {
            ::close(compositor);
            for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
                if (kept.contains(QString::fromLatin1(name)))
                    qputenv(name, kept.value(QString::fromLatin1(name)).toLocal8Bit());
                else
                    qunsetenv(name);
            }
        });
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the socket API's address type
        QVERIFY(::bind(compositor, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
        QVERIFY(::listen(compositor, 1) == 0);
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        qputenv("DISPLAY", ":4077");
        qputenv("WAYLAND_DISPLAY", path);
        char name[] = "sumora";
        char *argv[] = {name, nullptr};
        const DisplayCheck check(1, argv, plugins ? DisplayCheck::platformPluginFolders() : QStringList{folder.path()});
        QCOMPARE(check.usable(), usable);
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platform);
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
