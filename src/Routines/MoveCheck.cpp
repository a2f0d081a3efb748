#include "Routines/MoveCheck.h"

#include "Routines/MoveScoring.h"
#include "Routines/WordPlaces.h"
#include "dictionary/WorkingWordList.h"

#include <algorithm>

namespace quorim {

namespace {

constexpr char kWaitingStar = '*';

// Message windows beside the cell where a word was found, by the word's direction.
constexpr BesideCell kMessageAcross{-297, -7, -95, 70};
constexpr BesideCell kMessageDown{-335, 28, -67, 70};
// The star window beside a star's cell. Above a word in the lower half it ends 10 px over the
// word's row: the window is 216 px high, and a window reaching lower would hide the star it asks
// about.
constexpr BesideCell kStarAcross{-185, -7, -236, 70};
constexpr BesideCell kStarDown{-220, 28, -153, 38};

bool IsFilled(const Game& game, int x, int y) {
  const TFieldCell& cell = game.PlayField(x, y);
  return (cell.PendingLetter != ' ' || cell.Letter != ' ') &&
         game.PlayField.SelectionMark(x, y) == 0;
}

// The letters on the place's cells, cut to a word's width.
std::string LettersOf(const Game& game, const TPlayedWord& place) {
  std::string word;
  for (int i = place.Start; i <= place.End && static_cast<int>(word.size()) < kWordWidth; ++i) {
    const CellXY at = WordCell(place, i);
    word += CellLetter(game.PlayField(at.x, at.y));
  }
  return word;
}

bool SamePlace(const TPlayedWord& a, const TPlayedWord& b) {
  return a.Start == b.Start && a.Line == b.Line && a.Direction == b.Direction;
}

// The blink mark on top of the owner makes the board display blink a tile.
void MarkBlinking(Game& game, const std::vector<int>& tiles, bool on) {
  for (int tile : tiles) {
    game.TileTable[static_cast<std::size_t>(tile)].Owner += on ? kOwnerBlinkMark : -kOwnerBlinkMark;
    game.View().ShowTile(tile);
  }
}

// A frame over a word of the move, as the check reads it.
struct FrameWord {
  TPlayedWord place;
  bool done = false;
  bool armed = true;
  int reads = 0;
};

class MoveChecker {
 public:
  MoveChecker(Game& game, int player) : game_(game), player_(player) {}

  MoveCheckResult Run();

 private:
  enum class Step { Go, Restart, ReadLimit, Failed, Cancelled };
  struct Unconnected {
    TPlayedWord place;
    int x;
    int y;
  };

  void PrepareCells();
  void CollectFrames();
  Step Pass(std::uint8_t direction);
  Step FramePass(std::uint8_t direction);
  Step Judge(TPlayedWord place, int x, int y, FrameWord* frame);
  bool AcceptedAt(const TPlayedWord& place) const;
  void Accept(const TPlayedWord& place);
  Step Fail(const QString& message, const TPlayedWord& place, int x, int y);
  Step FailTwo(const QString& message, const TPlayedWord& place, const TPlayedWord& other, int x,
               int y);
  ScreenPoint BesideWord(const TPlayedWord& place, int x, int y) const;

  Game& game_;
  int player_;
  std::vector<FrameWord> frames_;
  bool selectionMode_ = false;
  bool anyWordRead_ = false;
  bool cycleAccepted_ = false;
  std::optional<Unconnected> unconnected_;
};

void MoveChecker::PrepareCells() {
  TPlayField& field = game_.PlayField;
  const char star = game_.Alphabet.StarCode();
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      TFieldCell& cell = field(x, y);
      if (cell.PendingLetter == star) {
        cell.PendingLetter = kWaitingStar;
        game_.StarPlaces.push_back({x, y});
      }
      if (cell.PendingLetter != ' ' && cell.TileIndex == -1) cell.PendingLetter = ' ';
      if (IsLaidOnEmptyCell(cell)) cell.NewLetter = true;
    }
  }
}

