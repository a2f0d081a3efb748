// Saved games that were tampered with: a file the game cannot rebuild is refused without touching
// the running game; damage the replay can pass over still loads, with the scores of the moves.

#include "flow/DemoGame.h"
#include "flow/SavedGames.h"
#include "media/TextFiles.h"
#include "model/Racks.h"
#include "persistence/SaveArchive.h"

#include "ShippedGame.h"
#include "WatchingView.h"

#include <functional>
#include <map>

namespace quorim {
namespace {

using Edit = std::function<void(QStringList&)>;

class SavedGameRefusal : public test::ShippedGame<test::WatchingView> {
 protected:
  // Eight turns of a seeded demonstration of three, saved where they stop.
  SavedGameRefusal() : path_(links_.Root() + QStringLiteral("/original.sav")) {
    game_.Settings.PlaySounds = false;
    game_.SetPlayerCount(3);
    for (int player = 1; player <= 3; ++player)
      game_.Players[player] = {.Name = "PC" + std::to_string(player),
                               .Avatar = "pc0",
                               .Kind = player == 1 ? kHuman : kComputer};
    int moves = 0;
    view_.onTurn = [this, &moves] {
      if (!MayDrawMore(game_, game_.CurrentPlayer) && ++moves > 8) game_.SetGameOver(true);
    };
    view_.onGameOver = [this] {
      savedScores_ = Scores();
      ASSERT_TRUE(WriteSavedGame(game_, path_));
    };
    game_.Seed(3);
    DemoCommand(game_);
    view_.onTurn = nullptr;
    view_.onGameOver = nullptr;
    lines_ = UnpackSavedGame(path_).value_or(QStringList());
  }

  std::vector<int> Scores() const {
    std::vector<int> scores;
    for (int player = 1; player <= game_.PlayerCount(); ++player)
      scores.push_back(game_.Players[player].Score);
    return scores;
  }

  // The saved text edited, packed again and read as loading reads it.
  std::optional<TSavedGame> ReadEdited(const Edit& edit, QString& refusal) {
    QStringList lines = lines_;
    edit(lines);
    const QString path = links_.Root() + QStringLiteral("/edited.sav");
    EXPECT_TRUE(PackSavedText(path, Utf8TextBytes(lines)));
    refusal.clear();
    return ReadSavedGame(game_, path, refusal);
  }

  static qsizetype KeyLine(const QStringList& lines, const QString& key) {
    for (qsizetype i = 0; i < lines.size(); ++i)
      if (lines[i].startsWith(key + u'=')) return i;
    return -1;
  }
  static Edit Without(const QString& key) {
    return [key](QStringList& lines) { lines.removeAt(KeyLine(lines, key)); };
  }
  static Edit ChangeValue(const QString& key, std::function<void(QString&)> change) {
    return [key, change](QStringList& lines) {
      QString& line = lines[KeyLine(lines, key)];
      QString value = line.mid(key.size() + 1);
      change(value);
      line = key + u'=' + value;
    };
  }
  static Edit Set(const QString& key, const QString& value) {
    return ChangeValue(key, [value](QString& old) { old = value; });
  }
  qsizetype FirstMoveLine() const { return lines_.indexOf(QStringLiteral("[Moves]")) + 1; }

  // Every tile lies in exactly one place: a bag place, a rack slot or a board cell.
  void ExpectEveryTileOnce() const {
    std::map<int, int> seen;
    const TPlayField& field = game_.PlayField;
    int bag = 0;
    for (int y = 1; y <= field.DimY(); ++y) {
      for (int x = 1; x <= field.DimX(); ++x) {
        bag += field(x, y).BagLetter != ' ';
        if (field(x, y).TileIndex >= 0) ++seen[field(x, y).TileIndex];
      }
    }
    EXPECT_EQ(bag, game_.BagCount);
    for (std::size_t k = 0; k < game_.TileTable.size(); ++k)
      seen[static_cast<int>(k)] += game_.TileTable[k].Owner == kOwnerBag;
    for (int player = 1; player <= game_.PlayerCount(); ++player) {
      for (int slot = 1; slot <= kRackSlots; ++slot) {
        if (const int tile = game_.Racks[player][slot].TileIndex; tile >= 0) ++seen[tile];
      }
    }
    EXPECT_EQ(seen.size(), game_.TileTable.size());
    for (const auto& [tile, times] : seen) EXPECT_EQ(times, 1) << "tile " << tile;
  }

