#include "flow/GameScreen.h"

#include "flow/SavedGames.h"
#include "media/CodePages.h"
#include "media/Locales.h"
#include "model/ControlNames.h"

#include <initializer_list>

namespace quorim {

namespace {

void SetCursors(Game& game, std::initializer_list<QString> controls, ControlCursor cursor) {
  for (const QString& name : controls) game.View().SetControlCursor(name, cursor);
}

}  // namespace

void SetMoveButtonsCursor(Game& game, ControlCursor cursor) {
  SetCursors(game,
             {names::InGameButtongGo, names::InGameButtongChangeLetters, names::InGameButtongHint,
              names::InGameButtongPreview},
             cursor);
}

void OfferHints(Game& game) {
  const bool left = game.HintsLeft > 0;
  game.View().SetControlCursor(names::InGameButtongHint,
                               left ? ControlCursor::Hand : ControlCursor::NoEntry);
  game.View().SetControlEnabled(names::MenuHelpHInt, left);
}

void SetSaveLoadButtonsCursor(Game& game, ControlCursor cursor) {
  SetCursors(game, {names::InGameButtongSaveGame, names::InGameButtongLoadGame}, cursor);
}

void SetGameMenusEnabled(Game& game, bool enabled) {
  for (const QString& name : {names::MenuGame, names::MenuHelp, names::MenuIntellect})
    game.View().SetControlEnabled(name, enabled);
}

void SetScreenCursor(Game& game, ControlCursor cursor) {
  game.View().SetControlCursor(names::Screen, cursor);
}

bool ScreenBusy(const Game& game) {
  return game.View().Control(names::Screen).cursor == ControlCursor::Hourglass;
}

void ShowTitleScreen(Game& game, bool visible) {
  GameView& view = game.View();
  for (const QString& name :
       {names::MenuBgr, names::MenuButton1, names::MenuButton2, names::MenuButton3,
        names::ScreenButtonTitleNewGame, names::ScreenButtonTitleLoadGame,
        names::ScreenButtonTitleExit, names::ScreenButtonTitleLastPlayer}) {
    view.SetControlVisible(name, visible);
  }
  if (visible) {
    const Settings& settings = game.Settings;
    view.SetControlCaption(
        names::ScreenButtonTitleLastPlayer,
        game.InterfaceText(u"TitleCaptionCurrentPlayer") + u' ' + PlayerName(game, 1) + u'\n' +
            game.InterfaceText(u"TitleCaptionCurrentDictLanguage") + u' ' +
            LanguageDisplayName(game.Locales, settings.DictionaryLang, settings.InterfaceLang));
  }
  // Continue is offered only for a last game that can be read.
  const auto lastGame = visible ? SlotSummary(game, kLastGameSlot) : std::nullopt;
  if (lastGame) view.SetControlHint(names::ScreenButtonTitleContinue, lastGame->summary);
  view.SetControlVisible(names::ScreenButtonTitleContinue, lastGame.has_value());
  view.SetControlVisible(names::MenuButton6, lastGame.has_value());
}

void ShowStatus(Game& game, const QString& text, int color) {
  game.View().SetControlCaption(names::FlashAnnounce, text);
  game.View().SetControlColor(names::FlashAnnounce, color);
  game.View().SetControlTag(names::FlashAnnounce, text.isEmpty() ? 0 : kStatusTextTag);
}

QString PlayerName(const Game& game, int player) {
  if (!game.IsPlayer(player)) return {};
  return FromGameText(game.Players[player].Name, game.InterfaceCodePage());
}

}  // namespace quorim
