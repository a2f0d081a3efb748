#include "VirtOpp/ComputerMove.h"

#include "Routines/MoveCheck.h"
#include "Routines/MoveScoring.h"
#include "Routines/WordPlaces.h"
#include "VirtOpp/ComputerExchange.h"
#include "dictionary/WorkingWordList.h"
#include "media/Colors.h"
#include "model/ControlNames.h"
#include "model/MoveTokens.h"
#include "model/Participants.h"
#include "model/Racks.h"
#include "model/SoundVariants.h"

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

namespace quorim {

namespace {

constexpr int kChoicePause = 300;
constexpr int kDemoMovePause = 4000;

int LastPosition(const TCandidate& candidate) {
  return CandidatePlace(candidate).End;
}

bool SameLine(const TPlayedWord& a, const TPlayedWord& b) {
  return a.Line == b.Line && a.Direction == b.Direction;
}

bool Contains(const std::string& word, const std::string& part) {
  return word.find(part) != std::string::npos;
}

// A word found while checking a candidate: the candidate's own word, laid at once, or a word it
// forms across, whose scoring waits for the end of the move.
struct FormedWord {
  TPlayedWord place;
  bool own;
};

// The checking and laying of the candidates of one choice. The cross words of the accepted
// candidates wait in UsedWords until Finish lays and scores them.
class CandidateLayer {
 public:
  CandidateLayer(Game& game, int player) : game_(game), player_(player) {}

  // The candidate's letters lie on the board as this move's; when every word they form passes,
  // the candidate's own word is laid and true is returned. A refused candidate changes nothing.
  bool Try(const TCandidate& candidate);
  // The cross words of the accepted candidates are laid; an emptied rack earns its bonus.
  void Finish();

 private:
  std::vector<TPlayedWord> ReadWords(const TCandidate& candidate) const;
  bool IsOwnWord(const TPlayedWord& word, const TCandidate& candidate) const;
  bool RackSupplies(const TPlayedWord& word) const;
  bool Accepts(const TCandidate& candidate, std::vector<FormedWord>& formed,
               std::vector<TPlayedWord>& used) const;
  bool LayReplayed(const TCandidate& candidate);
  void Lay(const TPlayedWord& word, std::optional<int> recordedPoints = std::nullopt);
  int RackSlotFor(char letter, bool markedOnly) const;

