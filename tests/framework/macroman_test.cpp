#include "framework/MacRoman.h"

#include <gtest/gtest.h>

TEST(MacRoman, GermanLettersAndQuotesRoundTrip)
{
    const QString text = QStringLiteral("Ä Ö Ü ä ö ü ß „ “ – é");
    const QByteArray bytes = toMacRoman(text);
    EXPECT_EQ(bytes, QByteArray("\x80 \x85 \x86 \x8A \x9A \x9F \xA7 \xE3 \xD2 \xD0 \x8E"));
    EXPECT_EQ(fromMacRoman(bytes), text);
}

TEST(MacRoman, EveryByteDecodesAndEncodesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = fromMacRoman(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(toMacRoman(decoded), all);
}

TEST(MacRoman, CharactersOutsideBecomeQuestionMarks)
{
    EXPECT_EQ(toMacRoman(QStringLiteral("a€b")), QByteArray("a\xDB" "b"));
    EXPECT_EQ(toMacRoman(QStringLiteral("x\u0416y")), QByteArray("x?y"));
}
