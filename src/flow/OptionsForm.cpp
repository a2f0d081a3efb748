#include "flow/OptionsForm.h"

#include "flow/StartUp.h"
#include "media/Locales.h"
#include "media/TextFiles.h"

#include <QDir>

#include <algorithm>
#include <random>

namespace quorim {

namespace {

struct LimitText {
  LimitKind kind;
  const char* text;
};
// The order LastLimits is searched in (opening step 7).
constexpr std::array<LimitText, 8> kLimitTexts{{{LimitKind::Score100, "Score-100 "},
                                                {LimitKind::Score500, "Score-500 "},
                                                {LimitKind::Score300, "Score-300 "},
                                                {LimitKind::Time10, "Time-10 "},
                                                {LimitKind::Time20, "Time-20 "},
                                                {LimitKind::Time30, "Time-30 "},
                                                {LimitKind::Time45, "Time-45 "},
                                                {LimitKind::Time60, "Time-60 "}}};
constexpr char kMoveMark[] = " Move-";
constexpr std::size_t kLimitsWidth = 20;

std::string AsciiOf(const QString& text) {
  return text.toLatin1().toStdString();
}

bool PositiveNumber(const QString& text) {
  bool number = false;
  const int value = text.trimmed().toInt(&number);
  return number && value > 0;
}

}  // namespace

int HintSliderPosition(int hintCount) {
  return std::clamp((hintCount - 1) / 2 - 1, 0, 4);
}

int HintCountOfSlider(int position) {
  position = std::clamp(position, 0, 4);
  return position == 3 ? 10 : position * 2 + 3;
}

LimitsChoice ParseLastLimits(const std::string& limits) {
  LimitsChoice choice;
  const std::size_t move = limits.find(kMoveMark);
  if (move != std::string::npos) {
    choice.moveTime = true;
    const QString last =
        QString::fromLatin1(limits.substr(std::max<std::size_t>(limits.size(), 2) - 2));
    bool number = false;
    const int minutes = last.trimmed().toInt(&number);
    choice.moveEntry = number && minutes > 0 ? minutes - 1 : 0;
  }
  for (const LimitText& entry : kLimitTexts) {
    if (limits.find(entry.text) != std::string::npos) {
      choice.kind = entry.kind;
      return choice;
    }
  }
  // anything else but a move time alone is a score of the user's
  if (!limits.empty() && move != 0) {
    choice.kind = LimitKind::ScoreUser;
    choice.userScore =
        QString::fromLatin1(limits.size() > 6 ? limits.substr(6, 4) : std::string()).trimmed();
  }
  return choice;
}

std::string ComposeLastLimits(const LimitsChoice& choice, const QString& moveEntryText) {
  std::string text;
  switch (choice.kind) {
    case LimitKind::None:
      break;
    case LimitKind::ScoreUser:
      text = "Score-" + AsciiOf(choice.userScore.trimmed()) + " ";
      break;
    default:
      for (const LimitText& entry : kLimitTexts)
        if (entry.kind == choice.kind) text = entry.text;
      break;
  }
  if (choice.moveTime) text += kMoveMark + AsciiOf(moveEntryText.left(2));
  return text.substr(0, kLimitsWidth);
}

QString GuardUserScore(const QString& text) {
  return text == u"0" ? QStringLiteral("O") : text;
}

bool UserScoreRefused(const LimitsChoice& choice) {
  return choice.kind == LimitKind::ScoreUser && !PositiveNumber(GuardUserScore(choice.userScore));
}

int WordLengthEntry(int lastWordLengthLimit) {
  return lastWordLengthLimit == 0 ? -1 : lastWordLengthLimit - 2;
}

int WordLengthLimit(bool ticked, int entry) {
  return ticked && entry >= 0 ? entry + 2 : 0;
}

std::vector<LanguageEntry> LanguageEntries(const Game& game, const QString& gameFolder) {
  std::vector<LanguageEntry> entries;
  const QDir folder(game.Data.Resolve(gameFolder));
  if (!folder.exists()) return entries;
  for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    if (name.size() != 3 || !game.Locales.LocaleId(name)) continue;
    QString shown = LanguageDisplayName(game.Locales, name, game.Settings.InterfaceLang);
    shown = shown.left(shown.indexOf(u'(')).trimmed();
    if (shown.isEmpty()) continue;
    entries.push_back({name, shown});
  }
  return entries;
}

