// The turn controller on the shipped Russian game: the deal, the order of turns, chains of
// computer turns, the end of a game, the end request, long runs of exchanges and the commands'
// effects on the screen.

#include "flow/HandCommands.h"
#include "flow/TurnCommands.h"
#include "flow/TurnController.h"
#include "media/CodePages.h"
#include "model/Racks.h"

#include "ShippedGame.h"

namespace quorim {
namespace {

std::string G(const char* utf8) {
  return ToGameText(QString::fromUtf8(utf8), 1251);
}

class Controller : public test::ShippedGame<> {
 protected:
  Controller() {
    game_.Settings.PlaySounds = false;
    game_.Settings.LettersAutoSelect = true;
  }

  void Seat(std::initializer_list<std::uint8_t> kinds) {
    game_.SetPlayerCount(static_cast<int>(kinds.size()));
    int player = 1;
    for (std::uint8_t kind : kinds) {
      game_.Players[player] = {.Name = std::string(1, 'P').append(std::to_string(player)),
                               .Avatar = "pc0",
                               .Kind = kind};
      ++player;
    }
  }

  // A new game from the first seed at which participant 1, a person, has the first move.
  void StartWithParticipantOneFirst() {
    for (std::uint32_t seed = 1;; ++seed) {
      game_.Seed(seed);
      RunNewGame(game_);
      if (game_.CurrentPlayer == 1 && game_.FirstMove) return;
    }
  }

  // The first letters of the participant's rack become these; with `only`, the other slots are
  // emptied.
  void GiveRack(int player, const char* utf8, bool only = false) {
    const std::string letters = G(utf8);
    TRack& rack = game_.Racks[player];
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      if (slot <= static_cast<int>(letters.size())) {
        rack[slot].Letter = letters[slot - 1];
        game_.TileTable[rack[slot].TileIndex].SetLetter(rack[slot].Letter,
                                                        game_.Alphabet.StarCode());
      } else if (only) {
        rack[slot] = TRackSlot{};
      }
    }
  }

  // What the person's mouse would do: the tile of a rack slot onto a cell.
  void Lay(int slot, int x, int y) {
    ASSERT_TRUE(PickUpTile(game_, game_.Racks[game_.CurrentPlayer][slot].TileIndex));
    ASSERT_EQ(DropOnCell(game_, x, y), DropResult::Placed);
  }

  void EmptyTheBag() {
    for (int y = 1; y <= game_.PlayField.DimY(); ++y) {
      for (int x = 1; x <= game_.PlayField.DimX(); ++x) game_.PlayField(x, y).BagLetter = ' ';
    }
    game_.BagCount = 0;
  }

  const std::vector<std::string>& Lines() const { return game_.MoveLog.Lines(); }
  // The pictures the Go and Exchange buttons were given.
  QStringList ButtonPictures() const {
    QStringList pictures;
    for (const ViewCall& call : view_.CallsNamed(ViewCallName::SetControlPicture)) {
      if (call.args[0].startsWith(QStringLiteral("InGameButtong"))) pictures << call.args[1];
    }
    return pictures;
  }
  bool GameEnded() const { return !view_.CallsNamed(ViewCallName::ShowGameOverWindow).empty(); }
  QString Text(QStringView key) const { return game_.InterfaceText(key); }
};

TEST_F(Controller, TheDealGoesOnceRoundTheTableBeforeTheFirstParticipantMoves) {
  Seat({kHuman, kHuman, kHuman});
  game_.Seed(3);
  RunNewGame(game_);
  const int first = game_.CurrentPlayer;
  ASSERT_EQ(Lines().size(), 2u + 3u + 1u);
  for (int i = 0; i < 3; ++i) {
    const std::string& deal = Lines()[2 + i];
    const int dealer = (first + i - 1) % 3 + 1;
    EXPECT_EQ(deal[1] - '0', dealer) << deal;
    EXPECT_NE(deal.find("SLOT:"), std::string::npos);
    EXPECT_EQ(deal.find("/-1,"), std::string::npos) << "every slot filled: " << deal;
    EXPECT_EQ(EmptySlotCount(game_, dealer), 0);
  }
  EXPECT_EQ(Lines().back(), QStringLiteral("(%1)P%1=").arg(first).toStdString());
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);
  EXPECT_EQ(game_.BagCount, 225 - 21);
}

