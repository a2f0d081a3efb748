#include "flow/WordExclusion.h"

#include "Routines/MoveScoring.h"
#include "Routines/WordPlaces.h"
#include "dictionary/WorkingWordList.h"
#include "flow/GameEnd.h"
#include "flow/GameScreen.h"
#include "flow/HandCommands.h"
#include "flow/TurnCommands.h"
#include "media/CodePages.h"
#include "model/ControlNames.h"
#include "model/MoveLineFormat.h"
#include "model/Racks.h"

#include <algorithm>

namespace quorim {

namespace {

bool Covers(const TPlayedWord& word, int x, int y) {
  if (word.Word.empty()) return false;
  const bool down = word.Direction == kVertical;
  const int line = down ? x : y;
  const int along = down ? y : x;
  return word.Line == line && word.Start <= along && along <= word.End;
}

const TPlayedWord* RecordedWord(const Game& game, int player, int entry) {
  if (!game.IsPlayer(player) || entry < 1) return nullptr;
  const auto& words = game.PlayedWords[static_cast<std::size_t>(player)];
  if (entry > static_cast<int>(words.size())) return nullptr;
  const TPlayedWord& word = words[static_cast<std::size_t>(entry - 1)];
  return word.Word.empty() ? nullptr : &word;
}

QString ItemName(const char* prefix, int player, int entry) {
  return QLatin1String(prefix) + QString::number(player) + QString::number(entry);
}

// The question window (317 x 128) keeps clear of the word it asks about: under or over a word
// across, beside a word down, on the side of the board with more room. The offsets are
// PlaceBesideCell's, from 28 times the column and row of the word's first cell.
constexpr int kQuestionWidth = 317;
constexpr int kQuestionHeight = 128;
constexpr int kCellLeft = -10;  // a cell's left (top) edge from 28 x its column (row)
constexpr int kGap = 6;
constexpr BesideCell kQuestionAcross{kCellLeft + kCellPixels - kQuestionWidth, kCellLeft,
                                     kCellLeft - kGap - kQuestionHeight,
                                     kCellLeft + kCellPixels + kGap};
constexpr BesideCell kQuestionDown{kCellLeft - kGap - kQuestionWidth,
                                   kCellLeft + kCellPixels + kGap,
                                   kCellLeft + kCellPixels - kQuestionHeight, kCellLeft};

// The word stands framed on the board while the question beside it waits; the frames of the move
// come back afterwards.
bool AskToExclude(Game& game, const TPlayedWord& word) {
  GameView& view = game.View();
  view.AddSelectionFrame({word.Direction, word.Line, word.Start, word.End, true});
  const CellXY first = WordCell(word, word.Start);
  const QString question =
      SubstituteWord(game.InterfaceText(u"InGameQuestionExcludeWordFromDictionary"), word.Word,
                     game.DictionaryCodePage());
  const bool yes = view.AskInGameQuestion(
      question, PlaceBesideCell(game, first.x, first.y,
                                word.Direction == kVertical ? kQuestionDown : kQuestionAcross));
  view.ClearSelectionFrames();
  for (const TSelectionFrame& frame : game.SelectionFrames) {
    if (frame.Visible) view.AddSelectionFrame(frame);
  }
  return yes;
}

void AddToExcludedList(Game& game, const std::string& word) {
  WordLists& lists = game.WordLists;
  if (lists.Holds(kExcludedWordsSlot, word)) return;
  lists.Append(kExcludedWordsSlot, word);
  // an unwritable list stays excluded in memory rather than being read back without the word
  if (SaveUserListSlot(game, kExcludedWordsSlot)) LoadWordLists(game, false);
}

int ParticipantBefore(const Game& game, int player) {
  return player == 1 ? game.PlayerCount() : player - 1;
}

// The person on turn took a star back in this move: his move line holds the trade, which a
// replayed record could not place once the computer's move before it is laid anew.
bool StarTradedInThisMove(const Game& game) {
  const auto& lines = game.MoveLog.Lines();
  if (lines.size() <= 2) return false;
  const auto line = ParseMoveLine(lines.back());
  return line && line->Participant == game.CurrentPlayer && line->HasTakeStar;
}

// The word is one of those the computer laid in the move it made last, which can still be taken
// back: the clicked tile is one of that move's.
bool MayTakeBack(const Game& game, int computer, int tile, const std::string& word) {
  const TComputerUndo& undo = game.ComputerUndo;
  const TPlayField& field = game.PlayField;
  if (game.TileTable[static_cast<std::size_t>(tile)].HelpKeyword != "new" ||
      StarTradedInThisMove(game) ||
      !game.Players[static_cast<std::size_t>(computer)].IsComputer() || !game.Settings.UndoPCMove ||
      game.DemoRunning || undo.WordsLaid <= 0 ||
      undo.Cells.size() != static_cast<std::size_t>(field.DimX() * field.DimY())) {
    return false;
  }
  const auto& words = game.PlayedWords[static_cast<std::size_t>(computer)];
  const auto recent = std::min(static_cast<std::size_t>(undo.WordsLaid), words.size());
  return std::any_of(words.end() - static_cast<std::ptrdiff_t>(recent), words.end(),
                     [&word](const TPlayedWord& laid) { return laid.Word == word; });
}

// The letters the computer drew after its move go back to the bag.
void ReturnDrawnLetters(Game& game, int computer) {
  TRack& rack = game.Racks[static_cast<std::size_t>(computer)];
  std::vector<int> drawn;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    TRackSlot& rackSlot = rack[slot];
    rackSlot.ExchangeMark = game.ComputerUndo.EmptySlots[slot] && rackSlot.TileIndex >= 0;
    if (rackSlot.ExchangeMark) drawn.push_back(rackSlot.TileIndex);
  }
  if (!drawn.empty()) game.View().ShowExplosion(drawn);
  ReturnMarkedLetters(game, computer);
}

// The tiles of the move leave the board for the slots they had left empty; a star is a star again.
void ReturnMoveTiles(Game& game, int computer) {
  TRack& rack = game.Racks[static_cast<std::size_t>(computer)];
  const auto& emptied = game.ComputerUndo.EmptySlots;
  int next = 1;
  for (const int tile : game.MoveNewTiles) {
    TTile& piece = game.TileTable[static_cast<std::size_t>(tile)];
    if (piece.Spot.area != TileSpot::Area::Board) continue;
    while (next <= kRackSlots && !(emptied[next] && rack[next].TileIndex < 0)) ++next;
    const int slot = next <= kRackSlots ? next++ : FirstEmptySlot(rack);
    if (slot == 0) break;
    const TileSpot from = piece.Spot;
    TFieldCell& cell = game.PlayField(from.a, from.b);
    cell.Letter = ' ';
    cell.TileIndex = -1;
    piece.Hint.assign(1, piece.Star ? game.Alphabet.StarCode() : piece.Letter());
    piece.Owner = computer;
    piece.Face = TileFace::Rack;
    piece.BonusKind = 0;
    piece.StarMark = false;
    piece.HelpKeyword.clear();
    piece.Spot = TileSpot::Rack(computer, slot);
    rack[slot].Letter = TileLetter(game, tile);
    rack[slot].TileIndex = static_cast<std::int16_t>(tile);
    rack[slot].ExchangeMark = false;
    MoveTileOnScreen(game, tile, from, piece.Spot);
    game.View().ShowTile(tile);
  }
  game.MoveNewTiles.clear();
}

void RestoreCells(Game& game) {
  TPlayField& field = game.PlayField;
  std::size_t k = 0;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      const TComputerUndo::Cell& before = game.ComputerUndo.Cells[k++];
      TFieldCell& cell = field(x, y);
      cell.DropAllowed = before.DropAllowed;
      cell.Kind = before.Kind;
      cell.PendingLetter = before.PendingLetter;
    }
  }
  game.View().DrawPlayField();
}

