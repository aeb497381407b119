// The toolkit's floor for printed sheets: a bare QPdfWriter program that writes the same pages with the same texts
// in AR PL UMing CN (each sheet's 20 questions, then the answers), and nothing else: no header, no lines, no foot.
//
//   sumora_bench_print_floor FILE SHEETS
#include "sheet/sheetplan.h"
#include "sheet/sheetseries.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    QGuiApplication app(argc, argv);
    const int sheets = std::atoi(argv[2]);
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    QFont font(QStringLiteral("AR PL UMing CN"));
    const int line = writer.resolution() * 3 / 4; // three quarters of an inch, in the writer's dots
    // The program's default settings: "＋" and "－", one digit each.
    const SheetPlan plan = SheetPlanner::plan(SheetSettings::atStart()).value();

    // Two sheets a page, then nine sheets' answers a page, each question with its answer, as the program lays them out.
    SheetSeries questions(plan, 1);
    font.setPointSize(16);
    painter.setFont(font);
    for (int k = 0; k < sheets; ++k) {
        if (k > 0 && k % 2 == 0)
            writer.newPage();
        const PrintedSheet sheet = questions.next();
        for (int i = 0; i < 20; ++i)
            painter.drawText(QPointF(i % 4 * 2 * line, (k % 2 * 6 + i / 4 + 1) * line), sheet.questions[i] + u'＝');
    }
    SheetSeries answers(plan, 1);
    font.setPointSize(11);
    painter.setFont(font);
    for (int k = 0; k < sheets; ++k) {
        if (k % 9 == 0)
            writer.newPage();
        const PrintedSheet sheet = answers.next();
        for (int i = 0; i < 20; ++i)
            painter.drawText(QPointF(i % 4 * 2 * line, (k % 9 * 6 + i / 4 + 1) * line / 4),
                             sheet.questions[i] + u'＝' + sheet.answers[i]);
    }
    return painter.end() ? 0 : 1;
}
