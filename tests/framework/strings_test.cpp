#include "framework/MacRoman.h"
#include "framework/Strings.h"
#include "framework/TextCompare.h"

#include <gtest/gtest.h>

namespace {
QString t(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

TEST(Strings, FieldsNumbersAndPatterns)
{
    const std::pair<QString, const char *> cases[] = {
        {NthField(t("a=b=c"), t("="), 1), "a"},
        {NthField(t("a=b=c"), t("="), 3), "c"},
        {NthField(t("a=b=c"), t("="), 4), ""},
        {NthField(t("a=b=c"), t("="), 0), ""},
        {NthField(t("ohne"), t("="), 1), "ohne"},
        {NthField(t("Deutsch : Lesen 2"), t(" : "), 2), "Lesen 2"},
        {NthField(t("x,,y"), t(","), 2), ""},
        {QString::number(CountFields(QString(), t("\n"))), "0"},
        {QString::number(CountFields(t("a\nb\n"), t("\n"))), "3"},
        {Format(1234, t("###")), "1234"},
        {Format(5, t("##")), "5"},
        {Format(1, t("00")), "01"},
        {Format(-4, t("00")), "-04"},
        {Str(-12), "-12"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].first, t(cases[i].second)) << "case " << i;
    const std::pair<const char *, double> values[] = {{"12abc", 12}, {"  7", 7}, {"-3", -3}, {"1.5x", 1.5},
                                                      {"2e2", 200},  {"abc", 0}, {"", 0},   {"-", 0},     {"1e", 1}};
    for (const auto &[text, value] : values)
        EXPECT_EQ(Val(t(text)), value) << text;
    // Whole numbers are cut toward zero and held to the int range.
    EXPECT_EQ(ValInt(t("-9.9")), -9);
    EXPECT_EQ(ValInt(t("99999999999999")), 2147483647);
    EXPECT_EQ(ValInt(t("-99999999999999")), -2147483647 - 1);
    EXPECT_EQ(ValInt(t("1e400")), 0); // not a finite number
    EXPECT_TRUE(textEquals(t("Äpfel"), t("äPFEL")));
    EXPECT_FALSE(textEquals(t("true"), t("true ")));
    EXPECT_LT(textCompare(t("abc"), t("ABD")), 0);
}

TEST(MacRoman, EveryByteRoundTripsAndOtherCharactersBecomeQuestionMarks)
{
    const QString text = t("Ä Ö Ü ä ö ü ß „ “ – é");
    EXPECT_EQ(toMacRoman(text), QByteArray("\x80 \x85 \x86 \x8A \x9A \x9F \xA7 \xE3 \xD2 \xD0 \x8E"));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = fromMacRoman(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(toMacRoman(decoded), all);
    EXPECT_EQ(toMacRoman(t("a€b")), QByteArray("a\xDB" "b"));
    EXPECT_EQ(toMacRoman(t("x\u0416y")), QByteArray("x?y"));
}
