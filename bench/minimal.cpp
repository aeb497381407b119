// The yardstick for start-up and memory: the smallest Qt Widgets program, one label as its window.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Sumora"));
    label.show();
    return app.exec();
}
