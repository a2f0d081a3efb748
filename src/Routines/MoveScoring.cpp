#include "Routines/MoveScoring.h"

#include "Routines/MoveCheck.h"
#include "Routines/WordPlaces.h"
#include "media/CodePages.h"
#include "media/Colors.h"
#include "model/ControlNames.h"
#include "model/MoveTokens.h"
#include "model/Participants.h"
#include "model/SoundVariants.h"

#include <algorithm>
#include <array>

namespace quorim {

namespace {

constexpr BesideCell kAtCell{0, 0, 0, 0};
constexpr BesideCell kAboveNextCell{kCellPixels, kCellPixels, -kCellPixels, -kCellPixels};

// Scoring effects are for a real move that is being played, not for a preview or a replay.
bool ShowsScoring(const Game& game) {
  return game.ShowsEffects() && !game.PreviewMode;
}

void Float(Game& game, const QString& text, int color, ScreenPoint at = {}) {
  game.View().ShowFloatingMessage({at, text, color});
}

void Wait(Game& game, int milliseconds) {
  if (ShowsScoring(game)) game.View().Pause(milliseconds);
}

QString ScoreSound(int sum) {
  if (sum <= 10) return QStringLiteral("goodsc1");
  if (sum <= 20) return QStringLiteral("goodsc2");
  return QStringLiteral("goodsc3");
}

// The used bonus of a cell turns plain unless bonuses are kept.
void UseBonus(const Game& game, TFieldCell& cell) {
  if (!game.Settings.KeepBonuses) cell.Kind = kCellPlain;
}

// A tile that can no longer be dropped on may still not be blocked by letters on its sides.
void CloseCrossingCells(Game& game, const CellXY& at, std::uint8_t direction) {
  TPlayField& field = game.PlayField;
  const bool across = direction == kHorizontal;
  for (const int side : {-1, 1}) {
    const CellXY beside = across ? CellXY{at.x, at.y + side} : CellXY{at.x + side, at.y};
    const CellXY before = across ? CellXY{beside.x - 1, beside.y} : CellXY{beside.x, beside.y - 1};
    const CellXY after = across ? CellXY{beside.x + 1, beside.y} : CellXY{beside.x, beside.y + 1};
    const auto committed = [&](const CellXY& c) { return field(c.x, c.y).Letter != ' '; };
    if (committed(beside) || committed(before) || committed(after))
      field(beside.x, beside.y).DropAllowed = false;
  }
}

// The floating texts, sounds, blinking and waits that tell how the word scored.
void ShowWordScoring(Game& game, const TPlayedWord& place, const WordScore& score, bool hinted) {
  const bool effects = ShowsScoring(game);
  if (effects) {
    for (const WordScore::LetterBonus& bonus : score.letterBonuses) {
      Float(game, u'x' + QString::number(bonus.factor),
            bonus.factor == 2 ? colors::Lime : colors::Yellow,
            PlaceBesideCell(game, bonus.at.x, bonus.at.y, kAtCell));
    }
    if (score.wordFactor == 0) {
      const CellXY last = WordCell(place, place.End);
      Float(game, u'+' + QString::number(score.letters), colors::White,
            PlaceBesideCell(game, last.x, last.y, kAboveNextCell));
      game.PlaySound(ScoreSound(score.letters));
    }
    game.View().BlinkTiles(WordTiles(game, place), 16, 50);
  }
  if (score.wordFactor > 0) {
    if (effects) {
      game.PlaySound(QStringLiteral("Bonus1"));
      Float(game, u'+' + QString::number(score.letters) + u'x' + QString::number(score.wordFactor),
            score.doubleWordsOnly ? colors::Aqua : colors::Red);
    }
    Wait(game, 700);
  }
  if (score.longWordBonus > 0) {
    if (effects) {
      game.PlaySound(QStringLiteral("Bonus2"));
      Float(game,
            game.InterfaceText(u"InGameMessageLongWordBonus") + QStringLiteral("   +") +
                QString::number(score.longWordBonus),
            colors::White);
    }
    Wait(game, 2000);
  }
  if (hinted) {
    if (effects) {
      Float(game,
            game.InterfaceText(u"InGameMessageScoreWithHintPenalty") +
                (game.HintLimit == kHintsUnlimited ? QStringLiteral("  -") : QStringLiteral(" -")) +
                QString::number(score.hintPenalty),
            colors::Red);
      const QString sound =
          OneOfThreeSounds([&game](int n) { return game.Random(n); }, u"hint", true);
      if (!sound.isEmpty()) game.PlaySound(sound);
    }
    Wait(game, 1000);
  }
}

}  // namespace

QString AvatarHint(const Game& game, int player) {
  QString hint(34, u'-');
  for (const TPlayedWord& word : game.PlayedWords[player]) {
    hint += u'\n' + FromGameText(word.Word, game.DictionaryCodePage()) + QStringLiteral("  (+") +
            QString::number(word.Score) + u')';
  }
  return hint;
}

int HintPenalty(int hintLimit, int score) {
  if (hintLimit <= 0 || hintLimit > kHintsUnlimited) return 0;
  if (hintLimit == kHintsUnlimited) return score / 2;
  if (hintLimit <= 3) return score / 8 + 1;
  if (hintLimit <= 5) return score / 5 + 1;
  if (hintLimit <= 7) return score / 3 + 1;
  return score / 2 + 1;
}

bool IsHintedWord(const Game& game, const TPlayedWord& word) {
  return std::any_of(game.HintList.begin(), game.HintList.end(), [&](const TPlayedWord& hint) {
    return hint.Word == word.Word &&
           (game.FirstMove || (hint.Start == word.Start && hint.Line == word.Line &&
                               hint.Direction == word.Direction));
  });
}

void CommitWord(Game& game, const TPlayedWord& place) {
  const Settings& settings = game.Settings;
  const int player = game.CurrentPlayer;
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    TFieldCell& cell = game.PlayField(at.x, at.y);
    TTile* tile = cell.TileIndex >= 0 && cell.TileIndex < static_cast<int>(game.TileTable.size())
                      ? &game.TileTable[static_cast<std::size_t>(cell.TileIndex)]
                      : nullptr;
    if (tile != nullptr) {
      tile->Owner = kOwnerCommitted;
      tile->HelpKeyword = "new";
    }
    if (cell.Letter == ' ') {
      cell.Letter = cell.PendingLetter;
      cell.DropAllowed = false;
      if (tile != nullptr) {
        tile->Hint += std::to_string(player);
        if (tile->Star) {
          tile->Hint += game.Alphabet.StarCode();
          tile->StarMark = settings.ExchangeStars;
        }
        tile->Face = !settings.ShowColorLetters ? TileFace::Used
                     : player % 2 == 1          ? TileFace::OddPlayer
                                                : TileFace::EvenPlayer;
        if (settings.KeepBonuses && cell.Kind >= kCellLetterX2 && cell.Kind <= kCellWordX3)
          tile->BonusKind = cell.Kind;
        game.MoveNewTiles.push_back(cell.TileIndex);
        game.View().ShowTile(cell.TileIndex);
      }
    }
    if (settings.CrossWordMode) CloseCrossingCells(game, at, place.Direction);
  }
  if (settings.SelectWordMode && !game.LoadingGame) {
    const TSelectionFrame frame{place.Direction, place.Line, place.Start, place.End, true};
    game.SelectionFrames.push_back(frame);
    game.View().AddSelectionFrame(frame);
  }
}

