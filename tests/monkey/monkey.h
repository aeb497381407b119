// The monkey: seeded random keys, pastes, clicks and clock ticks on both windows, sent now or left waiting in the
// event queue, so that the handlers which let waiting events run meet them.
#pragma once

#include "sheetprobe.h"

#include "controls/handlerguard.h"
#include "sheet/grading.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <random>

// The rows of a sheet.
inline constexpr int rows = 20;

class Monkey
{
public:
    Monkey(VoDoMain &window, std::mt19937::result_type seed)
        : m_window(window)
        , m_dialog(window.options())
        , m_random(seed)
    {
    }

    // One random event; returns what it did, for the failure message.
    QString act()
    {
        const int roll = pick(1000);
        if (roll < 380)
            return key();
        if (roll < 630)
            return paste(pick(100) < 92 ? pick(13) : pick(2001));
        if (roll < 632)
            return paste(pick(102401)); // up to 100 KB of text; rare, and taken whole
        if (roll < 687)
            return answerOneRow();
        if (roll < 697)
            return answerAllRows();
        if (roll < 707)
            return commandWaitingDuringHandIn();
        if (roll < 822)
            return clickMainButton();
        if (roll < 922)
            return clickDialog();
        if (roll < 942)
            return openAndConfirmDialog();
        if (roll < 982)
            return tick();
        return activate();
    }

    // How often a command that waited ran inside a full-score hand-in, where it can replace the sheet.
    int commandsRunInsideHandIns() const { return m_commandsRunInsideHandIns; }

