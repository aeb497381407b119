// Finding the practice window's and the options dialog's controls by name, as the tests read them.
#pragma once

#include "practice/vodomain.h"
#include "questions/randomsource.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace SheetProbe {

template<typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name, Qt::FindDirectChildrenOnly);
}

inline QLabel *label(const QWidget *window, const QString &name)
{
    return control<QLabel>(window, name);
}

inline QLineEdit *box(const QWidget *window, int row)
{
    return control<QLineEdit>(window, QStringLiteral("Text2_%1").arg(row));
}

inline QLabel *question(const QWidget *window, int row)
{
    return label(window, QStringLiteral("Label1_%1").arg(row));
}

inline QLabel *mark(const QWidget *window, int row)
{
    return label(window, QStringLiteral("Label3_%1").arg(row));
}

inline QPushButton *button(const QWidget *window, const char *name)
{
    return control<QPushButton>(window, QLatin1String(name));
}

inline QStringList questions(const QWidget *window)
{
    QStringList texts;
    for (int row = 1; row <= 20; ++row)
        texts.append(question(window, row) ? question(window, row)->text() : QString());
    return texts;
}

// The right answer of a generated question ("a<op>b" with whole results).
inline QString rightAnswer(const QString &question)
{
    for (const QChar op : {u'＋', u'－', u'×', u'÷'}) {
        const qsizetype at = question.indexOf(op);
        if (at < 0)
            continue;
        const int a = question.left(at).toInt();
        const int b = question.mid(at + 1).toInt();
        const int r = op == u'＋' ? a + b : op == u'－' ? a - b : op == u'×' ? a * b : a / b;
        return QString::number(r);
    }
    return {};
}

// A program as it starts: a random source of its own and a new practice window.
class FreshProgram
{
public:
    VoDoMain &start()
    {
        m_window.reset();
        m_source = std::make_unique<RandomSource>();
        m_window = std::make_unique<VoDoMain>(*m_source);
        return *m_window;
    }
    void end() { m_window.reset(); }
    VoDoMain *window() const { return m_window.get(); }

private:
    std::unique_ptr<RandomSource> m_source;
    std::unique_ptr<VoDoMain> m_window;
};

} // namespace SheetProbe
