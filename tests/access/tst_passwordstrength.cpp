#include "access/PasswordStrength.h"
#include "support/TestEnvironment.h"

using namespace vexo::access;

class PasswordStrengthTest : public QObject {
    Q_OBJECT
private slots:
    // Each group of rows moves one rule across its boundary; the other
    // columns stay put, so a wrong threshold or a rule applied to the wrong
    // clause shows up as a wrong count.
    void bonusesPenaltiesAndScore_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("bonuses");
        QTest::addColumn<int>("penalties");
        QTest::addColumn<int>("score");

        // No variety: nothing is scored, however long.
        QTest::newRow("empty") << "" << 0 << 0 << 0;
        QTest::newRow("one symbol repeated past sixteen") << "!!!!!!!!!!!!!!!!!!" << 0 << 0 << 0;
        QTest::newRow("one non-ASCII letter repeated") << "密密密密密密密" << 0 << 0 << 0;

        // Length adjustment: 3 or less -> 0, 4 -> -2, 5 and 6 -> -1.
        QTest::newRow("L=3 scores 0 whatever it earns") << "Ab1" << 3 << 0 << 0;
        QTest::newRow("L=4 loses two") << "Ab12" << 3 << 0 << 1;
        QTest::newRow("L=5 loses one, capital now counts") << "Ab123" << 4 << 0 << 3;
        QTest::newRow("L=7 keeps all, three classes count") << "Ab12345" << 5 << 0 << 5;

        // Other characters count on their own from seven code units.
        QTest::newRow("other at 6 loses one") << "kq!mzv" << 2 << 0 << 1;
        QTest::newRow("other at 7") << "kq!mzvw" << 3 << 0 << 3;

        // Digits with small letters need five code units to count as two classes.
        QTest::newRow("digits and small at 4") << "k7q2" << 2 << 0 << 0;
        QTest::newRow("digits and small at 5") << "k7q2m" << 3 << 0 << 2;

        // Three of each of digits and small letters need seven code units;
        // the other pairs need no length, only three of each.
        QTest::newRow("3+3 digits/small at 6") << "kqz739" << 3 << 0 << 2;
        QTest::newRow("3+3 digits/small at 7") << "kqz7395" << 4 << 0 << 4;
        QTest::newRow("3+3 digits/capitals at 6") << "KQZ739" << 4 << 0 << 3;
        QTest::newRow("2+3 digits/capitals at 5") << "KQZ73" << 3 << 0 << 2;

        // Two each of digits, small and capital letters need nine.
        QTest::newRow("2+2+2 at 8") << "abCD12xy" << 5 << 0 << 5;
        QTest::newRow("2+2+2 at 9") << "abCD12xyz" << 6 << 0 << 6;

        // All four classes need nine; two of each of the four need eleven.
        QTest::newRow("four classes at 8") << "aB3!cDe@" << 8 << 0 << 8;
        QTest::newRow("four classes at 9") << "aB3!cDe@F" << 9 << 0 << 9;
        QTest::newRow("two of each class at 10") << "aB3!cD4@eF" << 9 << 0 << 9;
        QTest::newRow("two of each class at 11") << "aB3!cD4@eF5" << 10 << 0 << 10;

        // Three and six other characters, thirteen and sixteen code units.
        QTest::newRow("two others") << "x!y@z" << 3 << 0 << 2;
        QTest::newRow("three others") << "x!y@z#" << 4 << 0 << 3;
        QTest::newRow("five others") << "x!y@z#w$v%u" << 5 << 0 << 5;
        QTest::newRow("six others, L=12") << "x!y@z#w$v%u^" << 6 << 0 << 6;
        QTest::newRow("L=13") << "x!y@z#w$v%u^t" << 7 << 0 << 7;
        QTest::newRow("L=15") << "x!y@z#w$v%u^t&s" << 7 << 0 << 7;
        QTest::newRow("L=16") << "x!y@z#w$v%u^t&s*" << 8 << 0 << 8;
        QTest::newRow("sixteen, four of each class") << "aB3!cD4@eF5#gH6$" << 13 << 0 << 13;

        // Letters outside ASCII, and each half of a surrogate pair, are others.
        QTest::newRow("accented letters are others") << "ÄÖÜäöü1" << 5 << 0 << 5;
        QTest::newRow("emoji thrice: equal thirds of code units") << "😀😀😀" << 2 << 1 << 0;

