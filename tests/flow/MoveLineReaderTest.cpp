#include "flow/MoveLineReader.h"

#include "Routines/WordPlaces.h"
#include "VirtOpp/ComputerMove.h"
#include "flow/HeadlessView.h"
#include "model/Bag.h"

#include "BoardFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace quorim {
namespace {

// Two computers at a plain 15 x 15 board with the start in the middle; letters A..Z worth their
// place in the alphabet, the star '[' after them, the bag dealt from a fixed seed, and every word
// of a vowel and a consonant, and of consonant-vowel-consonant, known.
struct Table {
  HeadlessView view;
  Game game{view, DataDir(QStringLiteral("."))};
  std::set<int> named;  // bag tiles a test has put into a line

  Table() {
    game.Seed(20261209);
    test::UseLettersAToZ(game.Alphabet);
    for (int i = 0; i <= 26; ++i) {
      const bool vowel = std::string_view("AEIOU").find(char('A' + i)) != std::string_view::npos;
      game.Alphabet.LetterQuantity[i] = i == 26 ? 3 : vowel ? 20 : 4;
    }
    game.SetPlayerCount(2);
    game.Players[1] = {.Name = "Ann", .Kind = kComputer};
    game.Players[2] = {.Name = "Bob", .Kind = kComputer};
    game.Settings.UseCustomDictionary = false;
    game.Settings.ExchangeStars = true;
    game.Intellect = 3;
    game.PlayField.Allocate(15, 15);
    InitPlayFieldCells(game.PlayField, kCellPlain);
    game.PlayField(8, 8).Kind = kCellStart;
    game.MoveLog.Start();
    game.MoveLog.Append(LayoutString(game.PlayField));
    FillBag(game);
    game.SetGameOver(false);
    const std::string vowels = "AEIOU";
    for (char a = 'A'; a <= 'Z'; ++a) {
      for (char b = 'A'; b <= 'Z'; ++b) {
        const bool vowelFirst = vowels.find(a) != std::string::npos;
        if (vowelFirst == (vowels.find(b) != std::string::npos)) continue;
        game.WordLists.Append(a - 'A' + 1, std::string{a, b});
        if (vowelFirst) continue;
        for (char c = 'A'; c <= 'Z'; ++c) {
          if (vowels.find(c) == std::string::npos) game.WordLists.Append(a - 'A' + 1, {a, b, c});
        }
      }
    }
  }

  void Begin(int player) {
    std::string header = "(";
    header.append(std::to_string(player)).append(")").append(game.Players[player].Name);
    game.MoveLog.Append(header + '=');
    game.CurrentPlayer = player;
  }

  // "SLOT:" with tiles of these letters from the bag ("_" for an empty slot).
  std::string Slots(const std::string& letters) {
    std::string entries = "SLOT:";
    for (char letter : letters) {
      const int tile = letter == '_' ? -1 : FromBag(letter);
      entries.append(1, letter == '_' ? ' ' : letter).append("/");
      entries.append(std::to_string(tile)).append(",");
    }
    return entries;
  }
  // One rack entry: a tile of the letter from the bag, or the tile a rack slot holds now.
  std::string New(char letter) {
    return std::string(1, letter).append("/").append(std::to_string(FromBag(letter))).append(",");
  }
  std::string Kept(int player, int slot) const {
    const TRackSlot& s = game.Racks[player][slot];
    return std::string(1, s.Letter).append("/").append(std::to_string(s.TileIndex)).append(",");
  }
  int FromBag(char letter) {
    for (int k = 0; k < static_cast<int>(game.TileTable.size()); ++k) {
      const TTile& tile = game.TileTable[k];
      if (tile.Owner == kOwnerBag && tile.Letter() == letter && named.insert(k).second) return k;
    }
    return -1;
  }
  std::string RackLetters(int player) const {
    std::string letters;
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const TRackSlot& s = game.Racks[player][slot];
      letters += s.TileIndex < 0 ? '_' : s.Letter;
    }
    return letters;
  }
  std::string Row(int y) const {
    std::string row;
    for (int x = 1; x <= 15; ++x) {
      const char letter = CellLetter(game.PlayField(x, y));
      row += letter == ' ' ? '.' : letter;
    }
    return row;
  }

  // Everything a replay must rebuild; bag tiles only by their letters, since the places a tile
  // goes back to are drawn at random.
  std::string State() const {
    std::string state = std::to_string(game.BagCount) + " bag,";
    for (int player = 1; player <= 2; ++player) {
      state += std::to_string(game.Players[player].Score) + ' ';
      for (const TPlayedWord& w : game.PlayedWords[player]) state += w.Word + ' ';
      for (int slot = 1; slot <= kRackSlots; ++slot)
        state.append(1, game.Racks[player][slot].Letter)
            .append(std::to_string(game.Racks[player][slot].TileIndex));
    }
    for (int y = 1; y <= 15; ++y) {
      for (int x = 1; x <= 15; ++x) {
        const TFieldCell& cell = game.PlayField(x, y);
        state.append({cell.Letter, cell.PendingLetter, static_cast<char>('0' + cell.Kind)});
        state.append(std::to_string(cell.TileIndex));
      }
    }
    for (const TTile& tile : game.TileTable) {
      state.append(tile.Hint).append(std::to_string(tile.Owner));
      state.append(
          {tile.Star ? 's' : '-', tile.FaceUp ? 'u' : '-', tile.StarTakenBack ? 't' : '-'});
      const bool bagged = tile.Spot.area == TileSpot::Area::Bag;
      if (bagged && game.PlayField(tile.Spot.a, tile.Spot.b).BagLetter != tile.Letter())
        state += '!';
      if (!bagged) state.append(std::to_string(tile.Spot.a)).append(std::to_string(tile.Spot.b));
    }
    return state;
  }
};

