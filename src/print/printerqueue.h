// A printer queue of the CUPS scheduler, to which a printed set goes as one PDF job.
#pragma once

#include <QString>

#include <optional>

struct PrintJob;

class PrinterQueue
{
public:
    // name: the queue as the scheduler lists it (lpstat -p); the scheduler is the one CUPS_SERVER or the client
    // settings name, as for lp.
    explicit PrinterQueue(QString name);

    // How the pages go on paper: on one side, or on both, turned over the long or the short edge.
    enum class Sides { OneSided, LongEdge, ShortEdge };

    // How the queue lists the job; empty (the default) names the set's seed.
    void setTitle(const QString &title);
    // How many copies of the whole set the queue prints (1 by default).
    void setCopies(int copies);
    // Which pages of the set the queue prints, as CUPS writes them ("1-3,5"); empty (the default): all of them.
    void setPageRanges(const QString &ranges);
    // Whether the copies come each whole in turn (true) or each page's copies together; the queue's default until set.
    void setCollate(bool collate);
    // One side or two; the queue's default until set.
    void setSides(Sides sides);

    // Draws the set as a PDF and hands it to the queue as one job, without waiting for it to print. Nothing when the
    // queue took the job, otherwise one sentence in Chinese that says why not: the queue is unknown or turns jobs
    // away, or the scheduler failed. A stopped queue takes the job and holds it; *warning (when given) then says that
    // the job waits, and is emptied otherwise. The pages are drawn with fonts: a QGuiApplication has to exist.
    std::optional<QString> send(const PrintJob &job, QString *warning = nullptr) const;

private:
    QString m_name;
    QString m_title;
    int m_copies = 1;
    QString m_pageRanges;
    std::optional<bool> m_collate; // unset: the queue's default
    std::optional<Sides> m_sides;
};