// Frames over committed letters only belong to earlier moves and take no part.
void MoveChecker::CollectFrames() {
  for (const TSelectionFrame& frame : game_.SelectionFrames) {
    if (!frame.Visible) continue;
    // a frame drawn partly off the board covers the cells it does reach
    const bool across = frame.Direction == kHorizontal;
    const int lines = across ? game_.PlayField.DimY() : game_.PlayField.DimX();
    const int length = across ? game_.PlayField.DimX() : game_.PlayField.DimY();
    const int start = std::max(frame.Start, 1);
    const int end = std::min(frame.End, length);
    if (frame.Line < 1 || frame.Line > lines || start > end) continue;
    TPlayedWord place;
    place.Direction = across ? kHorizontal : kVertical;
    place.Line = static_cast<std::uint8_t>(frame.Line);
    place.Start = static_cast<std::uint8_t>(start);
    place.End = static_cast<std::uint8_t>(end);
    bool open = false;
    for (int i = place.Start; i <= place.End; ++i) {
      const CellXY at = WordCell(place, i);
      if (game_.PlayField(at.x, at.y).Letter == ' ') open = true;
    }
    if (open) frames_.push_back({place});
  }
  selectionMode_ = !frames_.empty();
}

MoveChecker::Step MoveChecker::FramePass(std::uint8_t direction) {
  for (FrameWord& frame : frames_) {
    if (frame.place.Direction != direction || frame.done || !frame.armed) continue;
    const CellXY first = WordCell(frame.place, frame.place.Start);
    if (++frame.reads >= kMaxReadsOfFrame) {
      // judged as not connected, so the reading cannot go round for ever
      if (!unconnected_) unconnected_ = Unconnected{frame.place, first.x, first.y};
      return Step::ReadLimit;
    }
    const Step step = Judge(frame.place, first.x, first.y, &frame);
    if (step != Step::Go) return step;
    if (std::all_of(frames_.begin(), frames_.end(), [](const FrameWord& f) { return f.done; })) {
      // the words outside the frames are read as usual; the framed cells count as empty
      selectionMode_ = false;
      return Step::Restart;
    }
  }
  return Step::Go;
}

MoveChecker::Step MoveChecker::Pass(std::uint8_t direction) {
  if (selectionMode_) return FramePass(direction);
  const TPlayField& field = game_.PlayField;
  const bool across = direction == kHorizontal;
  const int lines = across ? field.DimY() : field.DimX();
  const int length = across ? field.DimX() : field.DimY();
  for (int line = 1; line <= lines; ++line) {
    for (int i = 1; i <= length; ++i) {
      const int x = across ? i : line;
      const int y = across ? line : i;
      if (!IsLaidOnEmptyCell(field(x, y)) || field.SelectionMark(x, y) != 0) continue;
      const WordRead read = ReadWordAt(game_, x, y, direction);
      if (read.Word.empty()) continue;
      TPlayedWord place;
      place.Direction = direction;
      place.Line = static_cast<std::uint8_t>(line);
      place.Start = static_cast<std::uint8_t>(read.Start);
      place.End = static_cast<std::uint8_t>(read.End);
      const Step step = Judge(place, x, y, nullptr);
      if (step != Step::Go) return step;
      i = read.End;  // the scan goes on after the word
    }
  }
  return Step::Go;
}

bool MoveChecker::AcceptedAt(const TPlayedWord& place) const {
  return std::any_of(game_.MoveWords.begin(), game_.MoveWords.end(), [&](const TPlayedWord& w) {
    return w.Word == place.Word && SamePlace(w, place);
  });
}

void MoveChecker::Accept(const TPlayedWord& place) {
  if (static_cast<int>(game_.MoveWords.size()) < kMaxMoveWords) game_.MoveWords.push_back(place);
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    game_.PlayField(at.x, at.y).NewLetter = false;
  }
  cycleAccepted_ = true;
}