WordScore ScoreOfWord(const Game& game, const TPlayedWord& place, bool hinted) {
  WordScore score;
  std::uint16_t sum = 0;
  bool doubleWordSeen = false;
  bool tripleWordSeen = false;
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    const TFieldCell& cell = game.PlayField(at.x, at.y);
    const char letter = cell.Letter == ' ' ? cell.PendingLetter : cell.Letter;
    const int index = game.Alphabet.LetterIndex(letter);
    std::uint8_t value =
        index < 0 ? 0 : static_cast<std::uint8_t>(game.Alphabet.LetterValue[index]);
    switch (cell.Kind) {
      case kCellLetterX2:
        value = static_cast<std::uint8_t>(value * 2);
        score.letterBonuses.push_back({at, 2});
        break;
      case kCellLetterX3:
        value = static_cast<std::uint8_t>(value * 3);
        score.letterBonuses.push_back({at, 3});
        break;
      case kCellWordX2:
        if (!tripleWordSeen) doubleWordSeen = true;
        score.wordFactor += 2;
        break;
      case kCellWordX3:
        tripleWordSeen = true;
        doubleWordSeen = false;
        score.wordFactor += 3;
        break;
      default:
        break;
    }
    sum = static_cast<std::uint16_t>(sum + value);
  }
  score.letters = sum;
  score.doubleWordsOnly = doubleWordSeen && !tripleWordSeen;
  if (score.wordFactor > 0) sum = static_cast<std::uint16_t>(sum * score.wordFactor);
  const int length = place.End - place.Start + 1;
  if (length >= kLongWordLength) {
    score.longWordBonus = length;
    sum = static_cast<std::uint16_t>(sum + length);
  }
  if (hinted) {
    score.hintPenalty = HintPenalty(game.HintLimit, sum);
    sum = static_cast<std::uint16_t>(std::max(0, sum - score.hintPenalty));
  }
  score.total = sum;
  return score;
}