TEST_F(Controller, AnAnimatedAvatarPlaysWhileItsParticipantIsOnTurn) {
  Seat({kHuman, kHuman});
  game_.Players[1].Avatar = "Im2A";  // the chooser names animations with a final "A"
  game_.Settings.AnimActiveAvatarOnly = true;
  StartWithParticipantOneFirst();
  EXPECT_TRUE(view_.Control(names::PlIm(1)).animated);
  Lay(1, 8, 8);
  ReturnLaidLetters(game_);
  ToggleExchangeMark(game_, 1);
  ExchangeCommand(game_);
  ASSERT_EQ(game_.CurrentPlayer, 2);
  EXPECT_FALSE(view_.Control(names::PlIm(1)).animated);
}

TEST_F(Controller, WithManualDrawingEveryPersonClicksHisOwnSevenLetters) {
  Seat({kHuman, kHuman});
  game_.Settings.LettersAutoSelect = false;
  game_.Seed(3);
  RunNewGame(game_);
  const int first = game_.CurrentPlayer;
  for (int round = 0; round < 2; ++round) {
    const int drawing = (first + round - 1) % 2 + 1;
    ASSERT_EQ(game_.CurrentPlayer, drawing);
    EXPECT_EQ(game_.TurnPhase, TTurnPhase::DrawPhase);
    EXPECT_TRUE(view_.Control(names::ChoicePanel).visible);
    EXPECT_TRUE(view_.Control(names::FlashAnnounce).caption.startsWith(Text(u"StatusTakeLetters")));
    for (int y = 1; y <= 15 && EmptySlotCount(game_, drawing) > 0; ++y) {
      for (int x = 1; x <= 15 && EmptySlotCount(game_, drawing) > 0; ++x)
        if (game_.PlayField(x, y).BagLetter != ' ') BagTileClicked(game_, x, y);
    }
  }
  EXPECT_EQ(game_.CurrentPlayer, first);
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);
  EXPECT_EQ(game_.BagCount, 225 - 14);
  EXPECT_NE(Lines()[3].find("SLOT:"), std::string::npos);
}

TEST_F(Controller, ComputersInARowMoveInsideThePersonsGoCommand) {
  Seat({kHuman, kComputer, kComputer});
  StartWithParticipantOneFirst();
  GiveRack(1, "КОТ");
  Lay(1, 7, 8);
  Lay(2, 8, 8);
  Lay(3, 9, 8);
  GoCommand(game_);
  EXPECT_EQ(game_.CurrentPlayer, 1);
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);
  const std::size_t n = Lines().size();
  ASSERT_GE(n, 5u);
  EXPECT_EQ(Lines()[n - 4].find(G("(1)P1=WORDS:КОТ(")), 0u) << Lines()[n - 4];
  EXPECT_EQ(Lines()[n - 3].substr(0, 3), "(2)");
  EXPECT_EQ(Lines()[n - 2].substr(0, 3), "(3)");
  EXPECT_EQ(Lines()[n - 1], "(1)P1=");
  EXPECT_EQ(EmptySlotCount(game_, 1), 0);  // the person refilled before the turn passed
  EXPECT_TRUE(view_.Control(names::MenuGame).enabled);
  EXPECT_EQ(view_.Control(names::InGameButtongSaveGame).cursor, ControlCursor::Hand);
}

TEST_F(Controller, ATileStillFlyingWhenTheTurnPassesIsWaitedForOnceNotPolled) {
  Seat({kHuman, kHuman});
  StartWithParticipantOneFirst();
  // the screen is still flying a tile when a nested command passes the turn
  game_.AnimationBusy = true;
  view_.ClearCalls();
  NextTurn(game_, true);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::WaitForTileFlight).size(), 1u);
  EXPECT_EQ(game_.CurrentPlayer, 2);
  // nothing flies: no wait at all
  game_.AnimationBusy = false;
  view_.ClearCalls();
  NextTurn(game_, true);
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::WaitForTileFlight).empty());
}