  Game& game_;
  int player_;
  std::vector<TPlayedWord> usedWords_;
  TRack rackBackup_{};
};

// The words through the candidate's letters, rows first and then columns, each read once; with
// words selected by frames only the candidate's own word counts.
std::vector<TPlayedWord> CandidateLayer::ReadWords(const TCandidate& candidate) const {
  std::vector<TPlayedWord> words;
  const TPlayedWord own = CandidatePlace(candidate);
  if (game_.Settings.SelectWordMode) {
    TPlayedWord framed = own;
    framed.Word.clear();
    for (int i = own.Start; i <= own.End; ++i) {
      const CellXY at = WordCell(own, i);
      framed.Word += CellLetter(game_.PlayField(at.x, at.y));
    }
    words.push_back(framed);
    return words;
  }
  std::set<int> rows;
  std::set<int> columns;
  for (int i = own.Start; i <= own.End; ++i) {
    const CellXY at = WordCell(own, i);
    if (!IsLaidOnEmptyCell(game_.PlayField(at.x, at.y))) continue;
    rows.insert(at.y);
    columns.insert(at.x);
  }
  const auto readLine = [&](std::uint8_t direction, int line) {
    const bool across = direction == kHorizontal;
    const int length = across ? game_.PlayField.DimX() : game_.PlayField.DimY();
    for (int i = 1; i <= length; ++i) {
      const int x = across ? i : line;
      const int y = across ? line : i;
      if (!IsLaidOnEmptyCell(game_.PlayField(x, y))) continue;
      const WordRead read = ReadWordAt(game_, x, y, direction);
      if (read.Word.size() < 2) continue;
      words.push_back({read.Word, static_cast<std::uint8_t>(read.Start),
                       static_cast<std::uint8_t>(read.End), static_cast<std::uint8_t>(line),
                       direction, 0});
      i = read.End;
    }
  };
  for (int y : rows) readLine(kHorizontal, y);
  for (int x : columns) readLine(kVertical, x);
  return words;
}

bool CandidateLayer::IsOwnWord(const TPlayedWord& word, const TCandidate& candidate) const {
  return word.Direction == candidate.Direction && word.Line == candidate.Line &&
         word.Start <= candidate.Start && word.End >= LastPosition(candidate);
}

// The new letters of the word, each from a tile of that letter or else from a star of the rack
// as it was before this candidate.
bool CandidateLayer::RackSupplies(const TPlayedWord& word) const {
  std::array<bool, kRackSlots + 1> spent{};
  const char star = game_.Alphabet.StarCode();
  const bool starsAllowed = game_.Intellect >= 2;
  for (int i = word.Start; i <= word.End; ++i) {
    const CellXY at = WordCell(word, i);
    const TFieldCell& cell = game_.PlayField(at.x, at.y);
    if (!IsLaidOnEmptyCell(cell)) continue;
    int chosen = 0;
    for (int slot = 1; slot <= kRackSlots && chosen == 0; ++slot) {
      if (!spent[slot] && rackBackup_[slot].Letter == cell.PendingLetter) chosen = slot;
    }
    for (int slot = 1; slot <= kRackSlots && chosen == 0 && starsAllowed; ++slot) {
      if (!spent[slot] && rackBackup_[slot].Letter == star) chosen = slot;
    }
    if (chosen == 0) return false;
    spent[chosen] = true;
  }
  return true;
}

// Every word the candidate forms must be long enough, spelt from the rack, new to the game and to
// this move, known and not excluded. Words already waiting that the new word takes in, or repeats
// across, give way to it.
bool CandidateLayer::Accepts(const TCandidate& candidate, std::vector<FormedWord>& formed,
                             std::vector<TPlayedWord>& used) const {
  const std::vector<TPlayedWord> words = ReadWords(candidate);
  if (words.empty()) return false;
  const Settings& settings = game_.Settings;
  const bool repeatsForbidden = !settings.AllowWordRepeat;
  const auto dropFrom = [](auto& list, auto&& drops) {
    list.erase(std::remove_if(list.begin(), list.end(), drops), list.end());
  };
  for (const TPlayedWord& word : words) {
    if (static_cast<int>(word.End - word.Start + 1) > kWordWidth) return false;
    if (static_cast<int>(word.Word.size()) <= settings.LastWordLengthLimit) return false;
    if (!RackSupplies(word)) return false;
    if (IsRepeatedWord(game_, word.Word)) return false;
    if (std::any_of(used.begin(), used.end(),
                    [&](const TPlayedWord& w) { return w.Word == word.Word; }))
      return false;
    if (repeatsForbidden) {
      dropFrom(formed, [&](const FormedWord& f) {
        return f.place.Word == word.Word && f.place.Direction != word.Direction;
      });
    }
    const bool own = IsOwnWord(word, candidate);
    // The user's added words do not make a cross word known.
    const bool known = (own && word.Word == candidate.Word) || IsDictionaryWord(game_, word.Word);
    if (!known) return false;
    if (settings.UseCustomDictionary && game_.WordLists.Holds(kExcludedWordsSlot, word.Word))
      return false;

    if (!own ||
        std::none_of(formed.begin(), formed.end(), [](const FormedWord& f) { return f.own; }))
      formed.push_back({word, own});
    const auto repeatsAcross = [&](const TPlayedWord& w) {
      return repeatsForbidden && w.Word == word.Word && w.Line != word.Line &&
             w.Direction != word.Direction;
    };
    dropFrom(used, [&](const TPlayedWord& w) {
      const bool takenIn = Contains(word.Word, w.Word) && SameLine(w, word);
      return ((own || repeatsForbidden) && takenIn) || repeatsAcross(w);
    });
  }
  return true;
}

bool CandidateLayer::Try(const TCandidate& candidate) {
  rackBackup_ = game_.Racks[player_];
  if (game_.LoadingGame) return LayReplayed(candidate);
  std::vector<FormedWord> formed;
  std::vector<TPlayedWord> used = usedWords_;
  if (!Accepts(candidate, formed, used)) return false;
  usedWords_ = std::move(used);
  for (const FormedWord& word : formed) {
    if (!word.own) usedWords_.push_back(word.place);
  }
  for (const FormedWord& word : formed) {
    if (word.own) Lay(word.place);
  }
  return true;
}

void CandidateLayer::Finish() {
  for (const TPlayedWord& word : usedWords_) Lay(word);
  usedWords_.clear();
  if (!game_.LoadingGame && EmptySlotCount(game_, player_) == kRackSlots)
    AwardFullRackBonus(game_, player_, colors::LightOrange);
  game_.CheckScoreLimit();
}

int CandidateLayer::RackSlotFor(char letter, bool markedOnly) const {
  const TRack& rack = game_.Racks[player_];
  for (char wanted : {letter, game_.Alphabet.StarCode()}) {
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const TRackSlot& s = rack[slot];
      if (s.TileIndex >= 0 && s.Letter == wanted && (!markedOnly || s.ExchangeMark)) return slot;
    }
  }
  return 0;
}

// A replayed word lies as recorded, on the tiles of the rack slots the record marks. A word the
// marked tiles cannot spell (a manipulated record) is passed over.
bool CandidateLayer::LayReplayed(const TCandidate& candidate) {
  TPlayedWord place = CandidatePlace(candidate);
  std::array<bool, kRackSlots + 1> spent{};
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    if (game_.PlayField(at.x, at.y).Letter != ' ') continue;
    const char letter = candidate.Word[static_cast<std::size_t>(i - place.Start)];
    int slot = 0;
    for (char wanted : {letter, game_.Alphabet.StarCode()}) {
      for (int s = 1; s <= kRackSlots && slot == 0; ++s) {
        const TRackSlot& rackSlot = game_.Racks[player_][s];
        if (!spent[s] && rackSlot.ExchangeMark && rackSlot.TileIndex >= 0 &&
            rackSlot.Letter == wanted)
          slot = s;
      }
    }
    if (slot == 0) return false;
    spent[slot] = true;
  }
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    TFieldCell& cell = game_.PlayField(at.x, at.y);
    if (cell.Letter == ' ')
      cell.PendingLetter = candidate.Word[static_cast<std::size_t>(i - place.Start)];
  }
  Lay(place, candidate.RecordedPoints);
  return true;
}

