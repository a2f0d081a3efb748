#include "flow/NewGameSetup.h"

#include "flow/StartUp.h"
#include "media/CodePages.h"
#include "media/Locales.h"
#include "model/ControlNames.h"
#include "model/Layouts.h"
#include "persistence/SettingsFiles.h"

#include <algorithm>

namespace quorim {

namespace {

// The names the original program knew in Russian whatever the interface language.
constexpr char16_t kComputerName[] = u"КОМПЬЮТЕР";
constexpr char16_t kDefaultPersonName[] = u"ИГРОК";

std::string DefaultName(const Game& game, QStringView key) {
  return FitField(ToGameText(game.InterfaceText(key), game.InterfaceCodePage()), kNameWidth);
}

QString Upper(const QString& text) {
  return text.trimmed().toUpper();
}

QString NameText(const Game& game, const std::string& name) {
  return FromGameText(name, game.InterfaceCodePage());
}

// "%s" of the text replaced by the trimmed part of the limits, then a line break.
QString LimitCaption(const Game& game, QStringView key, const std::string& limits, std::size_t from,
                     std::size_t count) {
  const std::string part = from < limits.size() ? limits.substr(from, count) : std::string();
  QString caption = game.InterfaceText(key);
  caption.replace(QStringLiteral("%s"), QString::fromLatin1(part).trimmed());
  return caption + u'\n';
}

}  // namespace

bool NameTextAllowed(const QString& text) {
  return std::ranges::none_of(text, [](QChar c) { return QStringView(u"=,/()").contains(c); });
}

std::string CapitalName(const Game& game, const QString& text) {
  return FitField(ToGameText(Upper(text), game.InterfaceCodePage()), kNameWidth);
}

bool IsComputerName(const Game& game, const QString& name) {
  const QString upper = Upper(name);
  return upper == QStringView(kComputerName) ||
         (!upper.isEmpty() && upper == Upper(game.InterfaceText(u"DefaultNamePC")));
}

bool IsDefaultPersonName(const Game& game, const QString& name) {
  const QString upper = Upper(name);
  return upper == QStringView(kDefaultPersonName) ||
         (!upper.isEmpty() && upper == Upper(game.InterfaceText(u"DefaultNamePlayer")));
}

bool SamePlayer(const Game& game, const std::string& one, const std::string& other) {
  return PlayerSettingsPath(game, one) == PlayerSettingsPath(game, other);
}

std::vector<std::string> KnownPlayerNames(const Game& game) {
  std::vector<std::string> names;
  for (const TPlayer& member : game.Settings.Members) {
    if (member.Name.empty() || static_cast<int>(names.size()) == kMaxKnownPlayers) break;
    names.push_back(member.Name);
  }
  return names;
}

std::optional<int> KnownPlayerPosition(const Game& game, const std::string& name) {
  if (name.empty()) return std::nullopt;
  const std::vector<std::string> names = KnownPlayerNames(game);
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return std::nullopt;
  return static_cast<int>(found - names.begin());
}

std::string AvailableAvatar(const std::vector<Avatar>& avatars, const std::string& avatar) {
  const QString wanted = QString::fromLatin1(avatar);
  for (const Avatar& entry : avatars) {
    if (entry.name.compare(wanted, Qt::CaseInsensitive) == 0) return avatar;
  }
  return "Im0";
}

bool AddParticipant(Game& game) {
  const int count = game.PlayerCount();
  if (count >= kMaxPlayers) return false;
  game.SetPlayerCount(count + 1);
  game.Players[count + 1] = {
      .Name = DefaultName(game, u"DefaultNamePlayer"), .Avatar = "Im0", .Kind = kHuman};
  return true;
}

bool RemoveParticipant(Game& game) {
  const int count = game.PlayerCount();
  if (count <= kMinPlayers) return false;
  game.SetPlayerCount(count - 1);
  return true;
}

void MakeComputer(Game& game, int player) {
  if (player < 2 || !game.IsPlayer(player)) return;
  TPlayer& participant = game.Players[player];
  participant.Name = DefaultName(game, u"DefaultNamePC");
  participant.Kind = kComputer;
  participant.Avatar = "pc0";
}

bool MakePerson(Game& game, int player) {
  if (!game.IsPlayer(player) || game.Players[player].Kind == kHuman) return false;
  TPlayer& participant = game.Players[player];
  participant.Name = DefaultName(game, u"DefaultNamePlayer");
  participant.Kind = kHuman;
  participant.Avatar = "Im0";
  return true;
}

void TakeTypedName(Game& game, int player, const QString& text) {
  if (!game.IsPlayer(player)) return;
  TPlayer& participant = game.Players[player];
  if (!IsComputerName(game, text)) {
    participant.Avatar = "Im0";
    participant.Kind = kHuman;
  }
  participant.Name = FitField(ToGameText(text, game.InterfaceCodePage()), kNameWidth);
}

void TakeKnownPlayer(Game& game, int player, int position, const std::vector<Avatar>& avatars) {
  auto& members = game.Settings.Members;
  if (!game.IsPlayer(player) || position < 0 || position >= static_cast<int>(members.size()))
    return;
  TPlayer& member = members[static_cast<std::size_t>(position)];
  member.Avatar = AvailableAvatar(avatars, member.Avatar);
  TPlayer& participant = game.Players[player];
  participant.Name = member.Name;
  participant.Avatar = member.Avatar;
  participant.Kind = member.Kind;
  participant.SaveNumber = member.SaveNumber;
}

bool SwitchFirstParticipant(Game& game, const std::string& playerBefore, int position,
                            const std::vector<Avatar>& avatars) {
  if (!playerBefore.empty()) WritePlayerSettings(game, playerBefore);
  TakeKnownPlayer(game, 1, position, avatars);
  Settings& settings = game.Settings;
  const QString interfaceBefore = settings.InterfaceLang;
  const QString dictionaryBefore = settings.DictionaryLang;
  const QString explanatoryBefore = settings.ExplanatoryLang;
  if (!ReadPlayerSettings(game, game.Players[1].Name)) return false;
  // a file copied from another installation may name languages this one lacks
  if (!game.Data.Exists(StringsFile(settings.InterfaceLang)))
    settings.InterfaceLang = interfaceBefore;
  if (!game.Data.Exists(DictionaryFile(settings.DictionaryLang, u"dictionary.txt"))) {
    settings.DictionaryLang = dictionaryBefore;
    settings.ExplanatoryLang = explanatoryBefore;
  }
  if (const auto error = LoadDictionaryLanguage(game)) {
    game.View().ShowInGameMessage(AlphabetErrorMessage(*error, game.Strings), {});
    settings.DictionaryLang = dictionaryBefore;
    settings.ExplanatoryLang = explanatoryBefore;
    LoadDictionaryLanguage(game);
  }
  return true;
}

CommittedName CommitName(Game& game, int player, const QString& text,
                         const std::string& shownAvatar, const std::vector<Avatar>& avatars) {
  CommittedName result;
  if (!game.IsPlayer(player)) return result;
  TPlayer& participant = game.Players[player];
  // the computer's box cannot be typed in
  if (participant.Kind == kComputer) {
    result.name = participant.Name;
    return result;
  }
  result.name = CapitalName(game, text);
  participant.Name = result.name;
  const QString name = NameText(game, result.name);
  if (IsComputerName(game, name)) return result;
  result.knownPlayer = KnownPlayerPosition(game, result.name);
  if (result.knownPlayer) {
    TakeKnownPlayer(game, player, *result.knownPlayer, avatars);
    return result;
  }

  auto& members = game.Settings.Members;
  const auto free = std::find_if(members.begin(), members.end(),
                                 [](const TPlayer& member) { return member.Name.empty(); });
  const int place = static_cast<int>(free - members.begin());
  participant.Avatar = shownAvatar;
  participant.Kind = kHuman;
  if (place >= kMaxKnownPlayers) {
    // not remembered: it must not share a known player's own automatic save
    participant.SaveNumber = 0;
    return result;
  }
  TPlayer entry = free != members.end() ? *free : TPlayer{};
  entry.Name = result.name;
  entry.Avatar = FitField(shownAvatar, kAvatarWidth);
  entry.SaveNumber =
      static_cast<std::uint8_t>(IsDefaultPersonName(game, name) ? 0 : kKnownPlayerSaveBase + place);
  if (free != members.end()) {
    *free = entry;
  } else {
    members.push_back(entry);
  }
  participant.Avatar = entry.Avatar;
  participant.Kind = entry.Kind;
  participant.SaveNumber = entry.SaveNumber;
  result.knownPlayer = place;
  result.remembered = true;
  return result;
}

void ChooseAvatar(Game& game, int player, const std::string& avatar,
                  std::optional<int> knownPlayer) {
  if (!game.IsPlayer(player)) return;
  const std::string fitted = FitField(avatar, kAvatarWidth);
  game.Players[player].Avatar = fitted;
  auto& members = game.Settings.Members;
  if (knownPlayer && *knownPlayer >= 0 && *knownPlayer < static_cast<int>(members.size()))
    members[static_cast<std::size_t>(*knownPlayer)].Avatar = fitted;
}

void CycleIntellect(Game& game) {
  const int intellect = game.Settings.LastIntellect;
  game.Settings.LastIntellect =
      static_cast<std::uint8_t>(intellect >= 1 && intellect < 3 ? intellect + 1 : 1);
}

QString LayoutSummary(Game& game) {
  Settings& settings = game.Settings;
  if (!settings.LastTemplate.isEmpty()) {
    LayoutTemplate layout;
    if (!ReadTemplate(game.Data.Resolve(QStringLiteral("MAPS\\") + settings.LastTemplate),
                      layout)) {
      settings.PlayFieldDimX = static_cast<std::uint8_t>(layout.dimX);
      settings.PlayFieldDimY = static_cast<std::uint8_t>(layout.dimY);
      return QStringLiteral("%1 (%2x%3)")
          .arg(layout.displayName)
          .arg(layout.dimX)
          .arg(layout.dimY)
          .toUpper();
    }
    settings.LastTemplate.clear();
  }
  return QStringLiteral("%1. %2x%3")
      .arg(game.InterfaceText(u"NewGameLayoutRandom"))
      .arg(settings.PlayFieldDimX)
      .arg(settings.PlayFieldDimY);
}

QString IntellectSummary(const Game& game) {
  switch (game.Settings.LastIntellect) {
    case 1:
      return game.InterfaceText(u"NewGameIntellectLow");
    case 3:
      return game.InterfaceText(u"NewGameIntellectHigh");
    default:
      return game.InterfaceText(u"NewGameIntellectNormal");
  }
}

QString DictionarySummary(const Game& game) {
  const std::string& size = game.Themes.DictionarySizeMarker;
  const auto& markers = game.Themes.ThemeMarkers;
  if (size.empty()) return game.InterfaceText(u"NewGameDicttionaryMax");
  if (size.size() == 1 && size[0] == markers[kThemeCommon])
    return game.InterfaceText(u"NewGameDicttionaryNormal");
  if (size.size() == 1 && size[0] == markers[kThemeChildren])
    return game.InterfaceText(u"NewGameDicttionaryChildren");
  return game.InterfaceText(u"NewGameDicttionaryExtended");
}

QString LimitsSummary(const Game& game) {
  const std::string& limits = game.Settings.LastLimits;
  if (limits.empty()) return game.InterfaceText(u"NewGameLimitsNo");
  QString caption;
  if (limits.find("Score-") != std::string::npos) {
    caption = LimitCaption(game, u"NewGameLimitsScore", limits, 6, 4);
  } else if (limits.find("Time-") != std::string::npos) {
    caption = LimitCaption(game, u"NewGameLimitsGameTime", limits, 5, 2);
  }
  if (const std::size_t move = limits.find(" Move-"); move != std::string::npos) {
    // the two characters after it, the last two of a text that keeps its closing space
    bool number = false;
    const int entry = QString::fromLatin1(limits.substr(move + 6, 2)).trimmed().toInt(&number);
    const QStringList moveTimes =
        game.Strings.ListItems(names::Options, names::LimitsComboboxListMoveTime);
    if (number && entry >= 1 && entry <= moveTimes.size()) {
      caption += moveTimes[entry - 1].toUpper() + u' ' +
                 game.InterfaceText(u"NewGameLimitsSuffixMoveTime");
    }
  }
  return caption;
}

QString LanguageSummary(const Game& game) {
  const Settings& settings = game.Settings;
  return LanguageDisplayName(game.Locales, settings.DictionaryLang, settings.InterfaceLang)
      .toUpper();
}

}  // namespace quorim
