#include "ReportingView.h"

#include "flow/SavedGames.h"
#include "media/CodePages.h"
#include "model/Racks.h"

namespace quorim::cli {

ReportingView::ReportingView(QTextStream* out, int turns) : out_(out), turns_(turns) {
  SetRecording(false);
}

void ReportingView::SkipPrintedLines() {
  if (game_ != nullptr) printed_ = game_->MoveLog.Lines().size();
}

void ReportingView::ShowPanelOnTurn(int previous, int current, bool arrange) {
  HeadlessView::ShowPanelOnTurn(previous, current, arrange);
  PrintLines();
  // a participant who cannot take letters now moves
  if (game_ == nullptr || MayDrawMore(*game_, current)) return;
  ++moves_;
  if (turns_ > 0 && moves_ > turns_) game_->SetGameOver(true);
}

void ReportingView::ShowGameOverWindow(const GameOverText& result) {
  HeadlessView::ShowGameOverWindow(result);
  PrintLines();
  if (!savePath_.isEmpty() && game_ != nullptr) saveFailed_ = !WriteSavedGame(*game_, savePath_);
  PrintSummary();
}

QString ReportingView::Text(std::string_view bytes) const {
  return FromGameText(bytes, game_->DictionaryCodePage());
}

void ReportingView::PrintLines() {
  if (out_ == nullptr || game_ == nullptr) return;
  const auto& lines = game_->MoveLog.Lines();
  for (; printed_ < lines.size(); ++printed_) {
    if (printed_ >= 2) *out_ << Text(lines[printed_]) << Qt::endl;
  }
}

void ReportingView::PrintSummary() {
  if (out_ == nullptr || game_ == nullptr) return;
  QTextStream& out = *out_;
  const Game& game = *game_;
  const TPlayField& field = game.PlayField;
  out << "summary" << Qt::endl << "board" << Qt::endl;
  for (int y = 1; y <= field.DimY(); ++y) {
    std::string row;
    for (int x = 1; x <= field.DimX(); ++x)
      row += field(x, y).Letter == ' ' ? '.' : field(x, y).Letter;
    out << Text(row) << Qt::endl;
  }
  const char star = game.Alphabet.StarCode();
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    std::string rack;
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      const char letter = game.Racks[player][slot].Letter;
      rack += letter == ' ' ? '_' : letter == star ? '*' : letter;
    }
    out << "rack " << player << ' ' << Text(rack) << Qt::endl;
  }
  for (int player = 1; player <= game.PlayerCount(); ++player)
    out << "score " << player << ' ' << game.Players[player].Score << Qt::endl;
  out << "bag " << game.BagCount << Qt::endl
      << "turn " << game.CurrentPlayer << Qt::endl
      << "hints " << game.HintsLeft << Qt::endl;
}

}  // namespace quorim::cli
