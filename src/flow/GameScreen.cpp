#include "flow/GameScreen.h"

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
  for (const char* name :
       {"MenuBgr", "MenuButton1", "MenuButton2", "MenuButton3", "MenuButton6",
        "ScreenButtonTitleNewGame", "ScreenButtonTitleLoadGame", "ScreenButtonTitleExit",
        "ScreenButtonTitleContinue", "ScreenButtonTitleLastPlayer"}) {
    game.View().SetControlVisible(QString::fromLatin1(name), visible);
  }
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