MoveChecker::Step MoveChecker::Judge(TPlayedWord place, int x, int y, FrameWord* frame) {
  anyWordRead_ = true;
  place.Word = LettersOf(game_, place);
  // A word accepted in an earlier pass is not judged again, so its questions are not repeated.
  if (AcceptedAt(place)) {
    if (frame != nullptr) frame->done = true;
    return Step::Go;
  }
  if (!ChooseStarLetters(game_, place)) {
    ResetFailedMove(game_);
    return Step::Cancelled;
  }
  // the stars now stand for their letters, here and in every word that crosses them
  place.Word = LettersOf(game_, place);
  if (place.Direction == kHorizontal && place.Word.size() == 1)
    return Fail(game_.InterfaceText(u"InGameMessageGoNolessOneLetter"), place, x, y);

  bool found = IsDictionaryWord(game_, place.Word);
  if (game_.Settings.UseCustomDictionary) {
    const std::vector<int> tiles = WordTiles(game_, place);
    MarkBlinking(game_, tiles, true);
    const bool taken = CheckUserWordLists(game_, place.Word, found, BesideWord(place, x, y));
    MarkBlinking(game_, tiles, false);
    found = found || taken;
  }
  if (!found) return Fail(game_.InterfaceText(u"InGameMessageGoUnknownWord"), place, x, y);

  if (!IsConnected(game_, place)) {
    unconnected_ = Unconnected{place, x, y};
    if (frame != nullptr) frame->armed = false;
    return Step::Go;
  }
  if (static_cast<int>(place.Word.size()) <= game_.Settings.LastWordLengthLimit)
    return Fail(game_.InterfaceText(u"InGameMessageGoShortWord"), place, x, y);
  if (const auto earlier = IsRepeatedWord(game_, place.Word))
    return FailTwo(game_.InterfaceText(u"InGameMessageGoRepeatWord"), place, *earlier, x, y);
  if (game_.Settings.AllowWordRepeat) {
    for (const TPlayedWord& accepted : game_.MoveWords) {
      if (accepted.Word == place.Word)
        return FailTwo(game_.InterfaceText(u"InGameMessageGoTheSameWord"), place, accepted, x, y);
    }
  }
  Accept(place);
  if (frame != nullptr) frame->done = true;
  return Step::Go;
}

ScreenPoint MoveChecker::BesideWord(const TPlayedWord& place, int x, int y) const {
  return PlaceBesideCell(game_, x, y, place.Direction == kVertical ? kMessageDown : kMessageAcross);
}

MoveChecker::Step MoveChecker::Fail(const QString& message, const TPlayedWord& place, int x,
                                    int y) {
  const std::vector<int> tiles = WordTiles(game_, place);
  MarkBlinking(game_, tiles, true);
  game_.PlaySound(QStringLiteral("error"));
  game_.View().ShowInGameMessage(message, BesideWord(place, x, y));
  MarkBlinking(game_, tiles, false);
  ResetFailedMove(game_);
  return Step::Failed;
}

// Two words blink; the message keeps clear of both, in the board's opposite corner.
MoveChecker::Step MoveChecker::FailTwo(const QString& message, const TPlayedWord& place,
                                       const TPlayedWord& other, int x, int y) {
  std::vector<int> tiles = WordTiles(game_, place);
  const std::vector<int> otherTiles = WordTiles(game_, other);
  tiles.insert(tiles.end(), otherTiles.begin(), otherTiles.end());
  MarkBlinking(game_, tiles, true);
  game_.PlaySound(QStringLiteral("error"));
  const ScreenRect board = game_.View().BoardPicture();
  const ScreenPoint at = game_.View().ClientToScreen(
      {x > game_.PlayField.DimX() / 2 ? board.left + 28 : board.Right() - 350,
       y > game_.PlayField.DimY() / 2 ? board.top + 75 : board.Bottom() - 160});
  game_.View().ShowInGameMessage(message, at);
  MarkBlinking(game_, tiles, false);
  ResetFailedMove(game_);
  return Step::Failed;
}

MoveCheckResult MoveChecker::Run() {
  game_.FirstMove = true;
  for (int player = 1; player <= game_.PlayerCount(); ++player) {
    if (!game_.PlayedWords[player].empty() && !game_.PlayedWords[player].front().Word.empty())
      game_.FirstMove = false;
  }
  game_.MoveWords.clear();
  game_.StarPlaces.clear();
  PrepareCells();
  CollectFrames();

  // Passes repeat while they accept words and leave one unconnected: a word crossing a word
  // accepted late in a pass is connected in the next.
  Step step = Step::Go;
  for (;;) {
    cycleAccepted_ = false;
    unconnected_.reset();
    for (FrameWord& frame : frames_) frame.armed = true;
    step = Pass(kHorizontal);
    if (step == Step::Go) step = Pass(kVertical);
    if (step == Step::Restart) continue;
    if (step != Step::Go || !unconnected_ || !cycleAccepted_) break;
  }
  for (int y = 1; y <= game_.PlayField.DimY(); ++y) {
    for (int x = 1; x <= game_.PlayField.DimX(); ++x) game_.PlayField(x, y).NewLetter = false;
  }
  if (step == Step::Cancelled) return MoveCheckResult::Cancelled;
  if (step == Step::Failed) return MoveCheckResult::Refused;

  if (!anyWordRead_) {
    game_.PlaySound(QStringLiteral("error"));
    game_.View().ShowInGameMessage(
        game_.InterfaceText(game_.PreviewMode ? u"InGameMessageCalculateNoWords"
                                              : u"InGameMessageGoNoWords"),
        {});
    game_.PreviewMode = false;
    ResetFailedMove(game_);
    return MoveCheckResult::Refused;
  }
  if (unconnected_) {
    Fail(game_.InterfaceText(game_.FirstMove ? u"InGameMessageGoNeedUseStartCell"
                                             : u"InGameMessageGoNoCrossWord"),
         unconnected_->place, unconnected_->x, unconnected_->y);
    return MoveCheckResult::Refused;
  }
  if (game_.PreviewMode) {
    ShowPreviewScores(game_);
  } else {
    ApplyAcceptedMove(game_, player_);
  }
  return MoveCheckResult::Accepted;
}

}  // namespace

