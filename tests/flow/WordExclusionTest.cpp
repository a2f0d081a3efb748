#include "flow/WordExclusion.h"

#include "FlowGameFixture.h"
#include "Routines/WordPlaces.h"
#include "dictionary/WorkingWordList.h"
#include "model/Racks.h"

#include <QDir>

#include <algorithm>

namespace quorim::test {
namespace {

// What a computer's move changes: board, bag, its rack and score, its words and the record.
struct MoveState {
  std::vector<std::string> rows;
  std::vector<std::pair<bool, int>> cells;  // DropAllowed, Kind
  std::vector<int> bagTiles;
  std::vector<int> rackTiles;
  int bagCount = 0;
  int score = 0;
  std::size_t words = 0;
  std::vector<std::string> record;
  bool operator==(const MoveState&) const = default;
};

void PrintTo(const MoveState& state, std::ostream* out) {
  *out << "bag " << state.bagCount << ", score " << state.score << ", words " << state.words;
  for (const std::string& row : state.rows) *out << "\n  " << row;
  for (const std::string& line : state.record) *out << "\n  " << line;
}

class WordExclusion : public FlowGameFixture {
 protected:
  static constexpr int kComputer = 2;

  WordExclusion() {
    QDir(data_.path()).mkpath(QStringLiteral("dict/eng"));
    game_.Data = DataDir(data_.path());
    game_.Settings.DictionaryLang = QStringLiteral("eng");
    game_.Settings.UseCustomDictionary = true;
    game_.Settings.AskToExcludeWord = true;
    game_.Settings.UndoPCMove = true;
    game_.Players[kComputer].Kind = quorim::kComputer;
    Words({"CAT", "ACT", "AT", "TA", "TAT"});
  }

  // The person lays CAT through the start; the computer, holding A, C and T, answers at once.
  void PersonThenComputer() {
    Start("");
    ASSERT_EQ(OnTurn(), 1);
    SetRack(1, "CAT");
    SetRack(kComputer, "ACT");
    view_.DuringWaits([this](int) {
      if (OnTurn() == kComputer && !beforeMove_) beforeMove_ = State();
    });
    LayFromRack(kMiddle, kMiddle, "CAT");
    GoCommand(game_);
    view_.DuringWaits(nullptr);
    ASSERT_EQ(OnTurn(), 1);
    ASSERT_FALSE(game_.PlayedWords[kComputer].empty()) << "the computer laid nothing";
  }

  MoveState State() const {
    MoveState state;
    for (int y = 1; y <= kSide; ++y) state.rows.push_back(RowOf(y));
    for (int y = 1; y <= kSide; ++y) {
      for (int x = 1; x <= kSide; ++x) {
        const TFieldCell& cell = game_.PlayField(x, y);
        state.cells.emplace_back(cell.DropAllowed, cell.Kind);
      }
    }
    for (std::size_t k = 0; k < game_.TileTable.size(); ++k) {
      if (game_.TileTable[k].Owner == kOwnerBag) state.bagTiles.push_back(static_cast<int>(k));
    }
    for (int slot = 1; slot <= kRackSlots; ++slot)
      state.rackTiles.push_back(game_.Racks[kComputer][slot].TileIndex);
    std::sort(state.rackTiles.begin(), state.rackTiles.end());
    state.bagCount = game_.BagCount;
    state.score = game_.Players[kComputer].Score;
    state.words = game_.PlayedWords[kComputer].size();
    state.record = game_.MoveLog.Lines();
    return state;
  }

  // A tile of the participant's latest word that his latest move laid, or any of its tiles.
  int TileOfLatestWord(int player, bool newTile = true) const {
    const TPlayedWord& word = game_.PlayedWords[player].back();
    for (int i = word.Start; i <= word.End; ++i) {
      const CellXY at = WordCell(word, i);
      const int tile = game_.PlayField(at.x, at.y).TileIndex;
      if (!newTile || game_.TileTable[tile].HelpKeyword == "new") return tile;
    }
    return -1;
  }

  int Entries(int player) const { return static_cast<int>(game_.PlayedWords[player].size()); }

