// A setting of the options dialog that the sheet builder cannot use: which box, and what it held.
#pragma once

#include <QStringList>

#include <stdexcept>
#include <utility>

class SettingsError : public std::runtime_error
{
public:
    // DigitCounts: both digit counts are usable on their own, but the sheet time they give is not.
    enum class Box { FirstCount, SecondCount, DigitCounts, FixedTime };

    // values: the texts of the boxes concerned as the learner typed them (both counts for DigitCounts).
    SettingsError(Box box, QStringList values)
        : std::runtime_error("setting out of range")
        , m_box(box)
        , m_values(std::move(values))
    {
    }

    Box box() const { return m_box; }
    const QStringList &values() const { return m_values; }

private:
    Box m_box;
    QStringList m_values;
};