TEST(MoveLineReplay, ARecordedGameReplaysToTheSameBoardRacksBagAndScores) {
  Table played, replayed;
  played.game.Limits = replayed.game.Limits = "Time-10";
  for (int turn = 0; turn < 16; ++turn) {
    const int player = turn % 2 + 1;
    played.Begin(player);
    played.game.ClockMinutes = static_cast<std::uint16_t>(20 - turn);
    if (turn == 7) {
      for (int slot : {1, 3}) played.game.Racks[player][slot].ExchangeMark = true;
      ExchangeLetters(played.game, player);
    } else if (turn >= 2) {
      ComputerTurn(played.game, player);
    }
    RefillRack(played.game, player);
  }
  const std::vector<std::string>& record = played.game.MoveLog.Lines();
  int moves = 0;
  for (const std::string& line : record) moves += line.find("WORDS:") != std::string::npos;
  ASSERT_GE(moves, 6) << ::testing::PrintToString(record);

  replayed.game.LoadingGame = true;
  for (std::size_t i = 2; i < record.size(); ++i)
    EXPECT_TRUE(ReplayMoveLine(replayed.game, record[i], true).Read) << record[i];
  EXPECT_EQ(replayed.game.MoveLog.Lines(), record);
  EXPECT_EQ(replayed.State(), played.State());
  EXPECT_EQ(replayed.game.ClockMinutes, played.game.ClockMinutes);
  EXPECT_TRUE(replayed.view.CallsNamed(ViewCallName::FlyTile).empty());
}

TEST(MoveLineReplay, APersonsMoveIsLaidOnTheUsedTilesAndTheRackIsTakenFromTheBag) {
  Table t;
  t.game.LoadingGame = true;
  ASSERT_TRUE(ReplayMoveLine(t.game, "(1)Ann=" + t.Slots("CXATQRS"), true).Read);
  EXPECT_EQ(t.RackLetters(1), "CXATQRS");
  const std::string move = "(1)Ann=ETIME:9/41,WORDS:CAT(24)81008H,(USED:134),SLOT:" + t.New('D') +
                           t.Kept(1, 2) + t.New('E') + t.New('F') + t.Kept(1, 5) + t.Kept(1, 6) +
                           t.Kept(1, 7);
  const TMoveLineReplay read = ReplayMoveLine(t.game, move, true);
  EXPECT_TRUE(read.Read && read.HadWords && read.HadSlot && !read.HadPlayground);
  EXPECT_EQ(t.Row(8), ".......CAT.....");
  EXPECT_EQ(t.RackLetters(1), "DXEFQRS");
  EXPECT_EQ(t.game.Players[1].Score, 24);
  EXPECT_EQ(t.game.BagCount, 225 - 10);
  EXPECT_EQ((std::array<int, 2>{t.game.ClockMinutes, t.game.ClockSeconds}), (std::array{9, 41}));
  EXPECT_EQ(t.game.MoveLog.Lines().back(), move);

  ReplayMoveLine(t.game, "(2)Bob=" + t.Slots("BOGNTUV"), false);
  const std::string hinted = "(2)Bob=ETIME:8/2,WORDS:BAG(6)70909VX,(USED:13),";
  ReplayMoveLine(t.game, hinted, false);
  EXPECT_EQ(t.game.HintsLeft, 4);
  EXPECT_EQ(t.game.ClockMinutes, 9);  // the clocks were not to be restored
  EXPECT_EQ(t.RackLetters(2), "_O_NTUV");
  EXPECT_EQ(t.Row(9), "........G......");
  EXPECT_EQ(t.game.MoveLog.Lines().back(), hinted);  // the drawing is still to come

  // an exchange: the rack goes back face down and the new one comes out of the bag
  const std::vector<int> given = {t.game.Racks[1][1].TileIndex, t.game.Racks[1][3].TileIndex};
  ReplayMoveLine(t.game,
                 "(1)Ann=SLOT:" + t.New('H') + t.Kept(1, 2) + t.New('I') + t.Kept(1, 4) +
                     t.Kept(1, 5) + t.Kept(1, 6) + t.Kept(1, 7),
                 true);
  EXPECT_EQ(t.RackLetters(1), "HXIFQRS");
  for (int tile : given) {
    const TTile& back = t.game.TileTable[tile];
    EXPECT_TRUE(back.Owner == kOwnerBag && !back.FaceUp);
    EXPECT_EQ(t.game.PlayField(back.Spot.a, back.Spot.b).BagLetter, back.Letter());
  }
  EXPECT_EQ(t.game.BagCount, 225 - 10 - 7);
}

