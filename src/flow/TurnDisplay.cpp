#include "flow/TurnDisplay.h"

#include "flow/Clocks.h"
#include "flow/GameScreen.h"
#include "media/CodePages.h"
#include "media/Colors.h"
#include "model/ControlNames.h"
#include "model/Racks.h"

#include <string_view>

namespace quorim {

namespace {

// An animated avatar ("Im…A") plays while its participant is on turn.
bool AnimatedAvatar(const Game& game, int player) {
  return game.IsPlayer(player) && game.Players[player].Avatar.ends_with('A');
}

void DimPanel(Game& game, int player) {
  GameView& view = game.View();
  view.SetControlColor(names::Caption(player), colors::NoBrush);
  view.SetControlColor(names::PlNum(player), view.SkinColor(skincolors::ParticipantNumber));
  view.SetControlVisible(names::PlNum(player), true);
  view.SetControlVisible(names::Arrow(player), false);
  if (game.Settings.AnimActiveAvatarOnly && AnimatedAvatar(game, player))
    view.SetControlAnimated(names::PlIm(player), false);
}

void LightPanel(Game& game, int player) {
  GameView& view = game.View();
  view.SetControlColor(names::Caption(player), view.SkinColor(skincolors::PanelOnTurn));
  view.SetControlColor(names::PlNum(player), view.SkinColor(skincolors::ParticipantNumberOnTurn));
  if (AnimatedAvatar(game, player)) view.SetControlAnimated(names::PlIm(player), true);
}

// The play form's caption tells who is on turn, or asks to wait for a computer.
void ShowWhoMoves(Game& game, int player) {
  GameView& view = game.View();
  const QString label = names::RC_Label;
  const QString caption = names::RC_Caption;
  if (game.Players[player].IsComputer()) {
    view.SetControlCaption(label, game.InterfaceText(u"InGameMessageWait"));
    view.SetControlColor(label, view.SkinColor(skincolors::WaitMessage));
    view.SetControlColor(caption, colors::NoBrush);
    return;
  }
  const bool odd = player % 2 == 1;
  view.SetControlCaption(label,
                         PlayerName(game, player) + game.FixedText(FixedTextKey::PlayerMoves));
  view.SetControlColor(caption, view.SkinColor(odd ? skincolors::OddParticipantCaption
                                                   : skincolors::EvenParticipantCaption));
  view.SetControlColor(
      label, view.SkinColor(odd ? skincolors::OddParticipant : skincolors::EvenParticipantLabel));
}

void StartMoveLine(Game& game, int player) {
  std::string header = "(";
  header += std::to_string(player);
  header += ')';
  header += game.Players[player].Name;
  header += '=';
  // His own line goes on only while it holds a turn in progress (a replayed game stopped in
  // it): a finished turn's line stays as it is, also when the lines after it were dropped.
  const auto& lines = game.MoveLog.Lines();
  if (!lines.empty()) {
    const std::string& last = lines.back();
    const bool finished =
        last.find("WORDS:") != std::string::npos || last.find("SLOT:") != std::string::npos;
    if (!finished && last.substr(0, last.find('=') + 1) == header) return;
  }
  game.MoveLog.Append(header);
}

QString DictionarySizeText(const Game& game) {
  const std::string& size = game.Themes.DictionarySizeMarker;
  const auto marker = [&game](int entry) {
    return std::string(1, game.Themes.ThemeMarkers[static_cast<std::size_t>(entry)]);
  };
  if (size.empty()) return game.InterfaceText(u"InGameInfoDictionaryMax");
  if (size == marker(kThemeCommon)) return game.InterfaceText(u"InGameInfoDictionaryNormal");
  if (size == marker(kThemeChildren)) return game.InterfaceText(u"InGameInfoDictionaryChildren");
  return game.InterfaceText(u"InGameInfoDictionaryExtended");
}

QString LimitsText(Game& game) {
  const std::string& limits = game.Limits;
  if (limits.empty()) return game.InterfaceText(u"InGameInfoLimitsNo");
  QString text;
  const std::size_t dash = limits.find('-');
  if (game.HasScoreLimit() || game.GameClockOn()) {
    const QString amount = QString::fromLatin1(limits.substr(dash + 1, 5).c_str()).trimmed();
    text = game.InterfaceText(game.HasScoreLimit() ? u"InGameInfoLimitsScore"
                                                   : u"InGameInfoLimitsTime");
    text.replace(text.indexOf(QStringLiteral("%s")), 2, amount);
  }
  if (limits.find("Move") != std::string::npos) {
    const QStringList entries =
        game.Strings.ListItems(names::Options, names::LimitsComboboxListMoveTime);
    const QString entry = entries.value(game.MoveMinutes() - 1);
    if (!text.isEmpty())
      text += QStringLiteral(". ") + entry + game.InterfaceText(u"InGameInfoLimitsSuffixMoveTime");
    else
      text = game.InterfaceText(u"InGameInfoLimitsMoveTime") + entry;
  }
  return text;
}

}  // namespace

void ShowParticipantOnTurn(Game& game) {
  const int player = game.CurrentPlayer;
  if (!game.IsPlayer(player)) return;
  GameView& view = game.View();
  const int previous = game.HighlightedPlayer;
  for (int other = 1; other <= game.PlayerCount(); ++other) {
    if (other != player && other == previous) DimPanel(game, other);
  }
  LightPanel(game, player);
  view.ShowPanelOnTurn(previous, player, game.Settings.AutoSpreadPlayers);
  game.HighlightedPlayer = player;

  if (!game.DemoRunning) {
    // the turn begins with taking letters unless the rack is full or nothing is left to draw
    const bool drawing = MayDrawMore(game, player);
    ShowStatus(
        game,
        u' ' + PlayerName(game, player) + u' ' +
            game.InterfaceText(drawing ? u"StatusNetOrPCTakingLetters" : u"StatusNetOrPCMoving") +
            u' ',
        view.SkinColor(skincolors::OddParticipant));
  }
  ShowWhoMoves(game, player);
  const QString arrow = names::Arrow(player);
  view.SetControlPicture(arrow, QStringLiteral("ANIMATIO\\Arrow_right"));
  view.SetControlAnimated(arrow, game.Settings.AnimHighlightActivePlayer);
  view.SetControlVisible(arrow, true);

  if (game.GameClockOn()) SetTimer(game, GameTimer::Elapsed, true);
}

void ShowTurnChange(Game& game) {
  if (!game.IsPlayer(game.CurrentPlayer)) return;
  ShowParticipantOnTurn(game);
  StartMoveLine(game, game.CurrentPlayer);
}

void SystemTick(Game& game) {
  if (game.LoadingGame || game.GameOver()) return;
  game.View().BackgroundMusic(MusicCue::NextIfFinished);
  if (game.HighlightedPlayer != game.CurrentPlayer) ShowTurnChange(game);
}

void FillInfoPanel(Game& game) {
  GameView& view = game.View();
  const int intellect = game.Intellect;
  view.SetControlCaption(names::Comment1,
                         game.InterfaceText(intellect == 1   ? u"InGameInfoIntellectLow"
                                            : intellect == 3 ? u"InGameInfoIntellectHigh"
                                                             : u"InGameInfoIntellectNormal"));
  view.SetControlCaption(names::Comment2, LimitsText(game));
  view.SetControlCaption(names::Comment3,
                         DictionarySizeText(game) + QStringLiteral(", ") +
                             game.InterfaceText(u"TitleCaptionCurrentDictLanguage") + u' ' +
                             LanguageDisplayName(game.Locales, game.Settings.DictionaryLang,
                                                 game.Settings.InterfaceLang));
}

void ShowIntellectChoice(Game& game) {
  const int intellect = game.Settings.LastIntellect;
  game.View().SetControlChecked(names::MenuIntellectLow, intellect == 1);
  game.View().SetControlChecked(names::MenuIntellectNormal, intellect == 2);
  game.View().SetControlChecked(names::MenuIntellectHigh, intellect == 3);
}

}  // namespace quorim
