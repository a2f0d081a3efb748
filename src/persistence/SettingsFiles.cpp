#include "persistence/SettingsFiles.h"

#include "dictionary/Themes.h"
#include "media/CodePages.h"
#include "media/LetterCase.h"
#include "media/TextFiles.h"
#include "persistence/KeyedText.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>

namespace quorim {

namespace {

constexpr QStringView kMainSettingsFile = u"quorim.ini";
constexpr int kSkinWidth = 50;
constexpr int kLimitsWidth = 20;
constexpr int kTemplateWidth = 255;
constexpr int kDefaultLensSize = 120;

// A cut that never leaves half of a surrogate pair behind.
QString Cut(const QString& text, qsizetype width) {
  if (text.size() <= width) return text;
  if (width > 0 && text[width - 1].isHighSurrogate()) --width;
  return text.left(width);
}

const char* KindName(std::uint8_t kind) {
  switch (kind) {
    case kComputer:
      return "PC";
    case kNetwork:
      return "Net";
    default:
      return "Human";
  }
}

std::uint8_t KindFromName(std::string_view name) {
  if (name == "PC") return kComputer;
  if (name == "Net") return kNetwork;
  return kHuman;
}

QString AddCustomWordName(std::uint8_t rule) {
  switch (rule) {
    case kAddWordYes:
      return QStringLiteral("Yes");
    case kAddWordAsk:
      return QStringLiteral("Ask");
    default:
      return QStringLiteral("No");
  }
}

std::uint8_t AddCustomWordFromName(const QString& name) {
  if (name == u"Yes") return kAddWordYes;
  if (name == u"Ask") return kAddWordAsk;
  return kAddWordNo;
}

// An option stored as 0/1 or as a number within its range; the tables below list them in file
// order, so that reading and writing cannot drift apart.
struct OptionKey {
  QStringView key;
  std::variant<bool Settings::*, std::uint8_t Settings::*, std::uint16_t Settings::*> field;
  long long low = 0;
  long long high = 0;
};
using Options = std::span<const OptionKey>;

constexpr OptionKey kCommonOptions[] = {
    {u"ShowPCWords", &Settings::ShowPCWords},
    {u"CrossWordMode", &Settings::CrossWordMode},
    {u"SelectWordMode", &Settings::SelectWordMode},
    {u"ExchangeStars", &Settings::ExchangeStars},
    {u"FlashStarMarkers", &Settings::FlashStarMarkers},
    {u"AllowWordRepeat", &Settings::AllowWordRepeat},
    {u"KeepBonuses", &Settings::KeepBonuses},
    {u"LettersAutoSelect", &Settings::LettersAutoSelect},
    {u"MinimizeOnEsc", &Settings::MinimizeOnEsc},
    {u"AutoSpreadPlayers", &Settings::AutoSpreadPlayers},
};
constexpr OptionKey kAppearanceOptions[] = {
    {u"ShowColorLetters", &Settings::ShowColorLetters},
    {u"AnimActiveAvatarOnly", &Settings::AnimActiveAvatarOnly},
    {u"AnimHighlightActivePlayer", &Settings::AnimHighlightActivePlayer},
    {u"AlwaysShowDictionaryPanel", &Settings::AlwaysShowDictionaryPanel},
};
constexpr OptionKey kLensOption[] = {{u"LensSize", &Settings::LensSize, 0, 65535}};
constexpr OptionKey kHintOptions[] = {
    {u"HintDelay", &Settings::HintDelay, 0, 1000},
    {u"HintCount", &Settings::HintCount, 3, kHintsUnlimited},
    {u"HintPushButton", &Settings::HintPushButton},
};
constexpr OptionKey kSoundOptions[] = {
    {u"PlaySounds", &Settings::PlaySounds},
    {u"PlayBackgroundMusic", &Settings::PlayBackgroundMusic},
    {u"PlayShuffle", &Settings::PlayShuffle},
    {u"SoundVolume", &Settings::SoundVolume, 0, 100},
    {u"MusicVolume", &Settings::MusicVolume, 0, 100},
};
constexpr OptionKey kUserListOption[] = {{u"UseCustomDictionary", &Settings::UseCustomDictionary}};
constexpr OptionKey kDictionaryRules[] = {
    {u"WordRequiredAlways", &Settings::WordRequiredAlways},
    {u"AskToExcludeWord", &Settings::AskToExcludeWord},
    {u"AskToAddExplanation", &Settings::AskToAddExplanation},
    {u"UndoPCMove", &Settings::UndoPCMove},
};
constexpr OptionKey kTemplateOptions[] = {
    {u"PlayFieldDimX", &Settings::PlayFieldDimX, 15, 30},
    {u"PlayFieldDimY", &Settings::PlayFieldDimY, 15, 30},
    {u"Green", &Settings::Green, 0, 1000},
    {u"Blue", &Settings::Blue, 0, 1000},
    {u"Yellow", &Settings::Yellow, 0, 1000},
    {u"Red", &Settings::Red, 0, 1000},
    {u"Black", &Settings::Black, 1, 1000},
};

void ReadOptions(const KeyedTextReader& reader, Settings& settings, Options options) {
  for (const OptionKey& option : options) {
    std::visit(
        [&](auto field) {
          if constexpr (std::is_same_v<decltype(field), bool Settings::*>) {
            settings.*field = reader.Bool(option.key);
          } else {
            reader.ReadNumber(option.key, settings.*field, option.low, option.high);
          }
        },
        option.field);
  }
}

void WriteOptions(KeyedTextWriter& file, const Settings& settings, Options options) {
  for (const OptionKey& option : options) {
    std::visit(
        [&](auto field) {
          if constexpr (std::is_same_v<decltype(field), bool Settings::*>) {
            file.Bool(option.key, settings.*field);
          } else {
            file.Number(option.key, settings.*field);
          }
        },
        option.field);
  }
}

// A language code is never empty: an absent one keeps the language chosen at start-up.
void ReadLanguage(const KeyedTextReader& reader, QStringView key, QString& field) {
  const QString value = reader.Text(key);
  if (!value.isEmpty()) field = value;
}

}  // namespace

TPlayer ParseParticipantEntry(std::string_view value) {
  std::string_view fields[4];
  for (int i = 0; i < 3; ++i) {
    const std::size_t slash = value.find('/');
    fields[i] = value.substr(0, slash);
    value = slash == std::string_view::npos ? std::string_view() : value.substr(slash + 1);
  }
  fields[3] = value;

  TPlayer player;
  player.Name = FitField(fields[0], kNameWidth);
  player.Avatar = FitField(fields[1], kAvatarWidth);
  player.Kind = KindFromName(fields[2]);
  const auto saveNumber = DecimalNumber(fields[3]);
  player.SaveNumber = static_cast<std::uint8_t>(std::clamp(saveNumber.value_or(0), 0LL, 255LL));
  return player;
}

std::string ParticipantEntry(const TPlayer& player) {
  return player.Name + '/' + player.Avatar + '/' + KindName(player.Kind) + '/' +
         std::to_string(player.SaveNumber);
}

std::string PackDictionaryLimits(const std::vector<std::string>& limits) {
  std::string packed;
  for (const std::string& line : limits) packed += line + '/';
  return packed;
}

std::vector<std::string> UnpackDictionaryLimits(std::string_view packed) {
  std::vector<std::string> limits;
  while (!packed.empty()) {
    const std::size_t slash = packed.find('/');
    limits.emplace_back(packed.substr(0, slash));
    packed = slash == std::string_view::npos ? std::string_view() : packed.substr(slash + 1);
  }
  return limits;
}

QString PlayerSettingsPath(const Game& game, const std::string& playerName) {
  const int codePage = game.InterfaceCodePage();
  const QString name = FromGameText(LetterCase::For(codePage).Lower(playerName), codePage);
  // Every name gets a file of its own inside the data directory: the escape character is escaped
  // too, and a name never becomes a step of the path.
  const auto escaped = [](QChar ch) {
    return u'%' + QString::number(ch.unicode(), 16).rightJustified(2, u'0');
  };
  const bool onlyDots = name == u"." || name == u"..";
  QString safe;
  for (const QChar ch : name) {
    const bool unsafe = ch == u'%' || ch == u'/' || ch == u'\\' || ch == u'\0' || onlyDots;
    safe += unsafe ? escaped(ch) : QString(ch);
  }
  return game.Data.Resolve(safe + QStringLiteral(".ini"));
}

bool ReadMainSettings(Game& game) {
  QStringList lines;
  const bool found =
      LoadUtf8TextFile(game.Data.Resolve(kMainSettingsFile), lines) && !lines.isEmpty();
  const KeyedTextReader reader(found ? lines : QStringList(), game.InterfaceCodePage());
  Settings& settings = game.Settings;

  if (found) {
    // a file without the last player keeps the default name
    const std::string lastPlayer = FitField(reader.GameText(u"Player1"), kNameWidth);
    if (!lastPlayer.empty()) game.Players[1].Name = lastPlayer;
    settings.ShowAdvancedHallFame = reader.Bool(u"ShowAdvancedHallFame");
    settings.Skin = Cut(reader.Text(u"Skin"), kSkinWidth);
    settings.ShowShadows = reader.Bool(u"ShowShadows");
  }

  // Without a stored window mode (a first start, too) the player chooses one.
  const QString windowMode = reader.Text(u"FullScreen");
  if (windowMode.isEmpty()) {
    settings.FullScreen =
        game.View().AskConfirmation(game.InterfaceText(u"StartUpFullScreenConfirmation"));
    settings.StartMaximized = !settings.FullScreen;
  } else {
    settings.FullScreen = windowMode == u"2";
    settings.StartMaximized = windowMode == u"3";
  }

  if (found) {
    settings.Members.clear();
    for (int n = 1; n <= kMaxKnownPlayers; ++n) {
      const std::string entry = reader.GameText(Numbered(u"Member", n));
      if (entry.empty()) break;
      settings.Members.push_back(ParseParticipantEntry(entry));
    }
  }

  ReadPlayerSettings(game, game.Players[1].Name);
  if (settings.Skin.isEmpty()) settings.Skin = QStringLiteral("classic");
  return found;
}

bool ReadPlayerSettings(Game& game, const std::string& playerName) {
  QStringList lines;
  if (!LoadUtf8TextFile(PlayerSettingsPath(game, playerName), lines)) return false;
  KeyedTextReader reader(std::move(lines), game.InterfaceCodePage());
  Settings& settings = game.Settings;

  // The languages first: the names in the file are in the code page of its interface language.
  ReadLanguage(reader, u"InterfaceLang", settings.InterfaceLang);
  ReadLanguage(reader, u"DictionaryLang", settings.DictionaryLang);
  ReadLanguage(reader, u"ExplanatoryLang", settings.ExplanatoryLang);
  reader.SetCodePage(game.InterfaceCodePage());

  settings.LastOpponent = KindFromName(reader.GameText(u"LastOpponent"));
  reader.ReadNumber(u"LastIntellect", settings.LastIntellect, 1, 3);
  settings.LastLimits = FitField(reader.GameText(u"LastLimits"), kLimitsWidth);
  reader.ReadNumber(u"LastWordLengthLimit", settings.LastWordLengthLimit, 0, 255);
  reader.ReadNumber(u"LastPlayersNumber", settings.LastPlayersNumber, kMinPlayers, kMaxPlayers);
  game.SetPlayerCount(settings.LastPlayersNumber);
  int n = 1;
  for (; n <= game.PlayerCount(); ++n) {
    const std::string entry = reader.GameText(Numbered(u"Player", n));
    if (entry.empty()) break;
    game.Players[static_cast<std::size_t>(n)] = ParseParticipantEntry(entry);
  }
  // A count larger than the entries written: the others join as the new game window adds them,
  // never as nameless records.
  for (; n <= game.PlayerCount(); ++n) {
    TPlayer& player = game.Players[static_cast<std::size_t>(n)];
    if (!player.Name.empty()) continue;
    player = {.Name = FitField(
                  ToGameText(game.InterfaceText(u"DefaultNamePlayer"), game.InterfaceCodePage()),
                  kNameWidth),
              .Avatar = "Im0",
              .Kind = kHuman};
  }

  ReadOptions(reader, settings, kCommonOptions);
  ReadOptions(reader, settings, kAppearanceOptions);
  if (const auto picture = reader.Find(u"BackgroundPicture")) settings.BackgroundPicture = *picture;
  settings.LensSize = kDefaultLensSize;
  ReadOptions(reader, settings, kLensOption);
  ReadOptions(reader, settings, kHintOptions);
  ReadOptions(reader, settings, kSoundOptions);
  settings.DictionaryLimits = UnpackDictionaryLimits(reader.GameText(u"DictionaryLimits"));
  settings.AddCustomWord = AddCustomWordFromName(reader.Text(u"AddCustomWord"));
  ReadOptions(reader, settings, kUserListOption);
  ReadOptions(reader, settings, kDictionaryRules);
  settings.LastTemplate = Cut(reader.Text(u"LastTemplate"), kTemplateWidth);
  ReadOptions(reader, settings, kTemplateOptions);

  ApplyDictionaryLimits(game);
  return true;
}

bool WriteMainSettings(const Game& game) {
  const Settings& settings = game.Settings;
  KeyedTextWriter file(game.InterfaceCodePage());
  file.Header(u"Last Player");
  file.GameText(u"Player1", game.Players[1].Name);
  file.Header(u"Options Common");
  file.Bool(u"ShowAdvancedHallFame", settings.ShowAdvancedHallFame);
  file.Header(u"Options Appearance");
  file.Text(u"Skin", settings.Skin);
  file.Bool(u"ShowShadows", settings.ShowShadows);
  // Window state plus border style; a minimised window keeps the state it had before, since
  // minimised with a border would read back as full screen.
  file.Number(u"FullScreen", settings.FullScreen ? 2 : settings.StartMaximized ? 3 : 1);
  file.Header(u"Members");
  const std::size_t members =
      std::min(settings.Members.size(), static_cast<std::size_t>(kMaxKnownPlayers));
  for (std::size_t i = 0; i < members; ++i) {
    file.GameText(Numbered(u"Member", static_cast<int>(i) + 1),
                  ParticipantEntry(settings.Members[i]));
  }
  return SaveUtf8TextFile(game.Data.Resolve(kMainSettingsFile), file.Lines());
}

bool WritePlayerSettings(const Game& game, const std::string& playerName) {
  const Settings& settings = game.Settings;
  KeyedTextWriter file(game.InterfaceCodePage());
  file.Header(u"Last Game");
  file.Text(u"LastOpponent", QString::fromLatin1(KindName(settings.LastOpponent)));
  file.Number(u"LastIntellect", settings.LastIntellect);
  file.GameText(u"LastLimits", settings.LastLimits);
  file.Number(u"LastWordLengthLimit", settings.LastWordLengthLimit);
  file.Number(u"LastPlayersNumber", settings.LastPlayersNumber);
  file.Header(u"Last Players");
  for (int n = 1; n <= settings.LastPlayersNumber && game.IsPlayer(n); ++n) {
    file.GameText(Numbered(u"Player", n),
                  ParticipantEntry(game.Players[static_cast<std::size_t>(n)]));
  }

  file.Header(u"Options Common");
  WriteOptions(file, settings, kCommonOptions);
  file.Header(u"Options Appearance");
  WriteOptions(file, settings, kAppearanceOptions);
  if (!settings.BackgroundPicture.isEmpty()) {
    file.Text(u"BackgroundPicture", settings.BackgroundPicture);
  }
  WriteOptions(file, settings, kLensOption);
  file.Header(u"Options Hint");
  WriteOptions(file, settings, kHintOptions);
  file.Header(u"Options Sound");
  WriteOptions(file, settings, kSoundOptions);
  file.Header(u"Options Dictionary");
  file.GameText(u"DictionaryLimits", PackDictionaryLimits(settings.DictionaryLimits));
  WriteOptions(file, settings, kUserListOption);
  file.Text(u"AddCustomWord", AddCustomWordName(settings.AddCustomWord));
  WriteOptions(file, settings, kDictionaryRules);
  file.Header(u"Options Template");
  file.Text(u"LastTemplate", settings.LastTemplate);
  WriteOptions(file, settings, kTemplateOptions);
  file.Header(u"Options Language");
  file.Text(u"InterfaceLang", settings.InterfaceLang);
  file.Text(u"DictionaryLang", settings.DictionaryLang);
  file.Text(u"ExplanatoryLang", settings.ExplanatoryLang);

  return SaveUtf8TextFile(PlayerSettingsPath(game, playerName), file.Lines());
}

}  // namespace quorim
