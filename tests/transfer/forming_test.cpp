#include "transfer/SentenceForming.h"

#include <gtest/gtest.h>

TEST(Forming, FormsTheTextForOnePupil)
{
    const struct
    {
        const char *sentence;
        bool male;
        const char *name;
        const char *expected;
    } cases[] = {
        {"#Er/Sie# arbeitet, _s Heft ist gut.", true, "Jonas", "Er arbeitet, Jonas' Heft ist gut."},
        {"#Er/Sie# arbeitet, _s Heft ist gut.", false, "Lena", "Sie arbeitet, Lenas Heft ist gut."},
        // An empty name leaves every placeholder; a group without "/" has no female form.
        {"_ ist #sehr# fleißig.", false, "", "_ ist  fleißig."},
        {"#a/b/c# und ##Satz", false, "Jonas", "b und Satz"},
        // An unclosed group runs to the end and is dropped.
        {"#Er/Sie# lacht. #Er/Sie weint", true, "Jonas", "Er lacht. "},
        // Every "_s" follows the rule, compared without case; an inserted name is not formed again.
        {"_sss und _S", true, "JONAS", "JONAS'ss und JONAS'"},
        {"_ und _s Heft", true, "A_#b/c#", "A_#b/c# und A_#b/c#s Heft"},
        // The apostrophe after s, ß, x and z alike, only the last letter counting.
        {"_s, ", true, "Max", "Max', "},
        {"_s, ", true, "Moritz", "Moritz', "},
        {"_s, ", false, "Grieß", "Grieß', "},
        {"_s, ", false, "Sascha", "Saschas, "},
        {"#_s Vater/_s Mutter#", false, "Klaus", "Klaus' Mutter"},
        {"Zeile 1\nZeile 2 „#er/sie#“ – ok", false, "Ida", "Zeile 1\nZeile 2 „sie“ – ok"},
        {"", true, "Jonas", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formSentence(QString::fromUtf8(c.sentence), c.male, QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.expected))
            << c.sentence << " / " << c.name;
    EXPECT_EQ(sentencePart(QStringLiteral("Er/Sie"), false), QStringLiteral("Sie"));
}