TEST_F(Controller, TheGameEndsWhenTheTurnReachesAnEmptyRackWithTheBagEmpty) {
  Seat({kHuman, kHuman});
  StartWithParticipantOneFirst();
  EmptyTheBag();
  GiveRack(2, "ДМ", true);
  GiveRack(1, "КОТ", true);
  Lay(1, 7, 8);
  Lay(2, 8, 8);
  Lay(3, 9, 8);
  GoCommand(game_);
  // the last letters are laid, but the game goes on: the next person still has letters
  EXPECT_FALSE(GameEnded());
  EXPECT_EQ(game_.CurrentPlayer, 2);
  EXPECT_EQ(game_.TurnPhase, TTurnPhase::MovePhase);

  Lay(1, 8, 7);
  Lay(2, 8, 9);
  GoCommand(game_);
  ASSERT_TRUE(GameEnded());
  const int winner = game_.Players[1].Score > game_.Players[2].Score ? 1 : 2;
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowGameOverWindow)[0].args[0], QString::number(winner));
  EXPECT_FALSE(game_.GameRunning);
  EXPECT_TRUE(view_.Control(names::ScreenButtonTitleNewGame).visible);
}

TEST_F(Controller, AnEndRequestAsksUnlessSomeoneOfTheFirstFourHasThreeHundred) {
  Seat({kHuman, kHuman, kHuman, kHuman, kHuman});
  StartWithParticipantOneFirst();
  game_.Players[5].Score = 400;  // the fifth does not count
  view_.AnswerQuestions({false});
  EndRequest(game_);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::AskInGameQuestion),
            QStringList{Text(u"InGameQuestionBreakGame")});
  EXPECT_TRUE(game_.GameRunning);

  game_.Players[4].Score = 300;
  EndRequest(game_);
  EXPECT_EQ(view_.CallsNamed(ViewCallName::AskInGameQuestion).size(), 1u);
  EXPECT_TRUE(GameEnded());
  EndRequest(game_);  // nothing runs any more
  EXPECT_EQ(view_.CallsNamed(ViewCallName::ShowGameOverWindow).size(), 1u);
}

TEST_F(Controller, TheSixthExchangeInARowAsksFirstAndNoEndsTheGame) {
  Seat({kHuman, kHuman});
  StartWithParticipantOneFirst();
  game_.Players[1].ExchangeRun = 4;
  ToggleExchangeMark(game_, 1);
  ExchangeCommand(game_);  // the fifth goes without a question
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::AskInGameQuestion).isEmpty());
  EXPECT_EQ(game_.CurrentPlayer, 2);

  game_.Players[2].ExchangeRun = 5;
  ToggleExchangeMark(game_, 3);
  view_.AnswerQuestions({false});
  view_.ClearCalls();
  ExchangeCommand(game_);
  EXPECT_EQ(view_.FirstArgs(ViewCallName::AskInGameQuestion),
            QStringList{Text(u"InGameQuestionTooMuchLettersExchange")});
  EXPECT_TRUE(view_.CallsNamed(ViewCallName::ShowExplosion).empty());
  EXPECT_TRUE(GameEnded());
}

TEST_F(Controller, TheIntellectMenuChangesTheComputersNextMoveAndTheInfoPanel) {
  Seat({kHuman, kComputer});
  game_.Settings.LastIntellect = 1;
  StartWithParticipantOneFirst();
  EXPECT_EQ(view_.Control(names::Comment1).caption, Text(u"InGameInfoIntellectLow"));
  IntellectCommand(game_, 3);
  EXPECT_EQ(game_.Intellect, 3);
  EXPECT_EQ(view_.Control(names::Comment1).caption, Text(u"InGameInfoIntellectHigh"));
  EXPECT_TRUE(view_.Control(names::MenuIntellectHigh).checked);
  EXPECT_FALSE(view_.Control(names::MenuIntellectLow).checked);
  IntellectCommand(game_, 7);  // no such strength
  EXPECT_EQ(game_.Intellect, 3);
}

