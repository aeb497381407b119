// Reads the program's own options: GNU long options ("--name value", "--name=value") and the short -h.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <span>

class ArgumentReader
{
public:
    struct Option
    {
        const char16_t *name; // without its "--"
        bool takesValue;
        char16_t shortName = 0; // "-" and this letter is the option too (switches only); 0: none
    };
    enum class Fault { None, UnknownOption, MissingValue, UnexpectedValue };

    // arguments: the program's name first. A value follows its option as the next argument, whatever that holds,
    // or after "="; "--" ends the options. Every other word with one dash is an unknown option, reported whole:
    // Qt's own options ("-platform xcb") are the window's, never read here.
    ArgumentReader(std::span<const Option> options, const QStringList &arguments);

    Fault fault() const { return m_fault; }
    const QString &faultyOption() const { return m_faultyOption; } // as typed, with its dashes, without a value

    bool isSet(QStringView name) const { return m_values.contains(name.toString()); }
    QString value(QStringView name) const { return m_values.value(name.toString()); } // the last one given
    const QStringList &positional() const { return m_positional; }
    // Each option given, by its name without dashes, with its last value (a switch's is empty).
    const QHash<QString, QString> &values() const { return m_values; }

private:
    // Reads the option at arguments[i], and i moves to its value when that is the next argument.
    void read(std::span<const Option> options, const QStringList &arguments, qsizetype &i);
    void fail(Fault fault, const QString &option);

    Fault m_fault = Fault::None;
    QString m_faultyOption;
    QHash<QString, QString> m_values;
    QStringList m_positional;
};
