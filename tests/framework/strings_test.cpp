#include "framework/Strings.h"
#include "framework/TextCompare.h"

#include <gtest/gtest.h>

TEST(NthField, CountsFromOneAndIsEmptyPastTheLast)
{
    const QString text = QStringLiteral("a=b=c");
    EXPECT_EQ(NthField(text, QStringLiteral("="), 1), QStringLiteral("a"));
    EXPECT_EQ(NthField(text, QStringLiteral("="), 3), QStringLiteral("c"));
    EXPECT_EQ(NthField(text, QStringLiteral("="), 4), QString());
    EXPECT_EQ(NthField(text, QStringLiteral("="), 0), QString());
    EXPECT_EQ(NthField(QStringLiteral("no delimiter"), QStringLiteral("="), 1), QStringLiteral("no delimiter"));
    // A delimiter of several characters, as " : " of the category lines.
    EXPECT_EQ(NthField(QStringLiteral("Deutsch : Lesen 2"), QStringLiteral(" : "), 2), QStringLiteral("Lesen 2"));
    EXPECT_EQ(NthField(QStringLiteral("x,,y"), QStringLiteral(","), 2), QString());
}

TEST(CountFields, EmptyTextHasNoFields)
{
    EXPECT_EQ(CountFields(QString(), QStringLiteral("\n")), 0);
    EXPECT_EQ(CountFields(QStringLiteral("a"), QStringLiteral("\n")), 1);
    EXPECT_EQ(CountFields(QStringLiteral("a\nb\n"), QStringLiteral("\n")), 3);
}

TEST(Val, TakesTheLeadingNumber)
{
    const std::pair<const char *, double> cases[] = {{"12abc", 12}, {"  7", 7}, {"-3", -3}, {"1.5x", 1.5},
                                                     {"2e2", 200},  {"abc", 0}, {"", 0},   {"-", 0},     {"1e", 1}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(Val(QString::fromUtf8(text)), value) << text;
    // Whole numbers are cut toward zero and held to the int range.
    EXPECT_EQ(ValInt(QStringLiteral("-9.9")), -9);
    EXPECT_EQ(ValInt(QStringLiteral("99999999999999")), 2147483647);
    EXPECT_EQ(ValInt(QStringLiteral("-99999999999999")), -2147483647 - 1);
    EXPECT_EQ(ValInt(QStringLiteral("1e400")), 0); // not a finite number
}

TEST(Format, PatternsOfHashesAndZeros)
{
    EXPECT_EQ(Format(1234, QStringLiteral("###")), QStringLiteral("1234"));
    EXPECT_EQ(Format(5, QStringLiteral("##")), QStringLiteral("5"));
    EXPECT_EQ(Format(1, QStringLiteral("00")), QStringLiteral("01"));
    EXPECT_EQ(Format(0, QStringLiteral("00")), QStringLiteral("00"));
    EXPECT_EQ(Format(-4, QStringLiteral("00")), QStringLiteral("-04"));
}

TEST(TextCompare, IgnoresCase)
{
    EXPECT_TRUE(textEquals(QStringLiteral("Äpfel"), QStringLiteral("äPFEL")));
    EXPECT_FALSE(textEquals(QStringLiteral("true"), QStringLiteral("true ")));
    EXPECT_LT(textCompare(QStringLiteral("abc"), QStringLiteral("ABD")), 0);
}