TEST_F(Controller, OnlyParticipantOneSeesThePressedButtonsAndARefusedGoStopsTheGameClock) {
  Seat({kHuman, kHuman});
  game_.Settings.LastLimits = "Time-10 ";
  StartWithParticipantOneFirst();
  EXPECT_TRUE(view_.TimerRunning(GameTimer::Elapsed));
  view_.ClearCalls();
  GoCommand(game_);  // nothing laid
  EXPECT_EQ(view_.FirstArgs(ViewCallName::ShowInGameMessage),
            QStringList{Text(u"InGameMessageGoNoWords")});
  EXPECT_FALSE(view_.TimerRunning(GameTimer::Elapsed));
  EXPECT_EQ(ButtonPictures(), (QStringList{"Go!_1p", "Go!_1"}));

  ToggleExchangeMark(game_, 1);
  ExchangeCommand(game_);
  ASSERT_EQ(game_.CurrentPlayer, 2);
  EXPECT_TRUE(view_.TimerRunning(GameTimer::Elapsed));  // the turn passed
  view_.ClearCalls();
  ToggleExchangeMark(game_, 1);
  ExchangeCommand(game_);
  EXPECT_EQ(game_.CurrentPlayer, 1);
  EXPECT_TRUE(ButtonPictures().isEmpty());
}

TEST_F(Controller, TurnsLostOnTheClockLeaveFinishedLinesAndTheStarsTheyTookBack) {
  Seat({kHuman, kHuman});
  game_.Settings.LastLimits = " Move-1 ";
  StartWithParticipantOneFirst();
  const std::vector<std::string> deal(Lines().begin(), Lines().end() - 1);
  MoveTimeOut(game_);
  MoveTimeOut(game_);
  // the deal's lines stay, though participant 2's is the last before each new turn
  EXPECT_EQ(std::vector<std::string>(Lines().begin(), Lines().end() - 1), deal);
  EXPECT_EQ(Lines().back(), "(1)P1=");

  game_.MoveLog.AppendToLastLine("TAKESTAR:5/9,");
  MoveTimeOut(game_);
  ASSERT_EQ(Lines().size(), deal.size() + 2);
  EXPECT_EQ(Lines()[deal.size()], "(1)P1=TAKESTAR:5/9,");
  EXPECT_EQ(Lines().back(), "(2)P2=");
  MoveTimeOut(game_);
  // participant 1's new turn goes on in his line, whose trade a replay makes first
  EXPECT_EQ(Lines().size(), deal.size() + 1);
  EXPECT_EQ(Lines().back(), "(1)P1=TAKESTAR:5/9,");
}

TEST_F(Controller, ThePanelsTellWhoMovesAndTheMoveTimeInTheInterfaceLanguage) {
  Seat({kHuman, kComputer});
  game_.Settings.LastLimits = "Score-100  Move-3 ";
  game_.Strings.Prepare();
  StartWithParticipantOneFirst();
  EXPECT_EQ(view_.Control("RC_Label").caption, u"P1 ходит");
  EXPECT_EQ(view_.Control("Comment2").caption, u"Игра до счёта 100. 3 минуты на ход");

  ASSERT_TRUE(game_.Strings.LoadRaw(game_.Data.Resolve(StringsFile(u"eng"))));
  game_.Strings.Prepare();
  game_.Settings.LastLimits = " Move-2 ";
  StartWithParticipantOneFirst();
  EXPECT_EQ(view_.Control("RC_Label").caption, u"P1 to move");
  EXPECT_EQ(view_.Control("Comment2").caption, u"Move time: 2 minutes");
}

TEST_F(Controller, ANameTheRecordCannotHoldRefusesTheGame) {
  Seat({kHuman, kComputer});
  game_.Players[2].Name = "R2/D2";
  RunNewGame(game_);
  ASSERT_EQ(view_.FirstArgs(ViewCallName::ShowInGameMessage).size(), 1);
  EXPECT_TRUE(view_.FirstArgs(ViewCallName::ShowInGameMessage)[0].contains("R2/D2"));
  EXPECT_FALSE(game_.GameRunning);
  EXPECT_FALSE(game_.MoveLog.Exists());
  EXPECT_TRUE(view_.Control(names::ScreenButtonTitleNewGame).visible);
}

}  // namespace
}  // namespace quorim
