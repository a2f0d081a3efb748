#include "VirtOpp/ComputerExchange.h"
#include "model/Racks.h"

#include "DictionaryFixture.h"

#include <gmock/gmock.h>

namespace quorim::test {
namespace {

// A computer on the Russian alphabet with the rack А Б В Е * Ж З and a full bag.
class ComputerExchangeTest : public DictionaryFixture {
 protected:
  ComputerExchangeTest() {
    game_.SetPlayerCount(2);
    game_.Players[2].Kind = kComputer;
    game_.PlayField.Allocate(15, 15);
    InitPlayFieldCells(game_.PlayField, kCellPlain);
    game_.BagCount = 100;
    game_.SetGameOver(false);
    game_.Settings.PlaySounds = true;
    Deal("АБВЕ*ЖЗ");
  }

  void Deal(const char* utf8) {
    const std::string letters = G(utf8);
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const char letter = letters[slot - 1] == '*' ? game_.Alphabet.StarCode() : letters[slot - 1];
      TTile tile;
      tile.SetLetter(letter, game_.Alphabet.StarCode());
      tile.Owner = 2;
      game_.TileTable.push_back(tile);
      game_.Racks[2][slot] = {letter, 0, 0, false,
                              static_cast<std::int16_t>(game_.TileTable.size() - 1)};
    }
  }

  // The rack after the exchange, "*" for the star and "_" for a returned letter.
  QString Exchange(int run) {
    game_.Players[2].ExchangeRun = static_cast<std::uint8_t>(run);
    ComputerExchange(game_, 2);
    std::string left;
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const TRackSlot& s = game_.Racks[2][slot];
      left += s.TileIndex < 0 ? '_' : s.Letter == game_.Alphabet.StarCode() ? '*' : s.Letter;
    }
    return FromGameText(left, 1251);
  }
};

TEST_F(ComputerExchangeTest, ACarefulOpponentKeepsTheListedLettersForTwoExchanges) {
  WriteLanguageFile("nochange.txt", {"АЕИО"});
  for (int run : {0, 1}) {
    SCOPED_TRACE(run);
    Deal("АБВЕ*ЖЗ");
    EXPECT_EQ(Exchange(run), QStringLiteral("А__Е*__"));
    EXPECT_EQ(game_.Players[2].ExchangeRun, run + 1);
  }
  Deal("АБВЕ*ЖЗ");
  EXPECT_EQ(Exchange(2), QStringLiteral("_______"));  // the third gives up everything
  EXPECT_EQ(game_.BagCount, 100 + 4 + 4 + 7);
}

TEST_F(ComputerExchangeTest, ALowIntellectReturnsEverything) {
  WriteLanguageFile("nochange.txt", {"АЕИО"});
  game_.Intellect = 1;
  EXPECT_EQ(Exchange(0), QStringLiteral("_______"));
}

TEST_F(ComputerExchangeTest, WithoutTheListOnlyTheStarStays) {
  EXPECT_EQ(Exchange(0), QStringLiteral("____*__"));
}

TEST_F(ComputerExchangeTest, ARackOfKeptLettersReturnsNothingButCountsAnExchange) {
  WriteLanguageFile("nochange.txt", {"АБВЕЖЗ"});
  EXPECT_EQ(Exchange(0), QStringLiteral("АБВЕ*ЖЗ"));
  EXPECT_EQ(game_.Players[2].ExchangeRun, 1);
}

TEST_F(ComputerExchangeTest, TheSixthExchangeInARowAsksFirst) {
  view_.AnswerQuestions({false});
  EXPECT_EQ(Exchange(5), QStringLiteral("АБВЕ*ЖЗ"));
  EXPECT_TRUE(game_.GameOver());
  EXPECT_EQ(view_.FirstArgs(ViewCallName::AskInGameQuestion).size(), 1);

  game_.SetGameOver(false);
  view_.AnswerQuestions({true});
  EXPECT_EQ(Exchange(5), QStringLiteral("_______"));
  EXPECT_FALSE(game_.GameOver());
}

TEST_F(ComputerExchangeTest, ADemonstrationEndsAtTheSixthExchangeWithoutAsking) {
  game_.DemoRunning = true;
  Exchange(5);
  EXPECT_TRUE(game_.GameOver());
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::AskInGameQuestion).isEmpty());
}

TEST_F(ComputerExchangeTest, TheExchangeSoundsAndExplodesOverTheReturnedTiles) {
  Exchange(0);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::PlaySoundEffect),
            QStringList({QStringLiteral("nowords"), QStringLiteral("change2")}));
  ASSERT_EQ(view_.CallsNamed(ViewCallName::ShowExplosion).size(), 1u);
}

}  // namespace
}  // namespace quorim::test
