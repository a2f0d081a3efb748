#include "flow/CellHints.h"

namespace quorim {

namespace {

// The board picture's margin before the first cell.
constexpr int kBoardMargin = 18;

int FloorDiv(int a, int positive) {
  return a >= 0 ? a / positive : -((positive - 1 - a) / positive);
}

}  // namespace

std::optional<Game::CellPlace> CellPictureUnderPoint(const Game& game, int X, int Y) {
  const ScreenRect board = game.View().BoardPicture();
  const Game::CellPlace cell{FloorDiv(X - board.left - kBoardMargin, kCellPixels) + 1,
                             FloorDiv(Y - board.top - kBoardMargin, kCellPixels) + 1};
  if (!game.PlayField.IsPlayable(cell.x, cell.y)) return std::nullopt;
  return cell;
}

ScreenRect CellPicture(const Game& game, Game::CellPlace cell) {
  const ScreenRect board = game.View().BoardPicture();
  return {board.left + kBoardMargin + kCellPixels * (cell.x - 1),
          board.top + kBoardMargin + kCellPixels * (cell.y - 1), kCellPixels, kCellPixels};
}

std::optional<QString> BonusCellHint(const Game& game, Game::CellPlace cell) {
  if (!game.GameRunning || game.GameOver() || game.TurnPhase == TTurnPhase::DrawPhase ||
      !game.PlayField.IsPlayable(cell.x, cell.y))
    return std::nullopt;
  // the factors are written with the Cyrillic "х" in every language
  const auto text = [&game](QStringView key, QStringView suffix) {
    QString hint = u' ' + game.InterfaceText(key);
    hint += suffix;
    return hint;
  };
  switch (game.PlayField(cell.x, cell.y).Kind) {
    case kCellLetterX2:
      return text(u"TagCellLetter", u" \u0445 2 ");
    case kCellWordX2:
      return text(u"TagCellWord", u" \u0445 2 ");
    case kCellLetterX3:
      return text(u"TagCellLetter", u" \u0445 3 ");
    case kCellWordX3:
      return text(u"TagCellWord", u" \u0445 3 ");
    case kCellStart:
      return text(u"InGameLayoutTagCellStartCell", u" ");
    default:
      return std::nullopt;
  }
}

}  // namespace quorim
