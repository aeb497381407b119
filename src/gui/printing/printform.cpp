// The print window's choices: what to practise, how many sheets and how, the seed; each with its message beside it.
#include "printing/printform.h"

#include "shared/operators.h"
#include "sheet/sheetplan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

SetOptions::Options PrintForm::options() const
{
    SetOptions::Options options;
    if (m_byUnits->isChecked()) {
        QStringList ids;
        for (int i = 0; i < m_units->count(); ++i) {
            if (m_units->item(i)->checkState() == Qt::Checked)
                ids.append(m_units->item(i)->data(Qt::UserRole).toString());
        }
        options.insert(QStringLiteral("unit"), ids.join(u','));
    } else {
        QString operators;
        for (size_t i = 0; i < m_operators.size(); ++i) {
            if (m_operators[i]->isChecked())
                operators += QChar(Operators::inOptionOrder[i]);
        }
        options.insert(QStringLiteral("operators"), operators);
        options.insert(QStringLiteral("digits"), m_firstCount->text() + u',' + m_secondCount->text());
        options.insert(QStringLiteral("regroup"), m_regroup->currentData().toString());
    }
    if (!m_maxNumber->text().isEmpty())
        options.insert(QStringLiteral("max-number"), m_maxNumber->text());
    options.insert(QStringLiteral("sheets"), m_sheets->text());
    options.insert(QStringLiteral("per-page"), m_perPage->currentText());
    if (m_fixedTime->isChecked())
        options.insert(QStringLiteral("time"), m_seconds->text());
    if (!m_answers->isChecked())
        options.insert(QStringLiteral("no-answers"), QString());
    options.insert(QStringLiteral("seed"), m_seed->text());
    // A value given on the command line that its control cannot show stands until that control changes.
    for (auto given = m_given.cbegin(); given != m_given.cend(); ++given) {
        if (options.contains(given.key()))
            options.insert(given.key(), given.value());
    }
    return options;
}

void PrintForm::showFaults(const QList<SetOptions::Fault> &faults)
{
    for (auto message = m_message.cbegin(); message != m_message.cend(); ++message) {
        const auto fault = std::ranges::find(faults, message.key(), &SetOptions::Fault::option);
        const QString text = fault == faults.end() ? QString() : fault->message;
        message.value()->setText(text);
        message.value()->setVisible(!text.isEmpty());
        // A screen reader says the description after the control's name when the control takes the focus.
        if (QWidget *control = m_control.value(message.key()))
            control->setAccessibleDescription(text);
    }
}

void PrintForm::fill(const SetOptions::Options &given)
{
    // A value the controls cannot show is kept as typed.
    const auto shown = [this, &given](bool shown, const QString &option) {
        if (!shown && given.contains(option))
            m_given.insert(option, given.value(option));
    };
    const auto choose = [&shown, &given](QComboBox *box, int index, const QString &option) {
        if (index >= 0 && given.contains(option))
            box->setCurrentIndex(index);
        shown(index >= 0, option);
    };
    const QString unit = QStringLiteral("unit");
    const QString operators = QStringLiteral("operators");
    const QString digits = QStringLiteral("digits");
    (given.contains(unit) ? m_byUnits : m_custom)->setChecked(true);
    for (const QString &id : given.value(unit).split(u',', Qt::SkipEmptyParts))
        shown(checkUnit(id), unit);
    if (given.contains(operators)) {
        for (QCheckBox *box : m_operators)
            box->setChecked(false);
        for (const char32_t c : given.value(operators).toUcs4()) {
            const int index = Operators::optionIndex(c);
            if (index >= 0)
                m_operators[size_t(index)]->setChecked(true);
            shown(index >= 0, operators);
        }
    }
    const QStringList counts = given.value(digits).split(u',');
    if (counts.size() == 2) {
        m_firstCount->setText(counts[0]);
        m_secondCount->setText(counts[1]);
    }
    shown(counts.size() == 2, digits);
    choose(m_regroup, m_regroup->findData(given.value(QStringLiteral("regroup"))), QStringLiteral("regroup"));
    choose(m_perPage, m_perPage->findText(given.value(QStringLiteral("per-page"))), QStringLiteral("per-page"));
    m_maxNumber->setText(given.value(QStringLiteral("max-number")));
    m_sheets->setText(given.value(QStringLiteral("sheets"), m_sheets->text()));
    m_fixedTime->setChecked(given.contains(QStringLiteral("time")));
    m_ruleTime->setChecked(!m_fixedTime->isChecked());
    m_seconds->setText(given.value(QStringLiteral("time"), m_seconds->text()));
    m_answers->setChecked(!given.contains(QStringLiteral("no-answers")));
    if (given.contains(QStringLiteral("seed")))
        m_seed->setText(given.value(QStringLiteral("seed")));
    else
        newSeed();
}

bool PrintForm::checkUnit(const QString &id)
{
    for (int i = 0; i < m_units->count(); ++i) {
        if (m_units->item(i)->data(Qt::UserRole).toString() == id) {
            m_units->item(i)->setCheckState(Qt::Checked);
            return true;
        }
    }
    return false;
}

void PrintForm::changedBy(const QString &option)
{
    m_given.remove(option);
    Q_EMIT changed();
}

void PrintForm::newSeed()
{
    m_seed->setText(QString::number(QRandomGenerator::system()->generate()));
}

void PrintForm::updateEnabled()
{
    const bool units = m_byUnits->isChecked();
    m_units->setEnabled(units);
    for (QCheckBox *box : m_operators)
        box->setEnabled(!units);
    m_firstCount->setEnabled(!units);
    m_secondCount->setEnabled(!units);
    m_regroup->setEnabled(!units);
    m_seconds->setEnabled(m_fixedTime->isChecked());
}