void ForgetMoveWords(Game& game, int computer) {
  auto& words = game.PlayedWords[static_cast<std::size_t>(computer)];
  const auto laid = std::min(static_cast<std::size_t>(game.ComputerUndo.WordsLaid), words.size());
  words.erase(words.end() - static_cast<std::ptrdiff_t>(laid), words.end());
  game.View().SetControlHint(names::PlIm(computer), AvatarHint(game, computer));
  game.FirstMove = std::all_of(game.PlayedWords.begin(), game.PlayedWords.end(),
                               [](const auto& recorded) { return recorded.empty(); });
}

// The computer's move line goes, with the line of the turn begun after it; stars it took back
// stay taken back, so its next line starts with them.
void DropMoveLines(Game& game, int computer) {
  auto& lines = game.MoveLog.Lines();
  for (std::size_t i = lines.size(); i > 2; --i) {
    auto parsed = ParseMoveLine(lines[i - 1]);
    if (!parsed || parsed->Participant != computer) continue;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i - 1), lines.end());
    if (parsed->HasTakeStar) {
      parsed->HasWords = false;
      parsed->HasSlot = false;
      lines.push_back(KeptMoveLine(*parsed, false));
    }
    return;
  }
}

void TakeBackComputerMove(Game& game, int computer) {
  GameView& view = game.View();
  ReturnLaidLetters(game);
  view.ShowPanelOnTurn(game.CurrentPlayer, computer, game.Settings.AutoSpreadPlayers);
  game.PlaySound(QStringLiteral("change2"));
  ReturnDrawnLetters(game, computer);
  ReturnMoveTiles(game, computer);
  RestoreCells(game);
  TPlayer& participant = game.Players[static_cast<std::size_t>(computer)];
  participant.Score = game.ComputerUndo.Score;
  view.SetControlCaption(names::ScLabel(computer), QString::number(participant.Score));
  ForgetMoveWords(game, computer);
  DropMoveLines(game, computer);
  game.ComputerUndo.WordsLaid = 0;
  // the turn goes back to the computer, which moves again at once
  game.CurrentPlayer = ParticipantBefore(game, computer);
  game.CurrentKind = game.Players[static_cast<std::size_t>(game.CurrentPlayer)].Kind;
  PassTurnWithoutLetters(game);
}

}  // namespace

