#include "flow/GameScreen.h"

#include "flow/SavedGames.h"
#include "media/CodePages.h"

#include <initializer_list>

namespace quorim {

namespace {

constexpr int kStatusTag = 666;

void SetCursors(Game& game, std::initializer_list<const char*> names, ControlCursor cursor) {
  for (const char* name : names) game.View().SetControlCursor(QString::fromLatin1(name), cursor);
}

}  // namespace

void SetMoveButtonsCursor(Game& game, ControlCursor cursor) {
  SetCursors(game,
             {"InGameButtongGo", "InGameButtongChangeLetters", "InGameButtongHint",
              "InGameButtongPreview"},
             cursor);
}

void OfferHints(Game& game) {
  const bool left = game.HintsLeft > 0;
  game.View().SetControlCursor(QStringLiteral("InGameButtongHint"),
                               left ? ControlCursor::Hand : ControlCursor::NoEntry);
  game.View().SetControlEnabled(QStringLiteral("MenuHelpHInt"), left);
}

void SetSaveLoadButtonsCursor(Game& game, ControlCursor cursor) {
  SetCursors(game, {"InGameButtongSaveGame", "InGameButtongLoadGame"}, cursor);
}

void SetGameMenusEnabled(Game& game, bool enabled) {
  for (const char* name : {"MenuGame", "MenuHelp", "MenuIntellect"})
    game.View().SetControlEnabled(QString::fromLatin1(name), enabled);
}

void SetScreenCursor(Game& game, ControlCursor cursor) {
  game.View().SetControlCursor(QStringLiteral("Screen"), cursor);
}

bool ScreenBusy(const Game& game) {
  return game.View().ControlCursorOf(QStringLiteral("Screen")) == ControlCursor::Hourglass;
}

void ShowTitleScreen(Game& game, bool visible) {
  GameView& view = game.View();
  for (const char* name :
       {"MenuBgr", "MenuButton1", "MenuButton2", "MenuButton3", "ScreenButtonTitleNewGame",
        "ScreenButtonTitleLoadGame", "ScreenButtonTitleExit", "ScreenButtonTitleLastPlayer"}) {
    view.SetControlVisible(QString::fromLatin1(name), visible);
  }
  // Continue is offered only for a last game that can be read.
  const auto lastGame = visible ? SlotSummary(game, kLastGameSlot) : std::nullopt;
  const QString continueButton = QStringLiteral("ScreenButtonTitleContinue");
  if (lastGame) view.SetControlHint(continueButton, lastGame->summary);
  view.SetControlVisible(continueButton, lastGame.has_value());
  view.SetControlVisible(QStringLiteral("MenuButton6"), lastGame.has_value());
}

void ShowStatus(Game& game, const QString& text, int color) {
  const QString status = QStringLiteral("FlashAnnounce");
  game.View().SetControlCaption(status, text);
  game.View().SetControlColor(status, color);
  game.View().SetControlTag(status, text.isEmpty() ? 0 : kStatusTag);
}

QString PlayerName(const Game& game, int player) {
  if (!game.IsPlayer(player)) return {};
  return FromGameText(game.Players[player].Name, game.InterfaceCodePage());
}

}  // namespace quorim
