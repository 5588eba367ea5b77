#include "access/PasswordStrength.h"

#include <algorithm>
#include <initializer_list>

namespace vexo::access {
namespace {

struct ClassCounts {
    qsizetype digits = 0;
    qsizetype small = 0;
    qsizetype capitals = 0;
    qsizetype others = 0;
};

ClassCounts countClasses(const QString& password) {
    ClassCounts counts;
    for (const QChar unit : password) {
        const char16_t code = unit.unicode();
        if (code >= u'0' && code <= u'9')
            ++counts.digits;
        else if (code >= u'a' && code <= u'z')
            ++counts.small;
        else if (code >= u'A' && code <= u'Z')
            ++counts.capitals;
        else
            ++counts.others;
    }
    return counts;
}

// One point for each class present and each combination of classes; the
// length conditions guard only the clause they are written in.
int bonusPoints(const ClassCounts& c, qsizetype length) {
    const bool digit = c.digits > 0;
    const bool small = c.small > 0;
    const bool capital = c.capitals > 0;
    const bool other = c.others > 0;
    int points = 0;
    const auto award = [&points](bool earned) { points += earned ? 1 : 0; };

    award(digit);
    award(small);
    award(length >= 5 && capital);
    award(length >= 7 && other);
    award((length >= 5 && digit && small) || (digit && capital) || (digit && other) ||
          (small && capital) || (small && other) || (capital && other));
    award((length >= 7 && digit && small && capital) || (digit && small && other) ||
          (digit && capital && other) || (small && capital && other));
    award(length >= 9 && digit && small && capital && other);
    award((length >= 7 && c.digits >= 3 && c.small >= 3) || (c.digits >= 3 && c.capitals >= 3) ||
          (c.digits >= 3 && c.others >= 2) || (c.small >= 3 && c.capitals >= 3) ||
          (c.small >= 3 && c.others >= 2) || (c.capitals >= 3 && c.others >= 2));
    award((length >= 9 && c.digits >= 2 && c.small >= 2 && c.capitals >= 2) ||
          (c.digits >= 2 && c.small >= 2 && c.others >= 2) ||
          (c.digits >= 2 && c.capitals >= 2 && c.others >= 2) ||
          (c.small >= 2 && c.capitals >= 2 && c.others >= 2));
    award(length >= 11 && c.digits >= 2 && c.small >= 2 && c.capitals >= 2 && c.others >= 2);
    award(c.others >= 3);
    award(c.others >= 6);
    award(length >= 13);
    award(length >= 16);
    return points;
}

bool containedInAny(const QString& password, std::initializer_list<QLatin1String> references) {
    return std::any_of(references.begin(), references.end(), [&password](QLatin1String reference) {
        return reference.contains(password);
    });
}

bool halvesAreEqual(const QString& password) {
    const qsizetype half = password.size() / 2;
    return password.size() % 2 == 0 && password.first(half) == password.last(half);
}

bool halvesAreRunsOfOneCharacter(const QString& password) {
    const qsizetype half = password.size() / 2;
    return password.size() % 2 == 0 && isCharEqual(password.first(half)) &&
           isCharEqual(password.last(half));
}

bool thirdsAreEqual(const QString& password) {
    const qsizetype third = password.size() / 3;
    return password.size() % 3 == 0 && password.first(third) == password.sliced(third, third) &&
           password.first(third) == password.last(third);
}

// Year, month and day written as digits: yyyymmdd from 1950 to 2049. Six
// digits carry a two-digit year, which is never in that range.
bool looksLikeDate(const QString& password) {
    const qsizetype length = password.size();
    if (!isNumeric(password) || (length != 6 && length != 8))
        return false;
    const int year = password.first(length - 4).toInt();
    const int month = password.sliced(length - 4, 2).toInt();
    const int day = password.last(2).toInt();
    return year >= 1950 && year <= 2049 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

bool isCommonPassword(const QString& password) {
    const QStringList& common = commonUsers();
    return std::any_of(common.cbegin(), common.cend(),
                       [&password](const QString& entry) { return entry.contains(password); });
}

int penaltyPoints(const QString& password, const ClassCounts& c) {
    const qsizetype length = password.size();
    int points = 0;
    const auto award = [&points](bool earned) { points += earned ? 1 : 0; };

    award(containedInAny(password, {QLatin1String("abcdefghijklmnopqrstuvwxyz"),
                                    QLatin1String("ABCDEFGHIJKLMNOPQRSTUVWXYZ")}));
    award(containedInAny(password, {QLatin1String("qwertyuiop"), QLatin1String("asdfghjkl"),
                                    QLatin1String("zxcvbnm")}));
    award(isNumeric(password) &&
          containedInAny(password, {QLatin1String("01234567890"), QLatin1String("09876543210")}));
    award(c.digits == length || c.small == length || c.capitals == length);
    award(halvesAreEqual(password));
    award(halvesAreRunsOfOneCharacter(password));
    award(thirdsAreEqual(password));
    award(looksLikeDate(password));
    award(isCommonPassword(password));
    return points;
}

int adjustedForLength(int score, qsizetype length) {
    if (length <= 3)
        return 0;
    if (length == 4)
        return score - 2;
    if (length <= 6)
        return score - 1;
    return score;
}

} // namespace

StrengthPoints passwordStrengthPoints(const QString& password) {
    if (isNull(password) || isCharEqual(password))
        return {};
    const ClassCounts counts = countClasses(password);
    return {bonusPoints(counts, password.size()), penaltyPoints(password, counts)};
}

int checkPasswordStrength(const QString& password) {
    const StrengthPoints points = passwordStrengthPoints(password);
    return std::max(0, adjustedForLength(points.bonuses - points.penalties, password.size()));
}

int passwordLevel(const QString& password) {
    return passwordLevelForScore(checkPasswordStrength(password));
}

int passwordLevelForScore(int score) {
    if (score <= 3)
        return 0;
    if (score <= 6)
        return 1;
    if (score <= 9)
        return 2;
    if (score <= 12)
        return 3;
    return 4;
}

QString passwordLevelLabel(int level) {
    if (level <= 0)
        return QStringLiteral("Weak");
    if (level == 1)
        return QStringLiteral("Moderate");
    return QStringLiteral("Strong");
}

bool isNull(const std::optional<QString>& text) {
    return !text || text->isEmpty();
}

bool isCharEqual(const QString& text) {
    if (text.isEmpty())
        return true;
    const QChar first = text.front();
    return std::all_of(text.cbegin(), text.cend(), [first](QChar unit) { return unit == first; });
}

bool isNumeric(const QString& text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(),
                                          [](QChar unit) { return unit >= u'0' && unit <= u'9'; });
}

const QStringList& commonUsers() {
    static const QStringList common = {
        QStringLiteral("password"), QStringLiteral("abc123"), QStringLiteral("iloveyou"),
        QStringLiteral("adobe123"), QStringLiteral("123123"), QStringLiteral("sunshine"),
        QStringLiteral("1314520"),  QStringLiteral("a1b2c3"), QStringLiteral("123qwe"),
        QStringLiteral("aaa111"),   QStringLiteral("qweasd"), QStringLiteral("admin"),
        QStringLiteral("passwd")};
    return common;
}

} // namespace vexo::access