void CandidateLayer::Lay(const TPlayedWord& word, std::optional<int> recordedPoints) {
  TRack& rack = game_.Racks[player_];
  const bool replaying = recordedPoints.has_value();
  TPlayedWord place = word;
  place.Word.clear();
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    TFieldCell& cell = game_.PlayField(at.x, at.y);
    if (IsLaidOnEmptyCell(cell)) {
      const int slot = RackSlotFor(cell.PendingLetter, replaying);
      if (slot != 0) {
        const int tile = rack[slot].TileIndex;
        TTile& laid = game_.TileTable[static_cast<std::size_t>(tile)];
        laid.Owner = player_;
        laid.FaceUp = true;
        if (laid.Star) laid.Hint.assign(1, cell.PendingLetter);
        laid.Spot = TileSpot::Board(at.x, at.y);
        MoveTileOnScreen(game_, tile, TileSpot::Rack(player_, slot), laid.Spot);
        cell.TileIndex = static_cast<std::int16_t>(tile);
        EmptySlot(rack[slot]);
      }
    }
    place.Word += CellLetter(cell);
  }
  game_.FirstMove = false;
  CommitWord(game_, place);
  int points = 0;
  if (replaying) {
    points = *recordedPoints;
    AddScore(game_, player_, points);
    for (int i = place.Start; i <= place.End; ++i) {
      const CellXY at = WordCell(place, i);
      TFieldCell& cell = game_.PlayField(at.x, at.y);
      if (cell.Kind == kCellStart || !game_.Settings.KeepBonuses) cell.Kind = kCellPlain;
    }
  } else {
    points = ScoreWord(game_, player_, place, false);
  }
  RecordPlayedWord(game_, player_, place, points);
  AppendPlayedWord(game_, place, points, false);
  game_.Players[player_].ExchangeRun = 0;
  if (!game_.LoadingGame) ++game_.ComputerUndo.WordsLaid;
}

