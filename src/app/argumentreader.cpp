// Reads the program's own options: GNU long options ("--name value", "--name=value") and the short -h.
#include "app/argumentreader.h"

#include <algorithm>

ArgumentReader::ArgumentReader(std::span<const Option> options, const QStringList &arguments)
{
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size() && m_fault == Fault::None; ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || argument == u"-" || !argument.startsWith(u'-'))
            m_positional.append(argument);
        else if (argument == u"--")
            optionsEnded = true;
        else
            read(options, arguments, i);
    }
}

void ArgumentReader::read(std::span<const Option> options, const QStringList &arguments, qsizetype &i)
{
    const QString &argument = arguments[i];
    if (!argument.startsWith(u"--")) {
        const auto option = std::ranges::find_if(options, [&](const Option &o) {
            return o.shortName != 0 && argument.size() == 2 && argument[1] == QChar(o.shortName);
        });
        if (option == options.end())
            return fail(Fault::UnknownOption, argument);
        m_values.insert(QString::fromUtf16(option->name), QString());
        return;
    }
    const qsizetype equals = argument.indexOf(u'=');
    const QString spelled = equals < 0 ? argument : argument.first(equals);
    const QStringView name = QStringView(spelled).sliced(2);
    const auto option = std::ranges::find_if(options, [&](const Option &o) { return name == o.name; });
    if (option == options.end())
        return fail(Fault::UnknownOption, spelled);
    if (!option->takesValue) {
        if (equals >= 0)
            return fail(Fault::UnexpectedValue, spelled);
        m_values.insert(name.toString(), QString());
    } else if (equals >= 0) {
        m_values.insert(name.toString(), argument.sliced(equals + 1));
    } else if (i + 1 < arguments.size()) {
        m_values.insert(name.toString(), arguments[++i]);
    } else {
        fail(Fault::MissingValue, spelled);
    }
}

void ArgumentReader::fail(Fault fault, const QString &option)
{
    m_fault = fault;
    m_faultyOption = option;
}
