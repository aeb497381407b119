// Working out a question's expected answer and the sheet's score from texts alone.
#pragma once

#include <optional>

class QString;
class QStringView;

namespace Grading {

// The answer a question text expects, recomputed from the text: operator looked for in the order
// ÷ × ＋ －, operands by the leading-number rule, the result in plain decimal form, more than three
// decimals cut to two. Nothing for a text without an operator. Throws RuntimeError on a division
// by zero or a result beyond double precision.
std::optional<QString> expectedAnswer(QStringView question);

// The learner's answer, without surrounding blanks, must be the expected text to the letter.
bool isCorrect(QStringView answer, QStringView expected);

// "#0.00" of (100 / rows) * correct.
QString scoreText(int correct, int rows);

// Whether a score text reads as exactly 100.
bool isFullScore(QStringView scoreText);

} // namespace Grading
