#include "dictionary/Themes.h"

#include "dictionary/WorkingWordList.h"
#include "media/CodePages.h"
#include "media/TextFiles.h"

#include <algorithm>
#include <array>

namespace quorim {

namespace {

constexpr std::array<std::string_view, kThemeEntries> kThemeKeys = {
    "DCommom", "DExtended1", "DExtended2", "DExtended3", "DExtended4", "DExtended5", "DChildren"};

constexpr std::size_t kEntryWidth = 35;
constexpr std::size_t kThemeTextWidth = 20;
constexpr std::size_t kSizeMarkerWidth = 20;
constexpr std::size_t kExcludedWidth = 15;

// Single-character size markers of old settings files.
constexpr char kOldCommonMarker = '\x8E';
constexpr char kOldExtendedMarker = '\x86';

// Keys and language codes are ASCII.
bool EqualAsciiIgnoringCase(std::string_view a, std::string_view b) {
  return LetterCase::For(kBaseCodePage).EqualIgnoringCase(a, b);
}

QString ThemesPath(const Game& game) {
  return LanguageFilePath(game, u"themes.txt");
}

std::string Ascii(const QString& text) {
  return text.toLatin1().toStdString();
}

// "=" followed by one of the letters (unset letters, 0, never match).
bool HasThemeAfterEquals(std::string_view themes, std::initializer_list<char> letters) {
  for (std::size_t at = themes.find('='); at != std::string_view::npos;
       at = themes.find('=', at + 1)) {
    if (at + 1 < themes.size() && themes[at + 1] != 0 &&
        std::find(letters.begin(), letters.end(), themes[at + 1]) != letters.end()) {
      return true;
    }
  }
  return false;
}

bool AdmittedBySize(const DictionaryThemes& themes, std::string_view themeText, int slot,
                    int intellect) {
  const auto& marker = themes.ThemeMarkers;
  const std::string& size = themes.DictionarySizeMarker;
  if (!size.empty() && slot != kAddedWordsSlot) {
    const auto is = [&](int entry) {
      return size.size() == 1 && size[0] == marker[entry] && size[0] != 0;
    };
    if (is(kThemeCommon)) return HasThemeAfterEquals(themeText, {marker[kThemeCommon]});
    if (is(kThemeChildren)) return HasThemeAfterEquals(themeText, {marker[kThemeChildren]});
    if (is(kThemeExtended1)) {
      return HasThemeAfterEquals(
          themeText, {marker[1], marker[kThemeCommon], marker[2], marker[3], marker[4], marker[5]});
    }
    return false;
  }
  // Low intellect keeps to common words; a dictionary without themes has none to keep to.
  if (intellect == 1 && slot != kAddedWordsSlot && marker[kThemeCommon] != 0) {
    return themeText.find(marker[kThemeCommon]) != std::string_view::npos;
  }
  return true;
}

}  // namespace

void LoadThemeMarkers(Game& game) {
  TextLines lines;
  if (!LoadTextFile(ThemesPath(game), lines, game.DictionaryCodePage())) return;
  for (std::size_t entry = 0; entry < kThemeKeys.size(); ++entry) {
    for (const std::string& line : lines) {
      const std::size_t equals = line.find('=');
      if (equals == std::string::npos ||
          !EqualAsciiIgnoringCase(std::string_view(line).substr(0, equals), kThemeKeys[entry])) {
        continue;
      }
      if (equals + 1 < line.size()) game.Themes.ThemeMarkers[entry] = line[equals + 1];
      break;
    }
  }
}

void LoadThemeTitles(Game& game) {
  QStringList lines;
  if (!LoadUtf8TextFile(ThemesPath(game), lines)) return;
  auto& titles = game.Themes.Titles;
  titles.clear();
  const auto section = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
    return line.trimmed().compare(u"[DictionaryThemes]", Qt::CaseInsensitive) == 0;
  });
  if (section == lines.end()) return;
  for (auto line = std::next(section); line != lines.end(); ++line) {
    if (line->trimmed().compare(u"endoffile", Qt::CaseInsensitive) == 0) break;
    const qsizetype equals = line->indexOf(u'=');
    if (line->startsWith(u';') || equals < 1) continue;
    const std::string letter = ToGameText(line->left(1), game.DictionaryCodePage());
    titles.push_back({letter.empty() ? '\0' : letter[0], line->mid(equals + 1)});
  }
}

ComputerAdmission IsComputerWordAllowed(const DictionaryThemes& themes, std::string_view entry,
                                        int slot, int intellect) {
  entry = entry.substr(0, kEntryWidth);
  ComputerAdmission admission;
  const std::size_t equals = entry.find('=');
  if (equals == std::string_view::npos) {
    admission.word = entry;
  } else {
    admission.word = entry.substr(0, equals);
    admission.themes = entry.substr(equals, kThemeTextWidth);
  }
  admission.allowed = AdmittedBySize(themes, admission.themes, slot, intellect) &&
                      admission.themes.find_first_of(themes.ExcludedThemes) == std::string::npos;
  return admission;
}