std::optional<Game::CellPlace> ContextMenuCell(const Game& game, int tile) {
  if (!MayHandleTiles(game) || game.HandTile() >= 0 || tile < 0 ||
      tile >= static_cast<int>(game.TileTable.size())) {
    return std::nullopt;
  }
  const TTile& piece = game.TileTable[static_cast<std::size_t>(tile)];
  if (piece.Owner != kOwnerCommitted || piece.Spot.area != TileSpot::Area::Board)
    return std::nullopt;
  return Game::CellPlace{piece.Spot.a, piece.Spot.b};
}

std::vector<TContextItem> ContextMenuItems(const Game& game, int x, int y) {
  std::vector<TContextItem> items;
  const int players = game.PlayerCount();
  for (int player = 1; player <= players; ++player) {
    const auto& words = game.PlayedWords[static_cast<std::size_t>(player)];
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (!Covers(words[i], x, y)) continue;
      const int entry = static_cast<int>(i) + 1;
      items.push_back({ContextItemKind::Explain, ItemName("contextitem", player, entry),
                       RecordedWordText(game, player, entry), player, entry});
    }
  }
  if (!game.Settings.UseCustomDictionary) return items;
  items.push_back(
      {ContextItemKind::Separator, QStringLiteral("contextitem1"), QStringLiteral("-"), 0, 0});
  const QString exclude = game.InterfaceText(u"ContextMenuItemExcludeWord") + u' ';
  for (int entry = kPlayedWordsPerPlayer; entry >= 1; --entry) {
    for (int player = 1; player <= players; ++player) {
      const TPlayedWord* word = RecordedWord(game, player, entry);
      if (word == nullptr || !Covers(*word, x, y)) continue;
      items.push_back({ContextItemKind::Exclude, ItemName("contextitemdel", player, entry),
                       exclude + RecordedWordText(game, player, entry), player, entry});
    }
  }
  return items;
}

QString RecordedWordText(const Game& game, int player, int entry) {
  const TPlayedWord* word = RecordedWord(game, player, entry);
  return word == nullptr ? QString() : FromGameText(word->Word, game.DictionaryCodePage());
}

void ExcludeLaidWord(Game& game, int player, int entry, int tile) {
  // the menu may have stood open while the game moved on
  const TPlayedWord* recorded = RecordedWord(game, player, entry);
  if (recorded == nullptr || !ContextMenuCell(game, tile)) return;
  const TPlayedWord word = *recorded;
  CommandScope scope(game);
  if (game.Settings.AskToExcludeWord && !AskToExclude(game, word)) return;
  SetScreenCursor(game, ControlCursor::Hourglass);
  AddToExcludedList(game, word.Word);
  const int last = ParticipantBefore(game, game.CurrentPlayer);
  if (MayTakeBack(game, last, tile, word.Word)) {
    TakeBackComputerMove(game, last);
  } else {
    game.View().ShowInGameMessage(SubstituteWord(game.InterfaceText(u"InGameMessageWordExcluded"),
                                                 word.Word, game.DictionaryCodePage()),
                                  {});
  }
  if (!game.GameOver()) SetScreenCursor(game, ControlCursor::Default);
}

}  // namespace quorim