bool RackIsEmpty(const Game& game, int player) {
  return EmptySlotCount(game, player) == kRackSlots;
}

void TakeUndoRecord(Game& game, int player) {
  TComputerUndo& undo = game.ComputerUndo;
  undo.Cells.clear();
  const TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      const TFieldCell& cell = field(x, y);
      undo.Cells.push_back({cell.DropAllowed, cell.Kind, cell.PendingLetter});
    }
  }
  undo.Score = game.Players[player].Score;
  undo.WordsLaid = 0;
}

// Letters laid in this move that no tile carries any more are gone.
void DropTilelessLetters(Game& game) {
  TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      TFieldCell& cell = field(x, y);
      if (cell.PendingLetter != ' ' && cell.TileIndex == -1) cell.PendingLetter = ' ';
    }
  }
}

}  // namespace

bool ChooseAndLay(Game& game, int player) {
  const bool replaying = game.LoadingGame;
  if ((game.GameOver() && !replaying) || game.Candidates.empty() || !game.IsPlayer(player))
    return false;
  if (!replaying) {
    const QString sound =
        OneOfThreeSounds([&game](int n) { return game.Random(n); }, u"isword", true);
    if (!sound.isEmpty()) game.PlaySound(sound);
    game.View().Pause(kChoicePause);
  }
  game.View().ClearSelectionFrames();
  game.SelectionFrames.clear();

  TPlayField& field = game.PlayField;
  const int count = static_cast<int>(game.Candidates.size());
  const bool firstOnly = game.Intellect <= 2 && !replaying;
  CandidateLayer layer(game, player);
  bool laid = false;
  std::vector<char> pending;
  for (int i = 0; i < count; ++i) {
    if (game.GameOver() && !replaying) return laid;
    const int k = game.Intellect == 1 && !replaying ? game.Random(count) : i;
    const TCandidate candidate = game.Candidates[static_cast<std::size_t>(k)];
    const TPlayedWord place = CandidatePlace(candidate);
    // a replayed record may name a place off this board
    if (!LiesOnBoard(game, place)) continue;
    pending.clear();
    for (int p = place.Start; p <= place.End; ++p) {
      const CellXY at = WordCell(place, p);
      pending.push_back(field(at.x, at.y).PendingLetter);
      if (field(at.x, at.y).Letter == ' ')
        field(at.x, at.y).PendingLetter = candidate.Word[static_cast<std::size_t>(p - place.Start)];
    }
    if (layer.Try(candidate)) {
      laid = true;
      if (firstOnly) break;
      continue;
    }
    for (int p = place.Start; p <= place.End; ++p) {
      const CellXY at = WordCell(place, p);
      field(at.x, at.y).PendingLetter = pending[static_cast<std::size_t>(p - place.Start)];
    }
  }
  if (game.GameOver() && !replaying) return laid;
  layer.Finish();
  if (!replaying) {
    for (int slot = 1; slot <= kRackSlots; ++slot)
      game.ComputerUndo.EmptySlots[slot] = game.Racks[player][slot].TileIndex < 0;
  }
  return laid;
}

