#include "transfer/SentenceForming.h"

#include <gtest/gtest.h>

namespace {
struct FormingCase
{
    const char *sentence;
    bool male;
    const char *name;
    const char *expected;
};

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

class FormingTable : public ::testing::TestWithParam<FormingCase>
{
};
} // namespace

TEST_P(FormingTable, FormsTheTextForOnePupil)
{
    const FormingCase &c = GetParam();
    EXPECT_EQ(formSentence(u8(c.sentence), c.male, u8(c.name)), u8(c.expected))
        << c.sentence << " / " << (c.male ? "m" : "w") << " / " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, FormingTable,
    ::testing::Values(FormingCase{"#Er/Sie# arbeitet sorgfältig.", true, "Jonas", "Er arbeitet sorgfältig."},
                      FormingCase{"#Er/Sie# arbeitet sorgfältig.", false, "Lena", "Sie arbeitet sorgfältig."},
                      FormingCase{"_ zeigt Interesse.", true, "Jonas", "Jonas zeigt Interesse."},
                      FormingCase{"_s Beiträge sind gut.", true, "Jonas", "Jonas' Beiträge sind gut."},
                      FormingCase{"_s Beiträge sind gut.", false, "Lena", "Lenas Beiträge sind gut."},
                      FormingCase{"_ arbeitet mit.", true, "_", "_ arbeitet mit."},
                      FormingCase{"_ arbeitet mit.", true, "", "_ arbeitet mit."},
                      FormingCase{"Er ist #sehr# fleißig.", true, "Jonas", "Er ist sehr fleißig."},
                      FormingCase{"Sie ist #sehr# fleißig.", false, "Lena", "Sie ist  fleißig."},
                      FormingCase{"Ein ##Satz.", true, "Jonas", "Ein Satz."},
                      FormingCase{"#a/b/c#", false, "Jonas", "b"},
                      FormingCase{"#/sie#", true, "Jonas", ""},
                      FormingCase{"Text #offen", true, "Jonas", "Text "},
                      FormingCase{"Ende#", true, "Jonas", "Ende"},
                      FormingCase{"#Er/Sie# und #er/sie#", false, "Lena", "Sie und sie"},
                      FormingCase{"#_s Vater/_s Mutter#", false, "Klaus", "Klaus' Mutter"},
                      FormingCase{"a/b", true, "Jonas", "a/b"},
                      FormingCase{"", true, "Jonas", ""},
        // An odd number of marks loses everything from the last one on.
        FormingCase{"#Er/Sie# lacht. #Er/Sie weint", true, "Jonas", "Er lacht. "},
        FormingCase{"_s Heft", true, "Paul", "Pauls Heft"},
        // Every "_s" follows the rule, also one inside a word.
        FormingCase{"_sss und _s", true, "Jonas", "Jonas'ss und Jonas'"},
        // An inserted name is not formed again.
        FormingCase{"_ und _s Heft", true, "A_#b/c#", "A_#b/c# und A_#b/c#s Heft"},
        FormingCase{"_ sagt: #er/sie#", true, "#x/y#", "#x/y# sagt: er"},
        // Comparisons ignore case, as everywhere in the program.
        FormingCase{"_S Heft", true, "JONAS", "JONAS' Heft"},
        // German genitive: an apostrophe after s, ß, x and z alike.
        FormingCase{"_s Heft", true, "Max", "Max' Heft"},
        FormingCase{"_s Heft", true, "Moritz", "Moritz' Heft"},
        FormingCase{"_s Heft", false, "Grieß", "Grieß' Heft"},
        FormingCase{"_s Heft", true, "FELIX", "FELIX' Heft"},
        // Only the last letter counts.
        FormingCase{"_s Heft", false, "Sascha", "Saschas Heft"},
        // A group holding the placeholder in both forms.
        FormingCase{"#_ ist sein/_ ist ihr# Freund", true, "Tom", "Tom ist sein Freund"},
        // Line ends and other characters pass untouched.
        FormingCase{"Zeile 1\nZeile 2 „#er/sie#“ – ok", false, "Ida", "Zeile 1\nZeile 2 „sie“ – ok"},
        FormingCase{"##", false, "Ida", ""},
        FormingCase{"#", false, "Ida", ""}));

TEST(FormingPart, PicksTheFormOfTheGender)
{
    EXPECT_EQ(sentencePart(QStringLiteral("#Er/Sie#"), true), QStringLiteral("Er"));
    EXPECT_EQ(sentencePart(QStringLiteral("#Er/Sie#"), false), QStringLiteral("Sie"));
    // The marks are optional; only one is removed at each end.
    EXPECT_EQ(sentencePart(QStringLiteral("Er/Sie"), false), QStringLiteral("Sie"));
    EXPECT_EQ(sentencePart(QStringLiteral("##a/b##"), true), QStringLiteral("#a"));
    EXPECT_EQ(sentencePart(QStringLiteral("#sehr#"), false), QString());
    EXPECT_EQ(sentencePart(QStringLiteral("#"), true), QString());
    EXPECT_EQ(sentencePart(QString(), true), QString());
}
