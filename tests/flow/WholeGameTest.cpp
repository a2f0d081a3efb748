// Whole demonstration games of computers on the shipped Russian dictionary, from the deal to the
// end. After every turn the tiles, scores and move record must agree with each other; two seeds
// keep their move records as golden files.

#include "flow/DemoGame.h"
#include "model/Racks.h"

#include "ShippedGame.h"
#include "WatchingView.h"

#include <functional>
#include <map>
#include <string_view>

namespace quorim {
namespace {

constexpr const char* kGoldenFolder = QUORIM_TEST_SOURCE "/flow/golden/";

struct RecordedWord {
  std::string word;
  int points;
  int start, end, line;
  bool across;
};

// The words of a move line: "WORDS:" then word "(" points ")" position direction ["X"] ",".
std::vector<RecordedWord> WordsOf(std::string_view line) {
  std::vector<RecordedWord> words;
  const std::size_t begin = line.find("WORDS:");
  if (begin == std::string_view::npos) return words;
  std::string_view rest = line.substr(begin + 6);
  while (!rest.empty() && !rest.starts_with("(USED") && !rest.starts_with("FULLSET") &&
         !rest.starts_with("SLOT")) {
    const std::size_t open = rest.find('(');
    const std::size_t close = rest.find(')');
    const std::size_t comma = rest.find(',');
    if (open == std::string_view::npos || close == std::string_view::npos || comma < close) {
      ADD_FAILURE() << "malformed words in " << line;
      break;
    }
    const int position = std::stoi(std::string(rest.substr(close + 1)));
    const std::string_view direction = rest.substr(close + 1, comma - close - 1);
    words.push_back({std::string(rest.substr(0, open)),
                     std::stoi(std::string(rest.substr(open + 1))), position / 10000,
                     position / 100 % 100, position % 100,
                     direction.find('H') != std::string_view::npos});
    rest.remove_prefix(comma + 1);
  }
  return words;
}

class WholeGame : public test::ShippedGame<test::WatchingView> {
 protected:
  void Prepare(int players, int intellect, std::uint32_t seed) {
    game_.SetPlayerCount(players);
    for (int player = 1; player <= players; ++player) {
      game_.Players[player].Name = "PC" + std::to_string(player);
      game_.Players[player].Kind = player == 1 ? kHuman : kComputer;
    }
    game_.Settings.LastIntellect = static_cast<std::uint8_t>(intellect);
    game_.Settings.PlaySounds = false;
    game_.Seed(seed);
  }

  // Every tile lies in exactly one place: a bag place, a rack slot or a board cell.
  void ExpectEveryTileOnce() {
    std::map<int, int> seen;
    const TPlayField& field = game_.PlayField;
    int bagLetters = 0;
    for (int y = 1; y <= field.DimY(); ++y) {
      for (int x = 1; x <= field.DimX(); ++x) {
        bagLetters += field(x, y).BagLetter != ' ';
        const int onBoard = field(x, y).TileIndex;
        if (onBoard >= 0) {
          ++seen[onBoard];
          EXPECT_EQ(game_.TileTable[onBoard].Spot, TileSpot::Board(x, y));
        }
      }
    }
    EXPECT_EQ(bagLetters, game_.BagCount);
    for (std::size_t k = 0; k < game_.TileTable.size(); ++k) {
      const TTile& tile = game_.TileTable[k];
      if (tile.Owner != kOwnerBag) continue;
      ++seen[static_cast<int>(k)];
      ASSERT_EQ(tile.Spot.area, TileSpot::Area::Bag);
      EXPECT_NE(field(tile.Spot.a, tile.Spot.b).BagLetter, ' ') << "tile " << k;
    }
    for (int player = 1; player <= game_.PlayerCount(); ++player) {
      for (int slot = 1; slot <= kRackSlots; ++slot) {
        const int tile = game_.Racks[player][slot].TileIndex;
        EXPECT_EQ(tile < 0, game_.Racks[player][slot].Letter == ' ');
        if (tile < 0) continue;
        ++seen[tile];
        EXPECT_EQ(game_.TileTable[tile].Spot, TileSpot::Rack(player, slot));
      }
    }
    EXPECT_EQ(seen.size(), game_.TileTable.size());
    for (const auto& [tile, times] : seen) EXPECT_EQ(times, 1) << "tile " << tile;
  }

  // Scores are the recorded words' points and full-rack bonuses; each recorded word lies on the
  // board where its line says.
  void ExpectRecordMatchesBoard() {
    std::vector<int> recorded(static_cast<std::size_t>(game_.PlayerCount()) + 1, 0);
    const auto& lines = game_.MoveLog.Lines();
    for (std::size_t i = 2; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      const int player = line[1] - '0';
      ASSERT_TRUE(game_.IsPlayer(player)) << line;
      for (const RecordedWord& word : WordsOf(line)) {
        recorded[player] += word.points;
        std::string onBoard;
        for (int at = word.start; at <= word.end; ++at)
          onBoard += word.across ? game_.PlayField(at, word.line).Letter
                                 : game_.PlayField(word.line, at).Letter;
        EXPECT_EQ(onBoard, word.word) << line;
      }
      if (line.find("FULLSETBONUS,") != std::string::npos) recorded[player] += 15;
    }
    for (int player = 1; player <= game_.PlayerCount(); ++player)
      EXPECT_EQ(game_.Players[player].Score, recorded[player]) << "participant " << player;
  }

  void PlayCheckingEveryTurn() {
    int turns = 0;
    view_.onTurn = view_.onGameOver = [this, &turns] {
      ++turns;
      ExpectEveryTileOnce();
      ExpectRecordMatchesBoard();
    };
    DemoCommand(game_);
    EXPECT_EQ(view_.gamesOver, 1);
    EXPECT_GT(turns, 10);
  }
};

TEST_F(WholeGame, TwoComputersAtEveryIntellectKeepTilesScoresAndRecordInStep) {
  for (int intellect = 1; intellect <= 3; ++intellect) {
    SCOPED_TRACE(intellect);
    Prepare(2, intellect, 11 + intellect);
    PlayCheckingEveryTurn();
    view_.gamesOver = 0;
  }
}

TEST_F(WholeGame, EightComputersAtEveryIntellectKeepTilesScoresAndRecordInStep) {
  for (int intellect = 1; intellect <= 3; ++intellect) {
    SCOPED_TRACE(intellect);
    Prepare(8, intellect, 21 + intellect);
    PlayCheckingEveryTurn();
    view_.gamesOver = 0;
  }
}

TEST_F(WholeGame, TheSameSeedPlaysTheSameGame) {
  for (const auto& [players, intellect, seed] : {std::tuple{2, 2, 1u}, std::tuple{4, 3, 7u}}) {
    SCOPED_TRACE(seed);
    Prepare(players, intellect, seed);
    QString record;
    view_.onGameOver = [this, &record] { record = test::MoveLinesText(game_); };
    DemoCommand(game_);
    test::ExpectGolden(QStringLiteral("%1demo_%2players_seed%3.txt")
                           .arg(QString::fromUtf8(kGoldenFolder))
                           .arg(players)
                           .arg(seed),
                       record);
  }
}

}  // namespace
}  // namespace quorim