bool ComputerMayUseWord(const Game& game, std::string_view word, int intellect) {
  const WordLists& lists = game.WordLists;
  const std::string upper = lists.Case().Upper(word);
  const bool userLists = game.Settings.UseCustomDictionary;
  if (userLists && lists.Holds(kExcludedWordsSlot, upper)) return false;
  const auto admitsSome = [&](int slot) {
    const WordList* list = lists.Slot(slot);
    if (list == nullptr) return false;
    return std::any_of(list->Lines().begin(), list->Lines().end(), [&](const std::string& line) {
      const ComputerAdmission admission = IsComputerWordAllowed(game.Themes, line, slot, intellect);
      return admission.allowed && lists.Case().EqualIgnoringCase(admission.word, upper);
    });
  };
  const int slot = LetterListSlot(game.Alphabet, upper.empty() ? '\0' : upper[0]);
  return (slot != 0 && admitsSome(slot)) || (userLists && admitsSome(kAddedWordsSlot));
}

std::string DictionaryLimitValue(const std::vector<std::string>& limits, std::string_view name) {
  for (const std::string& line : limits) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos && EqualAsciiIgnoringCase(line.substr(0, equals), name)) {
      return line.substr(equals + 1);
    }
  }
  return {};
}

void SetDictionaryLimitValue(std::vector<std::string>& limits, std::string_view name,
                             std::string_view value) {
  const auto named = std::find_if(limits.begin(), limits.end(), [&](const std::string& line) {
    const std::size_t equals = line.find('=');
    return equals != std::string::npos && EqualAsciiIgnoringCase(line.substr(0, equals), name);
  });
  const std::string entry = std::string(name) + "=" + std::string(value);
  if (value.empty()) {
    if (named != limits.end()) limits.erase(named);
  } else if (named != limits.end()) {
    *named = entry;
  } else {
    limits.push_back(entry);
  }
}

void StoreDictionaryLimits(Game& game, const QString& lang, DictionarySize size,
                           std::string_view excludedThemes) {
  auto& limits = game.Settings.DictionaryLimits;
  const auto& marker = game.Themes.ThemeMarkers;
  SetDictionaryLimitValue(limits, Ascii(lang), excludedThemes);
  std::string sizeLetter;
  switch (size) {
    case DictionarySize::Maximum:
      break;
    case DictionarySize::Normal:
      sizeLetter = std::string(1, marker[kThemeCommon]);
      break;
    case DictionarySize::Extended:
      sizeLetter = std::string(1, marker[kThemeExtended1]);
      break;
    case DictionarySize::Children:
      sizeLetter = std::string(1, marker[kThemeChildren]);
      break;
  }
  if (sizeLetter == std::string(1, '\0')) sizeLetter.clear();
  SetDictionaryLimitValue(limits, "Lim" + Ascii(lang), sizeLetter);
}

DictionarySize StoredDictionarySize(const Game& game, const QString& lang) {
  const std::string size =
      DictionaryLimitValue(game.Settings.DictionaryLimits, "Lim" + Ascii(lang));
  const auto& marker = game.Themes.ThemeMarkers;
  if (size.empty()) return DictionarySize::Maximum;
  if (size.size() == 1 && size[0] == marker[kThemeCommon]) return DictionarySize::Normal;
  if (size.size() == 1 && size[0] == marker[kThemeChildren]) return DictionarySize::Children;
  return DictionarySize::Extended;
}

void SetDefaultDictionaryLimits(Game& game) {
  game.Settings.DictionaryLimits.clear();
  const char common = game.Themes.ThemeMarkers[kThemeCommon];
  if (common != 0) {
    game.Settings.DictionaryLimits.push_back("Lim" + Ascii(game.Settings.DictionaryLang) + "=" +
                                             common);
  }
}

void ApplyDictionaryLimits(Game& game) {
  const auto& limits = game.Settings.DictionaryLimits;
  const std::string lang = Ascii(game.Settings.DictionaryLang);
  DictionaryThemes& themes = game.Themes;
  themes.DictionarySizeMarker =
      DictionaryLimitValue(limits, "Lim" + lang).substr(0, kSizeMarkerWidth);
  themes.ExcludedThemes = DictionaryLimitValue(limits, lang).substr(0, kExcludedWidth);
  // An old marker names a size whose letter themes.txt gives; without one the size is unknown.
  const auto letterOf = [&](int entry) {
    const char letter = themes.ThemeMarkers[entry];
    return letter == 0 ? std::string() : std::string(1, letter);
  };
  if (themes.DictionarySizeMarker == std::string(1, kOldCommonMarker)) {
    themes.DictionarySizeMarker = letterOf(kThemeCommon);
  } else if (themes.DictionarySizeMarker == std::string(1, kOldExtendedMarker)) {
    themes.DictionarySizeMarker = letterOf(kThemeExtended1);
  }
}

}  // namespace quorim