int LanguageIndex(const std::vector<LanguageEntry>& entries, const QString& code) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].code.compare(code, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

QStringList SkinNames(const DataDir& data) {
  QStringList names;
  const QDir folder(data.Resolve(u"GRAFIX"));
  for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    if (name.compare(u"players", Qt::CaseInsensitive) != 0) names.append(name);
  return names;
}

std::optional<std::pair<int, int>> LayoutEntrySize(const QString& displayText) {
  const qsizetype open = displayText.lastIndexOf(u'(');
  if (open < 0) return std::nullopt;
  const qsizetype times = displayText.indexOf(u'x', open);
  const qsizetype close = displayText.indexOf(u')', open);
  if (times < 0 || close < times) return std::nullopt;
  bool okX = false;
  bool okY = false;
  const int x = displayText.mid(open + 1, times - open - 1).toInt(&okX);
  const int y = displayText.mid(times + 1, close - times - 1).toInt(&okY);
  if (!okX || !okY) return std::nullopt;
  return std::pair{x, y};
}

int TemplateIndex(const std::vector<TemplateListEntry>& list, const QString& fileName) {
  if (fileName.isEmpty()) return -1;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].fileName.compare(fileName, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

LayoutPreview TemplatePreview(const DataDir& data, const QString& fileName) {
  LayoutPreview preview;
  QStringList lines;
  // the preview draws whatever the file holds: characters other than 1..6 leave the background
  if (fileName.isEmpty() ||
      !LoadUnicodeTextFile(data.Resolve(QStringLiteral("MAPS\\") + fileName), lines))
    return preview;
  for (qsizetype row = 1; row < lines.size() && preview.dimY < kMaxFieldDim; ++row) {
    if (lines[row].isEmpty()) continue;
    preview.dimX = std::max<int>(preview.dimX, std::min<int>(lines[row].size(), kMaxFieldDim));
    ++preview.dimY;
  }
  preview.kinds.assign(static_cast<std::size_t>(preview.dimX * preview.dimY), 0);
  int y = 0;
  for (qsizetype row = 1; row < lines.size() && y < preview.dimY; ++row) {
    if (lines[row].isEmpty()) continue;
    for (int x = 0; x < std::min<int>(lines[row].size(), preview.dimX); ++x) {
      const QChar ch = lines[row][x];
      if (ch >= u'1' && ch <= u'6')
        preview.kinds[static_cast<std::size_t>(y * preview.dimX + x)] =
            static_cast<std::uint8_t>(ch.unicode() - u'0');
    }
    ++y;
  }
  return preview;
}

LayoutPreview RandomLayoutPreview(int dimX, int dimY, const std::array<int, 5>& counts,
                                  unsigned seed) {
  LayoutPreview preview;
  preview.dimX = std::clamp(dimX, 15, 30);
  preview.dimY = std::clamp(dimY, 15, 30);
  const int cells = preview.dimX * preview.dimY;
  preview.kinds.assign(static_cast<std::size_t>(cells), kCellPlain);
  // as a game places them: start cells first, one plain cell always left
  std::array<int, 5> placed{};
  int room = cells - 1;
  placed[4] = std::clamp(counts[4], 1, room);
  room -= placed[4];
  for (int i = 0; i < 4; ++i) {
    placed[static_cast<std::size_t>(i)] = std::clamp(counts[static_cast<std::size_t>(i)], 0, room);
    room -= placed[static_cast<std::size_t>(i)];
  }
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> cell(0, cells - 1);
  for (int i = 0; i < 5; ++i) {
    for (int left = placed[static_cast<std::size_t>(i)]; left > 0;) {
      std::uint8_t& kind = preview.kinds[static_cast<std::size_t>(cell(random))];
      if (kind != kCellPlain) continue;
      kind = static_cast<std::uint8_t>(kCellLetterX2 + i);
      --left;
    }
  }
  return preview;
}

DictionaryChoice StoredDictionaryChoice(const Game& game, const QString& lang) {
  return {StoredDictionarySize(game, lang),
          DictionaryLimitValue(game.Settings.DictionaryLimits, AsciiOf(lang))};
}

OptionsForm LoadOptionsForm(const Game& game, bool setUpMode,
                            const std::vector<TemplateListEntry>& templates) {
  const Settings& s = game.Settings;
  OptionsForm form;
  form.setUpMode = setUpMode;

  form.minimizeOnEsc = s.MinimizeOnEsc;
  form.showPCWords = s.ShowPCWords;
  form.showAdvancedHallFame = s.ShowAdvancedHallFame;
  form.crossWordMode = s.CrossWordMode;
  form.flashStarMarkers = s.FlashStarMarkers;
  form.exchangeStars = s.ExchangeStars;
  form.selectWordMode = s.SelectWordMode;
  form.allowWordRepeat = s.AllowWordRepeat;
  form.keepBonuses = s.KeepBonuses;
  form.lettersAutoSelect = s.LettersAutoSelect;
  form.autoSpreadPlayers = s.AutoSpreadPlayers;
  form.pauseOnMinimized = game.PauseOnMinimazed;

  form.dictionary = StoredDictionaryChoice(game, s.DictionaryLang);
  form.useCustomDictionary = s.UseCustomDictionary;
  form.addCustomWord = s.AddCustomWord;
  form.askToExcludeWord = s.AskToExcludeWord;
  form.undoPCMove = s.UndoPCMove;
  form.askToAddExplanation = s.AskToAddExplanation;

  form.limits = ParseLastLimits(s.LastLimits);
  form.wordLengthOn = s.LastWordLengthLimit != 0;
  form.wordLengthEntry = std::max(0, WordLengthEntry(s.LastWordLengthLimit));

  form.playSounds = s.PlaySounds;
  form.playBackgroundMusic = s.PlayBackgroundMusic;
  form.playShuffle = s.PlayShuffle;
  form.soundVolume = s.SoundVolume;
  form.musicVolume = s.MusicVolume;

  const int chosen = TemplateIndex(templates, s.LastTemplate);
  form.layoutFromFile = chosen >= 0;
  if (chosen >= 0) form.templateFile = templates[static_cast<std::size_t>(chosen)].fileName;
  form.dimX = std::clamp<int>(s.PlayFieldDimX, 15, 30);
  form.dimY = std::clamp<int>(s.PlayFieldDimY, 15, 30);
  form.square = s.PlayFieldDimX == s.PlayFieldDimY;
  form.counts = {s.Green, s.Blue, s.Yellow, s.Red, s.Black};

  form.hintDelay = s.HintDelay;
  // between games the counter equals the option unless a game has used hints
  form.hintSlider = HintSliderPosition(setUpMode ? game.HintsLeft : s.HintCount);
  form.hintWaitKey = s.HintPushButton;

  form.skin = s.Skin;
  form.backgroundPicture = s.BackgroundPicture;
  form.animActiveAvatarOnly = s.AnimActiveAvatarOnly;
  form.animHighlightActivePlayer = s.AnimHighlightActivePlayer;
  form.showColorLetters = s.ShowColorLetters;
  form.showShadows = s.ShowShadows;
  form.alwaysShowDictionaryPanel = s.AlwaysShowDictionaryPanel;
  form.fullScreen = s.FullScreen;

  form.interfaceLang = s.InterfaceLang;
  form.dictionaryLang = s.DictionaryLang;
  form.explanatoryLang = s.ExplanatoryLang;
  return form;
}

std::optional<DataFileError> SwitchDictionaryLanguage(Game& game, OptionsForm& form,
                                                      const QString& lang) {
  StoreDictionaryLimits(game, form.dictionaryLang, form.dictionary.size,
                        form.dictionary.excludedThemes);
  game.Settings.DictionaryLang = lang;
  form.dictionaryLang = lang;
  const std::vector<LanguageEntry> explanations =
      LanguageEntries(game, QStringLiteral("dict\\%1\\expl").arg(lang));
  if (LanguageIndex(explanations, form.explanatoryLang) < 0)
    form.explanatoryLang = explanations.empty() ? QString() : explanations.front().code;
  game.Settings.ExplanatoryLang = form.explanatoryLang;
  // a language without themes.txt must not keep the letters of the one left
  game.Themes.ThemeMarkers = {};
  game.Themes.Titles.clear();
  const auto error = LoadDictionaryLanguage(game);
  form.dictionary = StoredDictionaryChoice(game, lang);
  return error;
}

OptionsVerdict ApplyOptionsForm(Game& game, OptionsForm& form, const QString& moveEntryText) {
  form.limits.userScore = GuardUserScore(form.limits.userScore);
  if (UserScoreRefused(form.limits)) return OptionsVerdict::WrongScore;

  Settings& s = game.Settings;
  s.MinimizeOnEsc = form.minimizeOnEsc;
  s.ShowPCWords = form.showPCWords;
  s.ShowAdvancedHallFame = form.showAdvancedHallFame;
  s.CrossWordMode = form.crossWordMode;
  s.FlashStarMarkers = form.flashStarMarkers;
  s.ExchangeStars = form.exchangeStars;
  s.SelectWordMode = form.selectWordMode;
  s.AllowWordRepeat = form.allowWordRepeat;
  s.KeepBonuses = form.keepBonuses;
  s.LettersAutoSelect = form.lettersAutoSelect;
  s.AutoSpreadPlayers = form.autoSpreadPlayers;
  game.PauseOnMinimazed = form.pauseOnMinimized;

  s.PlaySounds = form.playSounds;
  s.PlayBackgroundMusic = form.playBackgroundMusic;
  s.PlayShuffle = form.playShuffle;
  s.SoundVolume = static_cast<std::uint8_t>(std::clamp(form.soundVolume, 0, 100));
  s.MusicVolume = static_cast<std::uint8_t>(std::clamp(form.musicVolume, 0, 100));

  s.HintDelay = static_cast<std::uint16_t>(std::clamp(form.hintDelay, 0, 1000));
  s.HintPushButton = form.hintWaitKey;

  s.Skin = form.skin.left(50);
  s.BackgroundPicture = form.backgroundPicture;
  s.AnimActiveAvatarOnly = form.animActiveAvatarOnly;
  s.AnimHighlightActivePlayer = form.animHighlightActivePlayer;
  s.ShowColorLetters = form.showColorLetters;
  s.ShowShadows = form.showShadows;
  s.AlwaysShowDictionaryPanel = form.alwaysShowDictionaryPanel;
  s.FullScreen = form.fullScreen;

  s.InterfaceLang = form.interfaceLang;
  s.DictionaryLang = form.dictionaryLang;
  s.ExplanatoryLang = form.explanatoryLang;

  // The hint count, the layout and the limits belong to the next game: a running game keeps
  // them (their controls are disabled and show the stored values anyway).
  if (form.setUpMode) {
    const int hints = HintCountOfSlider(form.hintSlider);
    s.HintCount = static_cast<std::uint8_t>(hints);
    game.HintsLeft = static_cast<std::uint8_t>(hints);

    form.dimX = std::clamp(form.dimX, 15, 30);
    form.dimY = std::clamp(form.dimY, 15, 30);
    s.PlayFieldDimX = static_cast<std::uint8_t>(form.dimX);
    s.PlayFieldDimY = static_cast<std::uint8_t>(form.dimY);
    const std::vector<TemplateListEntry> templates = ListTemplates(game.Data);
    const int chosen = TemplateIndex(templates, form.templateFile);
    if (form.layoutFromFile && chosen >= 0) {
      const TemplateListEntry& entry = templates[static_cast<std::size_t>(chosen)];
      s.LastTemplate = entry.fileName;
      if (const auto size = LayoutEntrySize(entry.displayText)) {
        s.PlayFieldDimX = static_cast<std::uint8_t>(std::clamp(size->first, 1, 30));
        s.PlayFieldDimY = static_cast<std::uint8_t>(std::clamp(size->second, 1, 30));
      }
    } else {
      // a template that vanished since the window opened leaves the random layout
      s.LastTemplate.clear();
    }
    s.Green = static_cast<std::uint16_t>(std::clamp(form.counts[0], 0, 1000));
    s.Blue = static_cast<std::uint16_t>(std::clamp(form.counts[1], 0, 1000));
    s.Yellow = static_cast<std::uint16_t>(std::clamp(form.counts[2], 0, 1000));
    s.Red = static_cast<std::uint16_t>(std::clamp(form.counts[3], 0, 1000));
    s.Black = static_cast<std::uint16_t>(std::clamp(form.counts[4], 1, 1000));

    s.LastWordLengthLimit =
        static_cast<std::uint8_t>(WordLengthLimit(form.wordLengthOn, form.wordLengthEntry));
    s.LastLimits = ComposeLastLimits(form.limits, moveEntryText);
  }

  StoreDictionaryLimits(game, s.DictionaryLang, form.dictionary.size,
                        form.dictionary.excludedThemes);
  ApplyDictionaryLimits(game);

  s.UseCustomDictionary = form.useCustomDictionary;
  s.AddCustomWord = form.addCustomWord;
  s.WordRequiredAlways = form.addCustomWord == kAddWordNo;
  s.AskToExcludeWord = form.askToExcludeWord;
  s.UndoPCMove = form.undoPCMove;
  s.AskToAddExplanation = form.askToAddExplanation;
  return OptionsVerdict::Applied;
}

OptionsChanges CompareOptions(const Settings& before, const Settings& after) {
  OptionsChanges changes;
  changes.skinChanged = before.Skin.compare(after.Skin, Qt::CaseInsensitive) != 0;
  changes.fullScreenChanged = before.FullScreen != after.FullScreen;
  changes.shadowsOff = before.ShowShadows && !after.ShowShadows;
  return changes;
}

}  // namespace quorim
