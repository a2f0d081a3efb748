// Seeded games of computers on the shipped Russian dictionary: the board, the scores and the move
// record they leave are kept in golden files and change only when the computer's play is meant to.
// QUORIM_WRITE_GOLDEN=1 writes the files anew.

#include "VirtOpp/ComputerMove.h"
#include "media/CodePages.h"
#include "model/Participants.h"
#include "model/Racks.h"

#include "ShippedGame.h"

namespace quorim {
namespace {

constexpr const char* kGoldenFolder = QUORIM_TEST_SOURCE "/VirtOpp/golden/";

class ComputerGolden : public test::ShippedGame<> {
 protected:
  // Two computers, turn after turn, each refilling after his turn.
  QString Play(int intellect, std::uint32_t seed, int turns) {
    game_.SetPlayerCount(2);
    for (int player = 1; player <= 2; ++player) {
      game_.Players[player].Kind = kComputer;
      game_.Players[player].Name = player == 1 ? "Alpha" : "Beta";
    }
    game_.Intellect = static_cast<std::uint8_t>(intellect);
    game_.Seed(seed);
    SetUpGameModel(game_);
    game_.SetGameOver(false);
    for (int i = 0; i < 2; ++i) RefillRack(game_, (game_.CurrentPlayer + i - 1) % 2 + 1);
    for (int turn = 0; turn < turns && !game_.GameOver(); ++turn) {
      const int player = game_.CurrentPlayer;
      game_.MoveLog.Append('(' + std::string(1, static_cast<char>('0' + player)) + ')' +
                           game_.Players[player].Name + '=');
      ComputerTurn(game_, player);
      if (!game_.GameOver()) RefillRack(game_, player);
      game_.CurrentPlayer = player % 2 + 1;
    }
    return State();
  }

  QString State() const {
    const int codePage = game_.DictionaryCodePage();
    QString text;
    const TPlayField& field = game_.PlayField;
    for (int y = 1; y <= field.DimY(); ++y) {
      std::string row;
      for (int x = 1; x <= field.DimX(); ++x)
        row += field(x, y).Letter == ' ' ? '.' : field(x, y).Letter;
      text += FromGameText(row, codePage) + u'\n';
    }
    for (int player = 1; player <= 2; ++player)
      text += QStringLiteral("score %1 %2\n").arg(player).arg(game_.Players[player].Score);
    for (std::size_t i = 2; i < game_.MoveLog.Lines().size(); ++i)
      text += FromGameText(game_.MoveLog.Lines()[i], codePage) + u'\n';
    return text;
  }

  void ExpectGolden(const QString& name, const QString& state) {
    test::ExpectGolden(QString::fromUtf8(kGoldenFolder) + name, state);
  }
};

TEST_F(ComputerGolden, TwentyTurnsAtEachIntellect) {
  for (int intellect = 1; intellect <= 3; ++intellect) {
    SCOPED_TRACE(intellect);
    ExpectGolden(QStringLiteral("intellect%1_seed7.txt").arg(intellect), Play(intellect, 7, 20));
  }
}

}  // namespace
}  // namespace quorim
