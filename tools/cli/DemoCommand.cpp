#include "DemoCommand.h"

#include "dictionary/Themes.h"
#include "flow/DemoGame.h"
#include "flow/StartUp.h"
#include "media/CodePages.h"
#include "model/Racks.h"

#include <QElapsedTimer>

namespace quorim::cli {

namespace {

// The headless view of a demonstration that reports the game as it goes: the record's lines as
// each turn begins, the summary when the game-over window would open.
class DemoView : public HeadlessView {
 public:
  DemoView(QTextStream* out, int turns) : out_(out), turns_(turns) { SetRecording(false); }

  void Watch(Game* game) { game_ = game; }
  int Moves() const { return moves_; }

  void ShowPanelOnTurn(int previous, int current, bool arrange) override {
    HeadlessView::ShowPanelOnTurn(previous, current, arrange);
    PrintLines();
    // a participant who cannot take letters now moves
    if (game_ == nullptr || MayDrawMore(*game_, current)) return;
    ++moves_;
    if (turns_ > 0 && moves_ > turns_) game_->GameOver = true;
  }

  void ShowGameOverWindow(const GameOverText& result) override {
    HeadlessView::ShowGameOverWindow(result);
    PrintLines();
    PrintSummary();
  }

 private:
  QString Text(std::string_view bytes) const {
    return FromGameText(bytes, game_->DictionaryCodePage());
  }

  void PrintLines() {
    if (out_ == nullptr || game_ == nullptr) return;
    const auto& lines = game_->MoveLog.Lines();
    for (; printed_ < lines.size(); ++printed_) {
      if (printed_ >= 2) *out_ << Text(lines[printed_]) << Qt::endl;
    }
  }

  void PrintSummary() {
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

  QTextStream* out_;
  int turns_;
  Game* game_ = nullptr;
  std::size_t printed_ = 0;
  int moves_ = 0;
};

// The settings of a fresh installation, so that a seed gives the same game on every machine.
void UseDefaultSettings(Game& game) {
  Settings fresh;
  fresh.InterfaceLang = game.Settings.InterfaceLang;
  fresh.DictionaryLang = game.Settings.DictionaryLang;
  fresh.ExplanatoryLang = game.Settings.ExplanatoryLang;
  game.Settings = fresh;
  LoadThemeMarkers(game);
  SetDefaultDictionaryLimits(game);
  LoadDictionaryLanguage(game);
}

}  // namespace

DemoResult PlayDemoGame(const DemoOptions& options, QTextStream* out, QTextStream& err) {
  auto view = std::make_unique<DemoView>(out, options.turns);
  DemoView& demoView = *view;
  const std::unique_ptr<CliSession> session =
      CliSession::Start(err, {options.lang, QString()}, std::move(view));
  if (!session) return {};
  Game& game = session->game();
  const bool random = options.layout == QLatin1String("random");
  if (!random && !game.Data.Exists(QStringLiteral("MAPS\\") + options.layout)) {
    err << "no layout " << options.layout << " in MAPS" << Qt::endl;
    return {};
  }
  UseDefaultSettings(game);
  Settings& settings = game.Settings;
  game.SetPlayerCount(options.players);
  for (int player = 1; player <= game.PlayerCount(); ++player) {
    TPlayer& participant = game.Players[player];
    participant.Name = "PC" + std::to_string(player);
    participant.Avatar = "pc0";
    participant.Kind = player == 1 ? kHuman : kComputer;
  }
  settings.LastTemplate = random ? QString() : options.layout;
  settings.LastIntellect = static_cast<std::uint8_t>(options.intellect);
  settings.LastLimits = options.limits.toStdString().substr(0, 20);
  settings.PlaySounds = false;
  settings.PlayBackgroundMusic = false;
  game.Seed(options.seed);
  demoView.Watch(&game);
  QElapsedTimer timer;
  timer.start();
  DemoCommand(game);
  return {true, demoView.Moves(), static_cast<double>(timer.nsecsElapsed()) / 1e6};
}

int RunDemo(const DemoOptions& options, QTextStream& out, QTextStream& err) {
  return PlayDemoGame(options, &out, err).played ? 0 : 1;
}

}  // namespace quorim::cli
