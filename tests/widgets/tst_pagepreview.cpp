// The print window's preview offscreen: only the pages in view are drawn, paging and zoom keep the page, a job
// replaced while typing goes on is never shown.
#include "printing/pagepreview.h"
#include "sheet/sheetplan.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {

PrintJob job(int sheets, std::uint32_t seed = 1)
{
    PrintJob job;
    job.source = SheetSource::plain(SheetPlanner::plan(SheetSettings::atStart()).value());
    job.sheets = sheets;
    job.seed = seed;
    return job;
}

} // namespace

class TestPagePreview : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PagePreview> m_preview;
    std::unique_ptr<QSignalSpy> m_drawn; // the pages drawn, from the first job on

    // A shown pane of 640 × 800 pixels with sheets' pages (2 a page and the answers).
    PagePreview &fresh(int sheets)
    {
        m_preview = std::make_unique<PagePreview>();
        m_preview->resize(640, 800);
        m_preview->show();
        m_drawn = std::make_unique<QSignalSpy>(m_preview.get(), &PagePreview::pageDrawn);
        m_preview->setJob(job(sheets));
        QSignalSpy shown(m_preview.get(), &PagePreview::shown);
        shown.wait();
        return *m_preview;
    }
    template<class Control>
    Control *control(const QString &name)
    {
        for (Control *control : m_preview->findChildren<Control *>())
            if (control->accessibleName() == name)
                return control;
        return nullptr;
    }
    bool showsTheNewestJob() { return QSignalSpy(m_preview.get(), &PagePreview::shown).wait(); }
    QList<int> drawn() const
    {
        QList<int> pages;
        for (const QList<QVariant> &signal : *m_drawn)
            pages.append(signal.at(0).toInt());
        return pages;
    }

private Q_SLOTS:
    void onlyPagesInViewAreDrawn_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("the first page") << 1;
        QTest::newRow("the last question page") << 500;
        QTest::newRow("an answer page") << 560;
        QTest::newRow("the last page, which ends the scrolling") << 612;
    }
    void onlyPagesInViewAreDrawn()
    {
        QFETCH(int, page);
        fresh(1000);
        QCOMPARE(m_preview->pageCount(), 612);
        m_preview->showPage(page);
        m_preview->repaint();
        QCOMPARE(m_preview->currentPage(), page);
        const QList<int> pages = drawn();
        const std::unique_ptr<char[]> seen(QTest::toString(pages)); // toString's text is the caller's to free
        QVERIFY2(pages.contains(page) && pages.size() <= 3, seen.get());
        for (int other : pages)
            QVERIFY(other == 1 || std::abs(other - page) <= 1);
    }

    void paging_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed"); // into the page box, then Enter
        QTest::addColumn<int>("page");
        QTest::newRow("next") << 1 << "下一页"
                              << "" << 2;
        QTest::newRow("previous") << 3 << "上一页"
                                  << "" << 2;
        QTest::newRow("next at the last page") << 25 << "下一页"
                                               << "" << 25;
        QTest::newRow("a page typed") << 1 << "页码"
                                      << "17" << 17;
    }
    void paging()
    {
        QFETCH(int, from);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(int, page);
        fresh(40).showPage(from);
        QSpinBox *box = this->control<QSpinBox>(QStringLiteral("页码"));
        if (typed.isEmpty()) {
            this->control<QPushButton>(control)->click();
        } else {
            box->selectAll();
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(m_preview->currentPage(), page);
        QCOMPARE(box->text(), QStringLiteral("第 %1 页 / 共 25 页").arg(page));
    }

    void zoomKeepsThePage()
    {
        fresh(40).showPage(12);
        auto *choice = control<QComboBox>(QStringLiteral("缩放"));
        QCOMPARE(choice->currentText(), QStringLiteral("适合宽度"));
        for (const char16_t *button : {u"放大", u"放大", u"缩小", u"缩小"}) {
            const QString before = choice->currentText();
            control<QPushButton>(QString::fromUtf16(button))->click();
            QVERIFY(choice->currentText() != before);
            QVERIFY(showsTheNewestJob());
            QCOMPARE(m_preview->currentPage(), 12);
        }
        QCOMPARE(choice->currentText(), QStringLiteral("50%"));
        QVERIFY(!control<QPushButton>(QStringLiteral("缩小"))->isEnabled()); // the smallest
    }

    void aJobReplacedWhileTypingIsNeverShown()
    {
        fresh(40).showPage(20);
        QVERIFY(showsTheNewestJob());
        m_drawn->clear();
        m_preview->setJob(job(1000));
        m_preview->setJob(job(10));           // 5 pages of sheets, 2 of answers
        QCOMPARE(m_preview->pageCount(), 25); // the pages shown stay while typing goes on
        QVERIFY(showsTheNewestJob());
        QCOMPARE(m_preview->pageCount(), 7);
        QCOMPARE(m_preview->currentPage(), 7); // page 20 is gone: the last
        QVERIFY(!drawn().isEmpty());
        for (int page : drawn())
            QVERIFY(page <= 7);
        m_preview->setJob(job(10, 2));
        QVERIFY(showsTheNewestJob());
        QCOMPARE(m_preview->currentPage(), 7); // still there
    }
};

QTEST_MAIN(TestPagePreview)
#include "tst_pagepreview.moc"