WordRead ReadWordAt(const Game& game, int x, int y, std::uint8_t direction) {
  WordRead read;
  const bool across = direction == kHorizontal;
  const bool alone = !IsFilled(game, x - 1, y) && !IsFilled(game, x + 1, y) &&
                     !IsFilled(game, x, y - 1) && !IsFilled(game, x, y + 1);
  const int at = across ? x : y;
  if (alone) {
    read.Word.assign(1, CellLetter(game.PlayField(x, y)));
    read.Start = read.End = at;
    return read;
  }
  const auto filled = [&](int i) { return across ? IsFilled(game, i, y) : IsFilled(game, x, i); };
  int start = at;
  while (start > 1 && filled(start - 1)) --start;
  int end = start;
  while (filled(end + 1)) ++end;
  if (end - start + 1 < 2) return read;
  for (int i = start; i <= end && static_cast<int>(read.Word.size()) < kWordWidth; ++i)
    read.Word += CellLetter(across ? game.PlayField(i, y) : game.PlayField(x, i));
  read.Start = start;
  read.End = end;
  return read;
}

bool IsConnected(const Game& game, const TPlayedWord& place) {
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    const TFieldCell& cell = game.PlayField(at.x, at.y);
    if (cell.Kind == kCellStart || cell.Letter != ' ' || !cell.NewLetter) return true;
  }
  return false;
}

std::optional<TPlayedWord> IsRepeatedWord(const Game& game, std::string_view word) {
  if (game.Settings.AllowWordRepeat) return std::nullopt;
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    for (const TPlayedWord& played : game.PlayedWords[player]) {
      if (played.Word == word) return played;
    }
  }
  return std::nullopt;
}

bool ChooseStarLetters(Game& game, const TPlayedWord& place) {
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    TFieldCell& cell = game.PlayField(at.x, at.y);
    if (cell.PendingLetter != kWaitingStar || cell.TileIndex < 0) continue;
    TTile& tile = game.TileTable[static_cast<std::size_t>(cell.TileIndex)];
    tile.Owner = kOwnerStarChoice;
    game.View().ShowTile(cell.TileIndex);
    const std::optional<char> letter = game.View().AskStarLetter(
        PlaceBesideCell(game, at.x, at.y, place.Direction == kVertical ? kStarDown : kStarAcross),
        at.x, at.y);
    tile.Owner = game.CurrentPlayer;
    if (letter) {
      cell.PendingLetter = *letter;
      tile.Hint.assign(1, *letter);  // still a star, now showing its letter
      tile.FaceUp = true;
    }
    game.View().ShowTile(cell.TileIndex);
    if (!letter) return false;
  }
  return true;
}

void ResetFailedMove(Game& game) {
  const char star = game.Alphabet.StarCode();
  for (const Game::CellPlace& place : game.StarPlaces) {
    TFieldCell& cell = game.PlayField(place.x, place.y);
    cell.PendingLetter = star;
    if (cell.TileIndex >= 0) {
      game.TileTable[static_cast<std::size_t>(cell.TileIndex)].Hint.assign(1, star);
      game.View().ShowTile(cell.TileIndex);
    }
  }
  TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      if (IsLaidOnEmptyCell(field(x, y))) field(x, y).DropAllowed = true;
    }
  }
}

MoveCheckResult CheckAndScoreMove(Game& game, int player) {
  return MoveChecker(game, player).Run();
}

}  // namespace quorim