        // Runs of the alphabet and of keyboard rows, case-sensitive.
        QTest::newRow("small letters in a row") << "abcdef" << 1 << 2 << 0;
        QTest::newRow("capitals in a row") << "MNOPQ" << 1 << 2 << 0;
        QTest::newRow("mixed case is no run") << "Mnopq" << 3 << 0 << 2;
        QTest::newRow("alphabet does not wrap") << "xyzab" << 1 << 1 << 0;
        QTest::newRow("keyboard row") << "qwerty" << 1 << 2 << 0;
        QTest::newRow("keyboard row with a capital") << "zxcvbN" << 3 << 0 << 2;

        // Digit runs up and down, with the wrap-around zero.
        QTest::newRow("digits up to the last zero") << "67890" << 1 << 2 << 0;
        QTest::newRow("digits down") << "09876" << 1 << 2 << 0;
        QTest::newRow("digits past the last zero") << "8901" << 1 << 1 << 0;

        // One class only is penalised for digits and letters, never others.
        QTest::newRow("capitals only") << "KQZMVT" << 1 << 1 << 0;
        QTest::newRow("others only") << "!@#$%^&" << 3 << 0 << 3;

        // Repetition: halves, runs in each half, thirds.
        QTest::newRow("text twice") << "ab12ab12" << 4 << 1 << 3;
        QTest::newRow("text nearly twice") << "ab12ab13" << 4 << 0 << 4;
        QTest::newRow("two runs") << "AAA111" << 4 << 1 << 2;
        QTest::newRow("two runs broken") << "AAA112" << 4 << 0 << 3;
        QTest::newRow("text three times") << "ab1ab1ab1" << 4 << 1 << 3;
        QTest::newRow("text nearly three times") << "ab1ab1ab2" << 4 << 0 << 4;

        // Dates yyyymmdd from 1950 to 2049.
        QTest::newRow("date 1949") << "19491231" << 1 << 1 << 0;
        QTest::newRow("date 1950") << "19501231" << 1 << 2 << 0;
        QTest::newRow("date 2049") << "20491231" << 1 << 2 << 0;
        QTest::newRow("date 2050") << "20500101" << 1 << 1 << 0;
        QTest::newRow("month 00") << "19990001" << 1 << 1 << 0;
        QTest::newRow("month 13") << "19991301" << 1 << 1 << 0;
        QTest::newRow("day 00") << "19991200" << 1 << 1 << 0;
        QTest::newRow("day 32") << "19991232" << 1 << 1 << 0;
        QTest::newRow("six digits have a two-digit year") << "991231" << 1 << 1 << 0;
        QTest::newRow("seven digits are no date") << "1999123" << 1 << 1 << 0;

        // Common passwords: any part of an entry, in any entry, as written.
        QTest::newRow("start of a common entry") << "pass" << 1 << 2 << 0;
        QTest::newRow("common word and a digit") << "password1" << 3 << 0 << 3;
        QTest::newRow("common word capitalised") << "Password" << 3 << 0 << 3;
        QTest::newRow("middle of a later entry") << "dobe1" << 3 << 1 << 1;
    }

    void bonusesPenaltiesAndScore() {
        QFETCH(QString, password);
        QFETCH(int, bonuses);
        QFETCH(int, penalties);
        QFETCH(int, score);
        const StrengthPoints points = passwordStrengthPoints(password);
        QCOMPARE(points.bonuses, bonuses);
        QCOMPARE(points.penalties, penalties);
        QCOMPARE(checkPasswordStrength(password), score);
    }

    void levelsOfScores_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("label");
        QTest::newRow("3") << 3 << 0 << "Weak";
        QTest::newRow("4") << 4 << 1 << "Moderate";
        QTest::newRow("6") << 6 << 1 << "Moderate";
        QTest::newRow("7") << 7 << 2 << "Strong";
        QTest::newRow("9") << 9 << 2 << "Strong";
        QTest::newRow("10") << 10 << 3 << "Strong";
        QTest::newRow("12") << 12 << 3 << "Strong";
        QTest::newRow("13") << 13 << 4 << "Strong";
    }

    void levelsOfScores() {
        QFETCH(int, score);
        QFETCH(int, level);
        QFETCH(QString, label);
        QCOMPARE(passwordLevelForScore(score), level);
        QCOMPARE(passwordLevelLabel(level), label);
    }

    void sixteenMixedCharactersReachTheTopLevel() {
        QCOMPARE(passwordLevel(QStringLiteral("aB3!cD4@eF5#gH6$")), 4);
    }
};

VEXO_TEST_MAIN(PasswordStrengthTest)
#include "tst_passwordstrength.moc"