  QString path_;
  QStringList lines_;
  std::vector<int> savedScores_;
};

TEST_F(SavedGameRefusal, WhatCannotBeRebuiltIsRefusedAndTheRunningGameStays) {
  // a loaded game is running, with a record and scores
  QString refusal;
  const auto original = ReadEdited([](QStringList&) {}, refusal);
  ASSERT_TRUE(original) << refusal.toStdString();
  LoadGame(game_, *original);
  const auto record = game_.MoveLog.Lines();
  ASSERT_GT(record.size(), 10u);
  const std::vector<int> scores = Scores();
  const qsizetype first = FirstMoveLine();
  const std::vector<std::pair<const char*, Edit>> cases = {
      {"no PlayFieldDimX", Without(QStringLiteral("PlayFieldDimX"))},
      {"no Letters", Without(QStringLiteral("Letters"))},
      {"no Player2", Without(QStringLiteral("Player2"))},
      {"no move lines",
       [](QStringList& lines) {
         lines = lines.mid(0, lines.indexOf(QStringLiteral("[Moves]")) + 1);
       }},
      {"width 0", Set(QStringLiteral("PlayFieldDimX"), QStringLiteral("0"))},
      {"width 31", Set(QStringLiteral("PlayFieldDimX"), QStringLiteral("31"))},
      {"width abc", Set(QStringLiteral("PlayFieldDimX"), QStringLiteral("abc"))},
      {"bag one entry short",
       ChangeValue(QStringLiteral("Letters"), [](QString& bag) { bag.chop(2); })},
      {"bag with a Latin letter",
       ChangeValue(QStringLiteral("Letters"), [](QString& bag) { bag[0] = u'Q'; })},
      {"layout with a 9",
       ChangeValue(QStringLiteral("PlayField"), [](QString& layout) { layout[7] = u'9'; })},
      {"language not installed", Set(QStringLiteral("Language"), QStringLiteral("deu"))},
      {"nine participants",
       [](QStringList& lines) {
         const qsizetype third = KeyLine(lines, QStringLiteral("Player3"));
         for (int n = 9; n >= 4; --n)
           lines.insert(third + 1, QStringLiteral("Player%1=PC%1/0/0/1/pc0").arg(n));
       }},
      {"first move by participant 9",
       [first](QStringList& lines) {
         lines[first].replace(QStringLiteral("(2)PC2="), QStringLiteral("(9)PC9="));
       }},
  };
  for (const auto& [name, edit] : cases) {
    EXPECT_FALSE(ReadEdited(edit, refusal).has_value()) << name;
    EXPECT_FALSE(refusal.isEmpty()) << name;
    EXPECT_EQ(game_.MoveLog.Lines(), record) << name;
    EXPECT_EQ(Scores(), scores) << name;
  }
}

TEST_F(SavedGameRefusal, AScoreFieldIsNotBelievedTheMovesGiveTheScores) {
  QString refusal;
  const auto original = ReadEdited([](QStringList&) {}, refusal);
  ASSERT_TRUE(original) << refusal.toStdString();
  const auto saved = ReadEdited(ChangeValue(QStringLiteral("Player1"),
                                            [](QString& entry) {
                                              QStringList fields = entry.split(u'/');
                                              fields[1] = QStringLiteral("9990000");
                                              entry = fields.join(u'/');
                                            }),
                                refusal);
  ASSERT_TRUE(saved) << refusal.toStdString();
  LoadGame(game_, *original);
  EXPECT_EQ(Scores(), savedScores_);
  ExpectEveryTileOnce();
  LoadGame(game_, *saved);
  EXPECT_EQ(Scores(), savedScores_);
}

TEST_F(SavedGameRefusal, EntriesNamingNoTileOrCellAreSkippedAndEveryTileStaysOnce) {
  const qsizetype first = FirstMoveLine();
  const qsizetype last = lines_.size() - 1;
  ASSERT_TRUE(lines_[last].startsWith(QStringLiteral("(1)PC1="))) << lines_[last].toStdString();
  // five letters participant 1 holds, for words that run off the board
  const QString rack = lines_[last - 3].section(QStringLiteral("SLOT:"), 1);
  QString word;
  for (int slot = 0; slot < 5; ++slot) word += rack.section(u',', slot, slot).section(u'/', 0, 0);
  ASSERT_EQ(word.size(), 5) << rack.toStdString();
  for (const QString& entries :
       {QStringLiteral("PLAYGROUND:99099/5000,"), QStringLiteral("TAKESTAR:9999/8888,"),
        QStringLiteral("PLAYGROUND:8008/9999,PLAYGROUND:0/0,"),
        QStringLiteral("SLOT:\u0410/7777,\u0411/-3,"),
        QStringLiteral("WORDS:%1(5)141814H,(USED:12345),").arg(word),
        QStringLiteral("WORDS:%1(5)10520V,(USED:12345),").arg(word)}) {
    for (const qsizetype at : {first, last}) {
      SCOPED_TRACE(entries.toStdString() + " in line " + std::to_string(at));
      QString refusal;
      const auto saved = ReadEdited([&](QStringList& lines) { lines[at] += entries; }, refusal);
      ASSERT_TRUE(saved) << refusal.toStdString();
      LoadGame(game_, *saved);
      ExpectEveryTileOnce();
    }
  }
}

}  // namespace
}  // namespace quorim