TEST(MoveLineReplay, AMoveSavedHalfwayLiesAgainAsItWasLeft) {
  Table t;
  t.game.LoadingGame = true;
  ReplayMoveLine(t.game, "(1)Ann=" + t.Slots("C[TAKLM"), true);
  const int star = t.game.Racks[1][2].TileIndex;
  const int letterA = t.game.Racks[1][4].TileIndex;
  ReplayMoveLine(t.game, "(1)Ann=WORDS:CAT(4)81008H,(USED:123),", true);
  ASSERT_EQ(t.game.PlayField(9, 8).TileIndex, star);
  const std::string trade =
      "TAKESTAR:" + std::to_string(letterA) + '/' + std::to_string(star) + ',';
  const std::string saved = "(1)Ann=" + trade + "MTIME:1/12,PLAYGROUND:3004/" +
                            std::to_string(letterA) + ",9008/" +
                            std::to_string(t.game.Racks[1][5].TileIndex) + ",HELPED:KA(12)309V,";
  const TMoveLineReplay read = ReplayMoveLine(t.game, saved, true);
  EXPECT_TRUE(read.HadPlayground && !read.HadWords && !read.HadSlot);
  EXPECT_TRUE(t.game.TileTable[letterA].Star);
  EXPECT_FALSE(t.game.TileTable[star].Star);
  EXPECT_TRUE(t.game.TileTable[star].StarTakenBack);
  EXPECT_EQ(t.game.PlayField(3, 4).PendingLetter, '[');
  EXPECT_EQ(t.game.PlayField(3, 4).TileIndex, letterA);
  EXPECT_EQ(t.game.PlayField(9, 8).Letter, 'A');  // the occupied cell took no pending letter
  EXPECT_EQ(t.RackLetters(1), "____KLM");
  EXPECT_EQ((std::array<int, 2>{t.game.ClockMinutes, t.game.ClockSeconds}), (std::array{1, 12}));
  ASSERT_EQ(t.game.HintList.size(), 1u);
  EXPECT_EQ(t.game.HintList[0].End, 4);
  EXPECT_TRUE(t.game.HintUsedThisMove);
  EXPECT_EQ(t.game.MoveLog.Lines().back(), "(1)Ann=" + trade);
}

TEST(MoveLineReplay, ForeignParticipantsAndTilesThatAreNotWhereTheLineSaysChangeNothing) {
  Table t;
  t.game.LoadingGame = true;
  ReplayMoveLine(t.game, "(1)Ann=" + t.Slots("CATQRS_"), true);
  ReplayMoveLine(t.game, "(1)Ann=WORDS:CAT(24)81008H,(USED:123),", true);
  const std::size_t lines = t.game.MoveLog.Lines().size();
  const std::string before = t.State();
  for (const char* foreign : {"(9)Eve=SLOT:A/1,", "Ann=WORDS:AT(2)10101H,", "(3)Cy="})
    EXPECT_FALSE(ReplayMoveLine(t.game, foreign, true).Read) << foreign;
  EXPECT_EQ(t.game.MoveLog.Lines().size(), lines);

  const std::string rackTile = std::to_string(t.game.Racks[1][4].TileIndex);
  const std::string boardTile = std::to_string(t.game.PlayField(8, 8).TileIndex);
  const std::string misplaced = "(1)Ann=TAKESTAR:" + rackTile + '/' + boardTile + ",99999/1,-4/" +
                                boardTile + ",WORDS:ZZ(5)405099H,(USED:9),PLAYGROUND:8008/" +
                                rackTile + ",16001/" + rackTile + ",5005/" + boardTile +
                                ",5005/77777,";
  ReplayMoveLine(t.game, misplaced, true);
  EXPECT_EQ(t.State(), before);
  EXPECT_EQ(t.game.MoveLog.Lines().back(), misplaced);  // a line with words is kept as it was
  // a word the marked tiles cannot spell leaves no letter without a tile
  ReplayMoveLine(t.game, "(1)Ann=WORDS:XA(5)70809V,(USED:4),", true);
  EXPECT_EQ(t.State(), before);

  // the rack's entries: out of range, on the board, named twice; only the bag tile is taken
  const std::string d = t.Slots("D").substr(5);
  const std::string garbage = "(1)Ann=SLOT:A/99999,B/-5,C/" + boardTile + ',' + d + d + "E/x,";
  ReplayMoveLine(t.game, garbage, true);
  EXPECT_EQ(t.RackLetters(1), "___D___");
  EXPECT_EQ(t.game.BagCount, 225 - 6 + 3 - 1);
  EXPECT_EQ(t.game.MoveLog.Lines().back(), "(1)Ann=");
  EXPECT_EQ(ReplayMoveLine(t.game, "(2)Bob=", true).Participant, 2);
  EXPECT_EQ(t.game.CurrentPlayer, 2);
  EXPECT_EQ(t.game.MoveLog.Lines().back(), "(2)Bob=");
}

}  // namespace
}  // namespace quorim
