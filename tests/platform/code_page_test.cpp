#include "code_page.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, EveryByteSurvivesTheRoundTrip)
{
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        bool ok = false;
        EXPECT_EQ(ToCp1252(FromCp1252(byte), &ok), byte) << b;
        EXPECT_TRUE(ok) << b;
    }
}

TEST(CodePage, KnownCharactersAndUnfitOnes)
{
    EXPECT_EQ(FromCp1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(FromCp1252("caf\xE9"), QStringLiteral(u"café"));
    EXPECT_EQ(ToCp1252(QStringLiteral(u"\u2019\u0161")), "\x92\x9A");
    bool ok = true;
    EXPECT_EQ(ToCp1252(QStringLiteral(u"a\u65E5\U0001F600b"), &ok), "a??b");
    EXPECT_FALSE(ok);
}

} // namespace