void TakeBackStars(Game& game, int player) {
  if (!game.IsPlayer(player)) return;
  TPlayField& field = game.PlayField;
  TRack& rack = game.Racks[player];
  const char star = game.Alphabet.StarCode();
  for (int x = 1; x <= field.DimX(); ++x) {
    for (int y = 1; y <= field.DimY(); ++y) {
      const TFieldCell& cell = field(x, y);
      const int boardTile = cell.TileIndex;
      if (boardTile < 0 || boardTile >= static_cast<int>(game.TileTable.size())) continue;
      const TTile& onBoard = game.TileTable[static_cast<std::size_t>(boardTile)];
      if (!onBoard.Star || onBoard.Owner != kOwnerCommitted) continue;
      for (int slot = 1; slot <= kRackSlots; ++slot) {
        if (rack[slot].TileIndex < 0 || rack[slot].Letter != cell.Letter) continue;
        const int rackTile = rack[slot].TileIndex;
        MoveTileOnScreen(game, rackTile, TileSpot::Rack(player, slot), TileSpot::Board(x, y));
        MoveTileOnScreen(game, rackTile, TileSpot::Board(x, y), TileSpot::Rack(player, slot));
        TradeLetterForStar(game, rackTile, boardTile);
        rack[slot].Letter = star;
        break;
      }
    }
  }
}

void ComputerMove(Game& game, int player, SearchPurpose purpose) {
  if (!game.IsPlayer(player)) return;
  const bool move = purpose == SearchPurpose::ComputerMove;
  const bool firstPass = game.OpponentPass != 2;
  if (!game.LoadingGame) {
    if (RackIsEmpty(game, player) && game.BagCount == 0) game.SetGameOver(true);
    if (game.GameOver()) return;
    if (!game.DemoRunning) game.View().SetControlCursor(names::Screen, ControlCursor::Hourglass);
    game.View().SetControlHint(names::MainScreen, QString());
    if (move) {
      game.ComputerMoveRunning = true;
      // a second pass reports the tiles of the whole turn
      if (firstPass) {
        TakeRackSnapshot(game, player);
        for (TTile& tile : game.TileTable) {
          if (tile.Owner == kOwnerCommitted) tile.HelpKeyword.clear();
        }
        game.MoveNewTiles.clear();
      }
    }
    DropTilelessLetters(game);
    if (move && firstPass) TakeUndoRecord(game, player);
    // A star laid in this turn's first pass stays: the record takes stars back before its words.
    if (game.Settings.ExchangeStars && move && firstPass && game.Intellect >= 2)
      TakeBackStars(game, player);
    SearchCandidates(game, player, purpose);
    if (!move) {
      if (game.FoundCandidates.empty() && !game.GameOver() && !game.HintCancel()) {
        game.PlaySound(QStringLiteral("error"));
        game.View().ShowInGameMessage(game.InterfaceText(u"InGameMessageHintNoVariants"), {});
      }
      game.View().SetControlCursor(names::Screen, ControlCursor::Default);
      return;
    }
    if (game.GameOver()) {
      game.ComputerMoveRunning = false;
      game.View().SetControlCursor(names::Screen, ControlCursor::Default);
      return;
    }
    LoadCandidates(game);
  }

  const bool laid = ChooseAndLay(game, player);
  // a replayed record has its exchanges in lines of their own
  if (!laid && firstPass && !game.LoadingGame) {
    ComputerExchange(game, player);
    game.OpponentExchanged = true;
  }
  if (laid && game.DemoRunning) game.View().Pause(kDemoMovePause);
  if (!game.LoadingGame) {
    // a game that ends after the first pass has no second one to write the note
    const bool lastPass =
        !firstPass || game.Intellect <= 2 || RackIsEmpty(game, player) || game.GameOver();
    if (lastPass && game.ComputerUndo.WordsLaid > 0)
      AppendUsedSlots(game, UsedSlotNumbers(game, player));
  }
  if (game.Settings.SelectWordMode) game.ClearSelections();
  game.ComputerMoveRunning = false;
  game.View().SetControlCursor(names::Screen, ControlCursor::Default);
}

void ComputerTurn(Game& game, int player) {
  game.OpponentPass = 1;
  game.OpponentExchanged = false;
  ComputerMove(game, player, SearchPurpose::ComputerMove);
  if (game.Intellect == 3 && !RackIsEmpty(game, player) && !game.OpponentExchanged &&
      !game.GameOver()) {
    game.OpponentPass = 2;
    ComputerMove(game, player, SearchPurpose::ComputerMove);
  }
}

}  // namespace quorim