  bool Laid(int player, const std::string& word) const {
    const auto& words = game_.PlayedWords[player];
    return std::any_of(words.begin(), words.end(),
                       [&word](const TPlayedWord& w) { return w.Word == word; });
  }

  QStringList ExcludedFile() const {
    QFile file(data_.filePath(QStringLiteral("dict/eng/diction.user.del.txt")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll())
        .remove(QChar(0xFEFF))
        .remove(u'\r')
        .split(u'\n', Qt::SkipEmptyParts);
  }

  QTemporaryDir data_;
  std::optional<MoveState> beforeMove_;
};

TEST_F(WordExclusion, ExcludingAWordOfTheComputersLastMoveReplaysTheMoveWithoutIt) {
  PersonThenComputer();
  ASSERT_TRUE(beforeMove_);
  const std::string excluded = game_.PlayedWords[kComputer].back().Word;
  const int tile = TileOfLatestWord(kComputer);
  ASSERT_GE(tile, 0);

  std::optional<MoveState> beforeReplay;
  view_.DuringWaits([&](int) {
    if (OnTurn() == kComputer && !beforeReplay) beforeReplay = State();
  });
  view_.ClearCalls();
  ExcludeLaidWord(game_, kComputer, Entries(kComputer), tile);
  view_.DuringWaits(nullptr);

  const QString word = QString::fromLatin1(excluded.c_str());
  EXPECT_EQ(view_.FirstArgs(ViewCallName::AskInGameQuestion).value(0),
            Text(u"InGameQuestionExcludeWordFromDictionary").replace(QStringLiteral("%s"), word));
  EXPECT_EQ(ExcludedFile(), QStringList{word});
  EXPECT_TRUE(game_.WordLists.Holds(kExcludedWordsSlot, excluded));
  EXPECT_GE(SoundsPlayed(QStringLiteral("change2")), 1);
  EXPECT_FALSE(view_.CallsNamed(ViewCallName::ShowExplosion).empty());
  EXPECT_TRUE(Messages().isEmpty());
  // when the computer starts again, everything stands as before its first try
  ASSERT_TRUE(beforeReplay);
  EXPECT_EQ(*beforeReplay, *beforeMove_);
  // and its new move goes without the word
  EXPECT_FALSE(Laid(kComputer, excluded));
  EXPECT_EQ(OnTurn(), 1);
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);
  EXPECT_EQ(RackOf(1).find('_'), std::string::npos);
  EXPECT_EQ(game_.MoveLog.Lines().size(), beforeMove_->record.size() + 1);
  for (const std::string& line : game_.MoveLog.Lines())
    EXPECT_EQ(line.find("WORDS:" + excluded + "("), std::string::npos) << line;
}

TEST_F(WordExclusion, AnOlderWordOrAMoveThatMayNotBeTakenBackOnlyGetsTheMessage) {
  PersonThenComputer();
  const std::string older = game_.PlayedWords[kComputer].back().Word;
  const int olderTile = TileOfLatestWord(kComputer, false);
  // the person exchanges; the computer moves again
  SetRack(kComputer, "ATAT");
  ToggleExchangeMark(game_, 1);
  ExchangeCommand(game_);
  ASSERT_EQ(OnTurn(), 1);
  const int olderEntry = 1;
  ASSERT_EQ(game_.PlayedWords[kComputer][olderEntry - 1].Word, older);

  const auto excludeAndExpectMessage = [&](const std::string& word, int entry, int tile) {
    const MoveState before = State();
    view_.ClearCalls();
    ExcludeLaidWord(game_, kComputer, entry, tile);
    EXPECT_EQ(Messages(),
              QStringList{Text(u"InGameMessageWordExcluded")
                              .replace(QStringLiteral("%s"), QString::fromLatin1(word.c_str()))});
    EXPECT_EQ(State(), before);
    EXPECT_EQ(OnTurn(), 1);
  };
  excludeAndExpectMessage(older, olderEntry, olderTile);

  ASSERT_GT(Entries(kComputer), 1) << "the computer exchanged in its second turn";
  const std::string latest = game_.PlayedWords[kComputer].back().Word;
  game_.Settings.UndoPCMove = false;
  excludeAndExpectMessage(latest, Entries(kComputer), TileOfLatestWord(kComputer));
  // excluded once more, no question asked: the list keeps it once
  game_.Settings.AskToExcludeWord = false;
  view_.ClearCalls();
  excludeAndExpectMessage(older, olderEntry, olderTile);
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::AskInGameQuestion).isEmpty());
  EXPECT_EQ(ExcludedFile().count(QString::fromLatin1(older.c_str())), 1);
}

