#include "framework/MacRoman.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Strings, FieldsNumbersAndPatterns)
{
    const std::pair<QString, const char *> cases[] = {
        {NthField(utf8("a=b=c"), utf8("="), 1), "a"},
        {NthField(utf8("a=b=c"), utf8("="), 4), ""},
        {NthField(utf8("a=b=c"), utf8("="), 0), ""},
        {NthField(utf8("ohne"), utf8("="), 1), "ohne"},
        {NthField(utf8("Deutsch : Lesen 2"), utf8(" : "), 2), "Lesen 2"},
        {NthField(utf8("x,,y"), utf8(","), 2), ""},
        {QString::number(CountFields(QString(), utf8("\n"))), "0"},
        {QString::number(CountFields(utf8("a\nb\n"), utf8("\n"))), "3"},
        {Format(1234, utf8("###")), "1234"},
        {Format(5, utf8("##")), "5"},
        {Format(1, utf8("00")), "01"},
        {Format(-4, utf8("00")), "-04"},
        {Str(-12), "-12"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, utf8(cases[i].second)) << "case " << i;
    const std::pair<const char *, double> values[] = {{"12abc", 12}, {"  7", 7}, {"-3", -3}, {"1.5x", 1.5},
                                                      {"2e2", 200},  {"abc", 0}, {"", 0},   {"-", 0},     {"1e", 1}};
    for (const auto &[text, value] : values)
        EXPECT_EQ(Val(utf8(text)), value) << text;
    // Whole numbers are cut toward zero and held to the int range.
    EXPECT_EQ(ValInt(utf8("-9.9")), -9);
    EXPECT_EQ(ValInt(utf8("99999999999999")), 2147483647);
    EXPECT_EQ(ValInt(utf8("-99999999999999")), -2147483647 - 1);
    EXPECT_EQ(ValInt(utf8("1e400")), 0); // not a finite number
    EXPECT_TRUE(textEquals(utf8("Äpfel"), utf8("äPFEL")));
    EXPECT_FALSE(textEquals(utf8("true"), utf8("true ")));
    EXPECT_LT(textCompare(utf8("abc"), utf8("ABD")), 0);
}

TEST(MacRoman, EveryByteRoundTripsAndOtherCharactersBecomeQuestionMarks)
{
    const QString text = utf8("Ä Ö Ü ä ö ü ß „ “ – é");
    EXPECT_EQ(toMacRoman(text), QByteArray("\x80 \x85 \x86 \x8A \x9A \x9F \xA7 \xE3 \xD2 \xD0 \x8E"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = fromMacRoman(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(toMacRoman(decoded), all);
    EXPECT_EQ(toMacRoman(utf8("a€b")), QByteArray("a\xDB" "b"));
    EXPECT_EQ(toMacRoman(utf8("x\u0416y")), QByteArray("x?y"));
}
