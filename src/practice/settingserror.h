// A setting of the options dialog that the sheet builder cannot use, with the message that says why.
#pragma once

#include <QString>

#include <stdexcept>

class SettingsError : public std::runtime_error
{
public:
    enum class Box { FirstCount, SecondCount, DigitCounts, FixedTime };

    // value: the box's text as the learner typed it (for digit counts, both texts joined by "与").
    SettingsError(Box box, const QString &value);

    Box box() const { return m_box; }
    // Names the box and the range it accepts, in Chinese.
    QString text() const;

private:
    Box m_box;
    QString m_value;
};