TEST_F(WordExclusion, AnsweringNoLeavesTheListsAndTheMoveAlone) {
  PersonThenComputer();
  const MoveState before = State();
  view_.AnswerQuestions({false});
  ExcludeLaidWord(game_, kComputer, Entries(kComputer), TileOfLatestWord(kComputer));
  EXPECT_EQ(State(), before);
  EXPECT_TRUE(ExcludedFile().isEmpty());
  EXPECT_TRUE(Messages().isEmpty());
  // the frame shown over the word while asking is gone
  EXPECT_FALSE(view_.CallsNamed(ViewCallName::AddSelectionFrame).empty());
  EXPECT_FALSE(view_.CallsNamed(ViewCallName::ClearSelectionFrames).empty());
}

TEST_F(WordExclusion, AStarThePersonTookBackInThisMoveKeepsTheComputersMoveInTheRecord) {
  PersonThenComputer();
  game_.MoveLog.AppendToLastLine("TAKESTAR:1/2,");
  const MoveState before = State();
  ExcludeLaidWord(game_, kComputer, Entries(kComputer), TileOfLatestWord(kComputer));
  EXPECT_EQ(Messages().size(), 1);
  EXPECT_EQ(State(), before);
}

class ContextMenu : public BoardFixture {
 protected:
  ContextMenu() {
    game_.TurnPhase = TTurnPhase::MovePhase;
    Old(8, 8, "CAT", kHorizontal, 1);  // participant 1, entry 1
    Old(3, 3, "DOG", kHorizontal, 2);  // participant 2, entry 1
    Old(9, 7, "BAD", kVertical, 2);    // participant 2, entry 2, through the A of CAT
  }

  QStringList Names(int x, int y) const {
    QStringList names;
    for (const TContextItem& item : ContextMenuItems(game_, x, y)) names << item.Name;
    return names;
  }
};

TEST_F(ContextMenu, OffersTheWordsThroughTheCellAndWithTheUserListsTheirExclusionLatestFirst) {
  const auto cell = ContextMenuCell(game_, game_.PlayField(9, 8).TileIndex);
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->x, 9);
  EXPECT_EQ(cell->y, 8);
  EXPECT_EQ(Names(9, 8), (QStringList{"contextitem11", "contextitem22"}));
  EXPECT_EQ(ContextMenuItems(game_, 9, 8)[1].Caption, "BAD");

  game_.Settings.UseCustomDictionary = true;
  EXPECT_EQ(Names(9, 8), (QStringList{"contextitem11", "contextitem22", "contextitem1",
                                      "contextitemdel22", "contextitemdel11"}));
  const auto items = ContextMenuItems(game_, 9, 8);
  EXPECT_EQ(items[2].Kind, ContextItemKind::Separator);
  EXPECT_EQ(items[3].Caption, Text(u"ContextMenuItemExcludeWord") + QStringLiteral(" BAD"));
  EXPECT_EQ(Names(10, 8), (QStringList{"contextitem11", "contextitem1", "contextitemdel11"}));

  // no menu on a rack tile, on a tile of this move, or while letters are taken
  EXPECT_FALSE(ContextMenuCell(game_, game_.Racks[1][kRackSlots].TileIndex));
  Lay(8, 9, "O");
  EXPECT_FALSE(ContextMenuCell(game_, game_.PlayField(8, 9).TileIndex));
  game_.TurnPhase = TTurnPhase::DrawPhase;
  EXPECT_FALSE(ContextMenuCell(game_, game_.PlayField(8, 8).TileIndex));
}

}  // namespace
}  // namespace quorim::test
