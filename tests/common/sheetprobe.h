// Finding the practice window's and the options dialog's controls by name, as the tests and benchmarks read them.
#pragma once

#include "options/voop.h"
#include "practice/vodomain.h"
#include "questions/randomsource.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace SheetProbe {

// A control of a window by its design name ("Label4", "Text2_7"), or nullptr.
template<typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    return window->findChild<T *>(name, Qt::FindDirectChildrenOnly);
}

template<typename T = QWidget>
T *control(const QWidget *window, const char *name)
{
    return control<T>(window, QString::fromLatin1(name));
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
    return control<QPushButton>(window, name);
}

inline QString score(const QWidget *window)
{
    return label(window, QStringLiteral("Label4"))->text();
}

inline QString clock(const QWidget *window)
{
    return label(window, QStringLiteral("Label7"))->text();
}

// The options dialog's text boxes (Tt1, Tt2, Text1) and check boxes (Check1 to Check5).
inline QLineEdit *dialogText(VoDoMain &window, const char *name)
{
    return control<QLineEdit>(window.options(), name);
}

inline QCheckBox *dialogCheck(VoDoMain &window, const char *name)
{
    return control<QCheckBox>(window.options(), name);
}

inline void useFixedTime(VoDoMain &window, const QString &seconds)
{
    dialogCheck(window, "Check5")->setChecked(true);
    dialogText(window, "Text1")->setText(seconds);
}

inline QStringList questions(const QWidget *window)
{
    QStringList texts;
    for (int row = 1; row <= 20; ++row)
        texts.append(question(window, row) ? question(window, row)->text() : QString());
    return texts;
}

// The right answer of a generated question ("a<op>b" with whole results), worked out here on its own.
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

// Right answers in every row, except a wrong one in the first wrongRows rows.
inline void answerAll(const QWidget *window, int wrongRows)
{
    for (int row = 1; row <= 20; ++row) {
        const QString right = rightAnswer(question(window, row)->text());
        box(window, row)->setText(row <= wrongRows ? right + u'1' : right);
    }
}

// A click that waits in the event queue, as one made while the program was busy: press and release, posted.
inline void postClick(QWidget *target, QPoint at)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(target,
                                    new QMouseEvent(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                                                    held, Qt::NoModifier));
    }
}

inline void postClick(QWidget *target)
{
    postClick(target, target->rect().center());
}

// A key that waits in the event queue: press and release, posted.
inline void postKey(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, modifiers));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, modifiers));
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
    // Started, shown and active, ready for keys.
    VoDoMain &startShown()
    {
        VoDoMain &window = start();
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("practice window never became active");
        return window;
    }
    void end() { m_window.reset(); }
    VoDoMain *window() const { return m_window.get(); }

private:
    std::unique_ptr<RandomSource> m_source;
    std::unique_ptr<VoDoMain> m_window;
};

} // namespace SheetProbe
