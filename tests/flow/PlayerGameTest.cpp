// A whole game a person played in the game's window against the computer at high intellect, with
// a score limit, a save and a load in its middle, kept as the last game it left behind: loading
// that file must rebuild the game exactly as it ended.

#include "flow/SavedGames.h"
#include "media/CodePages.h"

#include "ShippedGame.h"

#include <QStringList>

namespace quorim {
namespace {

constexpr const char* kGame = QUORIM_TEST_SOURCE "/flow/golden/player_rus_score100.sav";

class PlayerGame : public test::ShippedGame<> {
 protected:
  std::string Board() const {
    std::string rows;
    for (int y = 1; y <= game_.PlayField.DimY(); ++y) {
      for (int x = 1; x <= game_.PlayField.DimX(); ++x) {
        const char letter = game_.PlayField(x, y).Letter;
        rows += letter == ' ' ? '.' : letter;
      }
      rows += '\n';
    }
    return rows;
  }
};

TEST_F(PlayerGame, TheLastGameOfAPersonAgainstTheComputerReplaysToTheSameEnd) {
  QString refusal;
  const auto saved = ReadSavedGame(game_, QString::fromUtf8(kGame), refusal);
  ASSERT_TRUE(saved) << refusal.toStdString();
  EXPECT_EQ(saved->limits, "Score-100 ");
  EXPECT_EQ(saved->intellect, 3);
  LoadGame(game_, *saved);

  // the record rebuilt by the replay is the record that was played
  const std::vector<std::string>& lines = game_.MoveLog.Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), saved->moveLines);

  ASSERT_EQ(game_.PlayerCount(), 2);
  EXPECT_EQ(game_.Players[1].Score, 15);
  EXPECT_EQ(game_.Players[2].Score, 103);
  EXPECT_EQ(game_.Players[2].Kind, kComputer);
  EXPECT_EQ(game_.PlayedWords[1].size(), 3u);  // СОВА, ОСТ, ГЛАС; then an exchange
  test::ExpectGolden(QStringLiteral(QUORIM_TEST_SOURCE "/flow/golden/player_rus_score100.txt"),
                     FromGameText(Board(), game_.DictionaryCodePage()));
}

}  // namespace
}  // namespace quorim
