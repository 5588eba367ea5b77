#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vexo::access {

// Strength score of a candidate password, 0 or more: one point for each
// class of character and each combination of classes present, less a point
// for each weak pattern (runs of the alphabet, digits or a keyboard row, a
// single class, repetition, a date, a common password) and for shortness.
// Characters are classified per UTF-16 code unit: digit, ASCII small letter,
// ASCII capital letter, other.
int checkPasswordStrength(const QString& password);

// The points behind the score: bonuses earned and penalties incurred, before
// the adjustment for short passwords. Both 0 for an empty password or one
// character repeated.
struct StrengthPoints {
    int bonuses = 0;
    int penalties = 0;
};
StrengthPoints passwordStrengthPoints(const QString& password);

// The level, 0 to 4, of the password's score (see passwordLevelForScore).
int passwordLevel(const QString& password);

// 0 for scores up to 3, 1 for 4 to 6, 2 for 7 to 9, 3 for 10 to 12, 4 above.
int passwordLevelForScore(int score);

// The words the password field shows for a level: "Weak", "Moderate" or
// "Strong". They are shown as written, in every language.
QString passwordLevelLabel(int level);

// True for an absent or empty text.
bool isNull(const std::optional<QString>& text);

// True for an empty text or one whose code units are all the same.
bool isCharEqual(const QString& text);

// True for a non-empty text made of the digits 0 to 9 only.
bool isNumeric(const QString& text);

// The common passwords, in the order they are searched.
const QStringList& commonUsers();

} // namespace vexo::access
