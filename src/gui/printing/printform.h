// The print window's choices: what to practise, how many sheets and how, the seed; each with its message beside it.
#pragma once

#include "request/setoptions.h"

#include <QHash>
#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class PrintForm : public QWidget
{
    Q_OBJECT

public:
    // Starts from the command line's options, as given: a value the controls cannot show (an unknown unit, a page
    // count that is no choice) is kept as typed, with its message, until its control changes. Without a seed among
    // them, a new one is drawn.
    explicit PrintForm(const SetOptions::Options &given, QWidget *parent = nullptr);

    // The choices as the command line would spell them, for SetOptions::check.
    SetOptions::Options options() const;
    // Shows each fault beside its control and empties the other messages.
    void showFaults(const QList<SetOptions::Fault> &faults);

Q_SIGNALS:
    void changed(); // any choice, typed or clicked

private:
    void fill(const SetOptions::Options &given);
    bool checkUnit(const QString &id);     // ticks the unit of that id; false when there is none
    void changedBy(const QString &option); // the control of option changed: a value kept as given is gone
    void newSeed();
    void updateEnabled();
    // The message beside option's control, hidden while empty. It is a row of its own, so that each control stays
    // beside its label: a screen reader names a combo box after the label next to it.
    QLabel *message(const QString &option);

    QHash<QString, QString> m_given;    // option -> its value as typed, where its control cannot hold it
    QHash<QString, QLabel *> m_message; // option -> the message beside its control
    QHash<QString, QWidget *> m_control;

    QRadioButton *m_byUnits = nullptr;
    QRadioButton *m_custom = nullptr;
    QListWidget *m_units = nullptr;
    std::array<QCheckBox *, 4> m_operators{}; // in option order
    QLineEdit *m_firstCount = nullptr;
    QLineEdit *m_secondCount = nullptr;
    QComboBox *m_regroup = nullptr;
    QLineEdit *m_maxNumber = nullptr;
    QLineEdit *m_sheets = nullptr;
    QComboBox *m_perPage = nullptr;
    QRadioButton *m_ruleTime = nullptr;
    QRadioButton *m_fixedTime = nullptr;
    QLineEdit *m_seconds = nullptr;
    QCheckBox *m_answers = nullptr;
    QLineEdit *m_seed = nullptr;
    QPushButton *m_newSeed = nullptr;
};