void UseWordBonuses(Game& game, const TPlayedWord& place) {
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    TFieldCell& cell = game.PlayField(at.x, at.y);
    if (cell.Kind >= kCellLetterX2 && cell.Kind <= kCellWordX3) {
      UseBonus(game, cell);
    } else if (cell.Kind == kCellStart) {
      cell.Kind = kCellPlain;
    }
  }
}

int ScoreWord(Game& game, int player, const TPlayedWord& place, bool hinted) {
  const WordScore score = ScoreOfWord(game, place, hinted);
  ShowWordScoring(game, place, score, hinted);
  UseWordBonuses(game, place);
  if (!game.PreviewMode) AddScore(game, player, score.total);
  return score.total;
}

void RecordPlayedWord(Game& game, int player, const TPlayedWord& word, int points) {
  if (!AddPlayedWord(game, player, word, points)) return;
  game.View().SetControlHint(names::PlIm(player), AvatarHint(game, player));
}

void AwardFullRackBonus(Game& game, int player, int messageColor) {
  if (ShowsScoring(game)) {
    game.PlaySound(QStringLiteral("Bonus2"));
    Float(game, game.InterfaceText(u"InGameMessageAllLettersUsedBonus"), messageColor);
  }
  Wait(game, 2000);
  AddScore(game, player, kFullRackBonus);
  AppendFullRackBonus(game);
  Wait(game, 700);
}

void ApplyAcceptedMove(Game& game, int player) {
  game.MoveNewTiles.clear();
  for (const TPlayedWord& word : game.MoveWords) {
    const bool hinted = IsHintedWord(game, word);
    game.FirstMove = false;
    CommitWord(game, word);
    const int points = ScoreWord(game, player, word, hinted);
    RecordPlayedWord(game, player, word, points);
    AppendPlayedWord(game, word, points, hinted);
    game.Players[player].ExchangeRun = 0;
  }
  if (EmptySlotCount(game, player) == kRackSlots) AwardFullRackBonus(game, player, colors::White);
  DropUnreachablePendingLetters(game);
  game.CheckScoreLimit();
  game.MoveAccepted = true;
  if (EmptySlotCount(game, player) == kRackSlots) return;
  AppendUsedSlots(game, UsedSlotNumbers(game, player));
}

std::string UsedSlotNumbers(Game& game, int player) {
  // the slots whose tiles of the move's start are no longer on the rack were laid
  for (TRackSnapshotEntry& entry : game.RackSnapshot) entry.Used = entry.TileIndex >= 0;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const int tile = game.Racks[player][slot].TileIndex;
    for (TRackSnapshotEntry& entry : game.RackSnapshot) {
      if (tile >= 0 && entry.TileIndex == tile) entry.Used = false;
    }
  }
  std::string used;
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    if (game.RackSnapshot[slot].Used) used += std::to_string(slot);
  }
  return used;
}

void ShowPreviewScores(Game& game) {
  TPlayField& field = game.PlayField;
  std::vector<std::uint8_t> kinds;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) kinds.push_back(field(x, y).Kind);
  }
  const ScreenRect board = game.View().BoardPicture();
  std::vector<PreviewLabel> labels;
  for (const TPlayedWord& word : game.MoveWords) {
    const bool hinted = IsHintedWord(game, word);
    game.FirstMove = false;
    const int points = ScoreWord(game, game.CurrentPlayer, word, hinted);
    const ScreenPoint at = word.Direction == kVertical
                               ? ScreenPoint{board.left + kCellPixels * word.Line,
                                             board.top + kCellPixels * word.Start}
                               : ScreenPoint{board.left + kCellPixels * word.Start,
                                             board.top + kCellPixels * word.Line - 13};
    labels.push_back({at, u'+' + QString::number(points), hinted ? colors::Red : colors::White,
                      hinted ? colors::DarkRed : colors::Blue});
  }
  const int changes = 2 * (static_cast<int>(labels.size()) + 1) + 3;
  game.View().ShowPreviewLabels(labels, changes, 400);
  ResetFailedMove(game);
  std::size_t k = 0;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) field(x, y).Kind = kinds[k++];
  }
}

void DropUnreachablePendingLetters(Game& game) {
  if (game.Settings.SelectWordMode) return;
  TPlayField& field = game.PlayField;
  for (int y = 1; y <= field.DimY(); ++y) {
    for (int x = 1; x <= field.DimX(); ++x) {
      const auto refuses = [&](int nx, int ny) { return !field(nx, ny).DropAllowed; };
      if (field(x, y).PendingLetter != ' ' && refuses(x - 1, y) && refuses(x + 1, y) &&
          refuses(x, y - 1) && refuses(x, y + 1))
        field(x, y).PendingLetter = ' ';
    }
  }
}

}  // namespace quorim
