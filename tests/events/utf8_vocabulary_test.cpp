#include "counting_game.h"
#include "game_harness.h"

#include <gtest/gtest.h>

namespace {

// A game loads a UTF-8 vocabulary in the program's code page, leaving out the words it cannot hold,
// and hands its words out lower-cased with their accents.
TEST(Utf8Vocabulary, AGameGetsTheWordsInTheCodePage)
{
    GameWorld world;
    world.dir.Write("French.vcb", "$description=Mots fran\xC3\xA7"
                                  "ais\r\n\xC3\x89T\xC3\x89\r\n"
                                  "\xC5\x82\xC3\xB3"
                                  "d\xC5\xBA\r\n  c\xC5\x93ur \r\n");
    CountingGame game("Event=Tris;0;French.vcb");
    game.NextAllowed = false;
    game.Open();
    ASSERT_TRUE(game.Vocabulary);
    EXPECT_EQ(*game.Vocabulary, (std::vector<std::string>{"\xC9T\xC9", "c\x9Cur"}));
    std::vector<std::string> words(2);
    game.NextWord(true, words[0]);
    game.NextWord(true, words[1]);
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<std::string>{"c\x9Cur", "\xE9t\xE9"}));
    game.SetResult(2);
}

} // namespace