    // What a learner does after a message about a setting: read it and close it.
    int closeSettingsMessages()
    {
        int closed = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == u"SettingsMessage" && top->isVisible()) {
                top->close();
                ++closed;
            }
        }
        return closed;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QWidget *keyTarget()
    {
        // Typing needs an active window; a learner clicks the practice window first.
        if (!QApplication::activeWindow())
            activate();
        if (QWidget *focus = QApplication::focusWidget())
            return focus;
        return QApplication::activeWindow() ? QApplication::activeWindow() : &m_window;
    }

    QString key()
    {
        struct Key
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char *name;
            int weight; // in thousandths of the key events
        };
        static const Key keys[] = {
                {Qt::Key_Return, Qt::NoModifier, "Enter", 80},
                {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter", 30},
                {Qt::Key_Tab, Qt::NoModifier, "Tab", 80},
                {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab", 40},
                {Qt::Key_Backspace, Qt::NoModifier, "Backspace", 60},
                {Qt::Key_Minus, Qt::NoModifier, "-", 40},
                {Qt::Key_Period, Qt::NoModifier, ".", 40},
                {Qt::Key_T, Qt::AltModifier, "Alt+T", 10},
                {Qt::Key_D, Qt::AltModifier, "Alt+D", 10},
        };
        QWidget *target = keyTarget();
        const QString where = target->objectName();
        int roll = pick(1000);
        for (const Key &k : keys) {
            if (roll >= k.weight) {
                roll -= k.weight;
                continue;
            }
            return pressKey(target, k.key, k.modifiers, QLatin1String(k.name));
        }
        const int digit = pick(10);
        return pressKey(target, Qt::Key(Qt::Key_0 + digit), Qt::NoModifier, QString::number(digit));
    }

    // An access key clicks its button about 100 ms later; waiting for it keeps every run of the seed alike.
    void finishAnimatedClick()
    {
        for (const char *name : {"VoTaPg", "Command1"}) {
            const auto *button = SheetProbe::control<QPushButton>(&m_window, QLatin1String(name));
            for (int waited = 0; button->isDown() && waited < 2000; waited += 5)
                QTest::qWait(5);
        }
    }

    QChar randomChar()
    {
        static const char16_t operators[] = {u'＋', u'－', u'×', u'÷'};
        const int kind = pick(100);
        if (kind < 35)
            return QChar(char16_t(u'0' + pick(10)));
        if (kind < 43)
            return QChar(pick(2) ? u'+' : u'-');
        if (kind < 49)
            return QChar(u'.');
        if (kind < 54)
            return QChar(pick(2) ? u'e' : u'E');
        if (kind < 62)
            return QChar(pick(3) ? u' ' : u'\t');
        if (kind < 74)
            return QChar(char16_t(0x4E00 + pick(0x51A6))); // CJK ideographs
        if (kind < 84)
            return QChar(char16_t(0xFF10 + pick(10))); // full-width digits
        if (kind < 94)
            return QChar(operators[pick(4)]);
        return QChar(char16_t(u'a' + pick(26)));
    }

    QString randomText(int length)
    {
        QString text(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i)
            text[i] = randomChar();
        return text;
    }

    QList<QLineEdit *> boxes() const
    {
        QList<QLineEdit *> all;
        for (int row = 1; row <= rows; ++row) {
            if (auto *box = SheetProbe::control<QLineEdit>(&m_window, QStringLiteral("Text2_%1").arg(row)))
                all.append(box);
        }
        for (const char *name : {"Tt1", "Tt2", "Text1"})
            all.append(SheetProbe::control<QLineEdit>(m_dialog, QLatin1String(name)));
        return all;
    }

    // A paste through setText or insert(); a locked answer box takes nothing, as for a learner.
    QString paste(int length)
    {
        const QList<QLineEdit *> all = boxes();
        QLineEdit *box = all[pick(int(all.size()))];
        if (box->isReadOnly())
            return QStringLiteral("paste refused by locked %1").arg(box->objectName());
        const QString text = randomText(length);
        if (pick(2)) {
            box->setText(text);
            return QStringLiteral("setText %1 characters into %2").arg(length).arg(box->objectName());
        }
        box->insert(text);
        return QStringLiteral("insert %1 characters into %2").arg(length).arg(box->objectName());
    }

    QString rightAnswer(int row) const
    {
        const auto *question = SheetProbe::control<QLabel>(&m_window, QStringLiteral("Label1_%1").arg(row));
        const std::optional<QString> answer = Grading::expectedAnswer(question->text());
        return answer.value_or(QString());
    }

    QString answerOneRow()
    {
        const int row = 1 + pick(rows);
        auto *box = SheetProbe::control<QLineEdit>(&m_window, QStringLiteral("Text2_%1").arg(row));
        if (box->isReadOnly())
            return QStringLiteral("answer refused by locked row %1").arg(row);
        box->setText(rightAnswer(row));
        return QStringLiteral("right answer into row %1").arg(row);
    }

    QString answerAllRows()
    {
        for (int row = 1; row <= rows; ++row) {
            auto *box = SheetProbe::control<QLineEdit>(&m_window, QStringLiteral("Text2_%1").arg(row));
            if (!box->isReadOnly())
                box->setText(rightAnswer(row));
        }
        return QStringLiteral("right answers into every open row");
    }

    QString clickMainButton()
    {
        static const char *const names[] = {"VoTaPg", "Command1", "Cmdbtn"}; // never EndDo: it ends the program
        const char *name = names[pick(3)];
        return click(SheetProbe::control<QPushButton>(&m_window, name), QLatin1String(name));
    }

    QString clickDialog()
    {
        if (!m_dialog->isVisible()) {
            QTest::mouseClick(SheetProbe::control<QPushButton>(&m_window, QStringLiteral("Cmdbtn")), Qt::LeftButton);
            return QStringLiteral("open the dialog");
        }
        static const char *const names[] = {"Check1", "Check2", "Check3", "Check4",  "Check5",
                                            "Tt1",    "Tt2",    "Text1",  "Command1"};
        const char *name = names[pick(int(std::size(names)))];
        QWidget *control = SheetProbe::control(m_dialog, name);
        return click(control, QStringLiteral("dialog ") + QLatin1String(name), QPoint(4, control->height() / 2));
    }

    QString openAndConfirmDialog()
    {
        QTest::mouseClick(SheetProbe::control<QPushButton>(&m_window, QStringLiteral("Cmdbtn")), Qt::LeftButton);
        QTest::mouseClick(SheetProbe::control<QPushButton>(m_dialog, QStringLiteral("Command1")), Qt::LeftButton);
        return QStringLiteral("open the dialog and click 确定");
    }

    // A key from the keyboard, or one that waits in the event queue (the program was busy when it was pressed).
    QString pressKey(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &name)
    {
        const QString where = target->objectName();
        if (pick(4) == 0) {
            SheetProbe::postKey(target, key, modifiers);
            return QStringLiteral("key %1 to %2, queued").arg(name, where);
        }
        QTest::keyClick(target, key, modifiers);
        finishAnimatedClick();
        return QStringLiteral("key %1 to %2").arg(name, where);
    }

    // A click now, or one that waits in the event queue.
    QString click(QWidget *target, const QString &name, QPoint at = {})
    {
        if (at.isNull())
            at = target->rect().center();
        if (pick(4) == 0) {
            SheetProbe::postClick(target, at);
            return QStringLiteral("click %1, queued").arg(name);
        }
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        return QStringLiteral("click %1").arg(name);
    }

    // A command clicked while the program was busy, then Enter in a box: at full score the hand-in runs the
    // waiting command before it moves the focus, so the command may replace the sheet under the key's handler.
    QString commandWaitingDuringHandIn()
    {
        answerAllRows();
        QWidget *command = nullptr;
        QString name;
        switch (pick(3)) {
        case 0:
            command = SheetProbe::button(&m_window, "Command1");
            name = QStringLiteral("出题");
            break;
        case 1:
            command = m_dialog->isVisible() ? SheetProbe::control(m_dialog, "Command1") : nullptr;
            name = QStringLiteral("确定");
            break;
        default:
            command = SheetProbe::button(&m_window, "Cmdbtn");
            name = QStringLiteral("设置");
            break;
        }
        if (!command)
            command = SheetProbe::button(&m_window, "VoTaPg"), name = QStringLiteral("交卷");
        bool ranInside = false;
        const auto watch = QObject::connect(static_cast<QPushButton *>(command), &QPushButton::clicked,
                                            [&ranInside] { ranInside = true; });
        SheetProbe::postClick(command);
        const int row = 1 + pick(rows);
        QTest::keyClick(SheetProbe::box(&m_window, row), Qt::Key_Return);
        QObject::disconnect(watch);
        if (ranInside)
            ++m_commandsRunInsideHandIns;
        return QStringLiteral("%1 waiting, Enter in row %2%3")
                .arg(name)
                .arg(row)
                .arg(ranInside ? QStringLiteral(": it ran inside the hand-in") : QString());
    }

    // The clock's second passes only while the program runs its timer, and reaches it as the timer's own
    // connection would; the timer itself never fires on its own here (see the test).
    QString tick()
    {
        if (!m_window.timer()->isActive())
            return QStringLiteral("no clock tick: the clock is stopped");
        HandlerGuard::run(&m_window, [this] { m_window.Timer1_Timer(); });
        return QStringLiteral("clock tick");
    }

    QString activate()
    {
        m_window.activateWindow();
        return QStringLiteral("activate the practice window");
    }

    VoDoMain &m_window;
    VoOp *m_dialog;
    std::mt19937 m_random;
    int m_commandsRunInsideHandIns = 0;
};
