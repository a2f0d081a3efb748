#include "persistence/SavedGameText.h"

#include "media/CodePages.h"
#include "model/PlayField.h"
#include "persistence/KeyedText.h"

#include <algorithm>

namespace quorim {

namespace {

constexpr int kLimitsWidth = 20;
constexpr char kMovesHeader[] = "[Moves]";
constexpr char kSelectionsHeader[] = "[Selections]";

std::string ParticipantField(const TPlayer& player) {
  return player.Name + '/' + std::to_string(player.Score * 10000LL + player.ExchangeRun) + '/' +
         std::to_string(player.SaveNumber) + '/' + std::to_string(player.Kind) + '/' +
         player.Avatar;
}

// name / score x 10000 + exchange run / save number / kind / avatar; the score is not read back.
std::optional<TPlayer> ParseParticipant(const std::string& entry) {
  std::vector<std::string_view> fields;
  std::string_view rest = entry;
  for (int i = 0; i < 4; ++i) {
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    fields.push_back(rest.substr(0, slash));
    rest.remove_prefix(slash + 1);
  }
  const auto kind = DecimalNumber(fields[3]);
  const auto saveNumber = DecimalNumber(fields[2]);
  if (!kind || *kind < kHuman || *kind > kNetwork || !saveNumber || *saveNumber < 0 ||
      *saveNumber > 255 || fields[0].empty())
    return std::nullopt;
  TPlayer player;
  player.Name = FitField(fields[0], kNameWidth);
  const auto scoreField = DecimalNumber(fields[1]).value_or(0);
  player.ExchangeRun = static_cast<std::uint8_t>(std::clamp(scoreField % 10000, 0LL, 255LL));
  player.SaveNumber = static_cast<std::uint8_t>(*saveNumber);
  player.Kind = static_cast<std::uint8_t>(*kind);
  player.Avatar = FitField(rest, kAvatarWidth);
  return player;
}

// Comma-ended entries of "/"-separated numbers; nothing when one is no number.
std::optional<std::vector<std::vector<long long>>> NumberEntries(const QString& list, int fields) {
  std::vector<std::vector<long long>> entries;
  for (const QString& entry : list.split(u',', Qt::SkipEmptyParts)) {
    const QStringList parts = entry.split(u'/');
    if (parts.size() != fields) return std::nullopt;
    std::vector<long long> numbers;
    for (const QString& part : parts) {
      const auto number = DecimalNumber(part.toStdString());
      if (!number) return std::nullopt;
      numbers.push_back(*number);
    }
    entries.push_back(std::move(numbers));
  }
  return entries;
}

QString PanelList(const std::vector<TSavedPanel>& panels) {
  QString list;
  for (const TSavedPanel& panel : panels) {
    list += QString::number(panel.place) + u'/' + (panel.folded ? u'1' : u'0') + u'/' +
            QString::number(panel.helpContext) + u',';
  }
  return list;
}

std::vector<TSavedPanel> ParsePanels(const QString& list) {
  std::vector<TSavedPanel> panels;
  const auto entries = NumberEntries(list, 3);
  if (!entries) return panels;  // places are a comfort: none is better than wrong ones
  for (const auto& entry : *entries)
    panels.push_back({static_cast<int>(entry[0]), entry[1] == 1, static_cast<int>(entry[2])});
  return panels;
}

QString ShapeList(const std::vector<TSavedShape>& shapes) {
  QString list;
  int n = 0;
  for (const TSavedShape& shape : shapes) {
    list += QStringLiteral("selectshape") + QString::number(++n) + u'/' +
            QString::number(shape.left * 10000LL + shape.top) + u'/' +
            QString::number(shape.penColor) + u'/' +
            QString::number(shape.width * 1000LL + shape.height) + u'/' +
            QString::number(shape.direction) + u',';
  }
  return list;
}

// The shapes' names are not read back; every other field must be a number.
std::optional<TSavedSelections> ParseSelections(const KeyedTextReader& text, int dimX, int dimY) {
  const auto count = text.Number(u"ShapesNum");
  const QString list = text.Text(u"Shapes");
  if (!count || *count <= 0 || list.isEmpty()) return std::nullopt;
  TSavedSelections selections;
  for (const QString& entry : list.split(u',', Qt::SkipEmptyParts)) {
    const QStringList parts = entry.split(u'/');
    if (parts.size() != 5) return std::nullopt;
    long long numbers[4];
    for (int i = 0; i < 4; ++i) {
      const auto number = DecimalNumber(parts[i + 1].toStdString());
      if (!number || *number < 0) return std::nullopt;
      numbers[i] = *number;
    }
    if (numbers[3] != kHorizontal && numbers[3] != kVertical) return std::nullopt;
    selections.shapes.push_back(
        {static_cast<int>(numbers[0] / 10000), static_cast<int>(numbers[0] % 10000),
         static_cast<int>(numbers[1]), static_cast<int>(numbers[2] / 1000),
         static_cast<int>(numbers[2] % 1000), static_cast<std::uint8_t>(numbers[3])});
  }
  if (static_cast<long long>(selections.shapes.size()) < *count) return std::nullopt;
  selections.shapes.resize(static_cast<std::size_t>(*count));
  selections.selectMap = text.Text(u"SelectMap").toStdString();
  const bool marks = std::all_of(selections.selectMap.begin(), selections.selectMap.end(),
                                 [](char ch) { return ch >= '0' && ch <= '3'; });
  if (!marks || selections.selectMap.size() != static_cast<std::size_t>((dimX + 2) * (dimY + 2)))
    return std::nullopt;
  return selections;
}

bool IsLayoutString(const std::string& layout, int cells) {
  return layout.size() == static_cast<std::size_t>(cells) &&
         std::all_of(layout.begin(), layout.end(), [](char ch) { return ch >= '0' && ch <= '6'; });
}

bool IsBagString(const std::string& bag, int cells) {
  if (bag.size() != static_cast<std::size_t>(cells) * 2) return false;
  for (std::size_t i = 1; i < bag.size(); i += 2) {
    if (bag[i] != ',') return false;
  }
  return true;
}

}  // namespace

QStringList SavedGameLines(const TSavedGame& saved, int nameCodePage, int letterCodePage) {
  KeyedTextWriter file(nameCodePage);
  const auto letters = [letterCodePage](const std::string& text) {
    return FromGameText(text, letterCodePage);
  };
  file.Header(u"Common");
  file.Text(u"SaveDate", saved.saveDate);
  file.Text(u"SaveTime", saved.saveTime);
  file.Text(u"Info", saved.info);
  file.Number(u"Opponent", saved.opponent);
  file.Number(u"Intellect", saved.intellect);
  file.Number(u"PlayFieldDimX", saved.dimX);
  file.Number(u"PlayFieldDimY", saved.dimY);
  file.Text(u"Template", saved.templateName);
  file.Text(u"PlayField", letters(saved.playField));
  if (saved.mainFormPlace) file.Number(u"MainFormXY", *saved.mainFormPlace);
  file.Number(u"ControlFormXY", saved.controlFormPlace);
  file.Text(u"Letters", letters(saved.letters));
  file.Text(u"Language", saved.language);
  file.Text(u"LanguageExpl", saved.explanationLanguage);
  file.Number(u"HintLimit", saved.hintLimit);
  if (!saved.limits.empty()) file.GameText(u"Limits", saved.limits);
  if (saved.moveTime) file.Text(u"MoveTime", *saved.moveTime);
  if (saved.gameTime) file.Text(u"LastElaspedTime", *saved.gameTime);
  file.Bool(u"KeepBonuses", saved.keepBonuses);
  file.Bool(u"FullScreen", saved.fullScreen.value_or(false));
  file.Header(u"Players");
  for (std::size_t n = 0; n < saved.players.size(); ++n)
    file.GameText(Numbered(u"Player", static_cast<int>(n) + 1), ParticipantField(saved.players[n]));
  file.Text(u"PlayerForms", PanelList(saved.panels));
  file.Header(u"Moves");
  for (const std::string& line : saved.moveLines) file.Line(letters(line));
  if (saved.selections) {
    file.Header(u"Selections");
    file.Number(u"ShapesNum", static_cast<long long>(saved.selections->shapes.size()));
    file.Text(u"Shapes", ShapeList(saved.selections->shapes));
    file.Text(u"SelectMap", QString::fromLatin1(saved.selections->selectMap));
  }
  return file.Lines();
}

QString SavedGameLanguage(const QStringList& lines) {
  return KeyedTextReader(lines, kBaseCodePage).Text(u"Language");
}

std::optional<TSavedGame> ParseSavedGame(const QStringList& lines, int nameCodePage,
                                         int letterCodePage, QString& refusal) {
  const KeyedTextReader text(lines, nameCodePage);
  const auto refuse = [&refusal](const QString& why) {
    refusal = why;
    return std::nullopt;
  };
  const auto number = [&text](QStringView key, long long low,
                              long long high) -> std::optional<int> {
    const auto value = text.Number(key);
    if (!value || *value < low || *value > high) return std::nullopt;
    return static_cast<int>(*value);
  };
  const auto missing = [](QStringView key) {
    return QStringLiteral("%1 is missing or out of range").arg(key);
  };

  TSavedGame saved;
  saved.saveDate = text.Text(u"SaveDate");
  saved.saveTime = text.Text(u"SaveTime");
  saved.info = text.Text(u"Info");
  struct NumberKey {
    QStringView key;
    int* field;
    long long low;
    long long high;
  };
  for (const NumberKey& key : {NumberKey{u"Opponent", &saved.opponent, kHuman, kNetwork},
                               NumberKey{u"Intellect", &saved.intellect, 1, 3},
                               NumberKey{u"PlayFieldDimX", &saved.dimX, 1, kMaxFieldDim},
                               NumberKey{u"PlayFieldDimY", &saved.dimY, 1, kMaxFieldDim},
                               NumberKey{u"HintLimit", &saved.hintLimit, 0, 11}}) {
    const auto value = number(key.key, key.low, key.high);
    if (!value) return refuse(missing(key.key));
    *key.field = *value;
  }
  const auto templateName = text.Find(u"Template");
  if (!templateName) return refuse(missing(u"Template"));
  saved.templateName = *templateName;

  const int cells = saved.dimX * saved.dimY;
  saved.playField = ToGameText(text.Text(u"PlayField"), letterCodePage);
  if (!IsLayoutString(saved.playField, cells))
    return refuse(QStringLiteral("the layout string does not fit %1x%2 cells")
                      .arg(saved.dimX)
                      .arg(saved.dimY));
  saved.letters = ToGameText(text.Text(u"Letters"), letterCodePage);
  if (!IsBagString(saved.letters, cells))
    return refuse(
        QStringLiteral("the bag string does not fit %1x%2 cells").arg(saved.dimX).arg(saved.dimY));

  if (const auto main = text.Number(u"MainFormXY")) saved.mainFormPlace = static_cast<int>(*main);
  saved.controlFormPlace = static_cast<int>(text.Number(u"ControlFormXY").value_or(0));
  saved.language = text.Text(u"Language");
  if (saved.language.isEmpty()) return refuse(missing(u"Language"));
  saved.explanationLanguage = text.Text(u"LanguageExpl");
  saved.limits = FitField(text.GameText(u"Limits"), kLimitsWidth);
  saved.moveTime = text.Find(u"MoveTime");
  saved.gameTime = text.Find(u"LastElaspedTime");
  saved.keepBonuses = text.Bool(u"KeepBonuses");
  if (const auto fullScreen = text.Find(u"FullScreen")) saved.fullScreen = *fullScreen == u"1";

  for (int n = 1;; ++n) {
    const auto entry = text.Find(Numbered(u"Player", n));
    if (!entry) break;
    if (n > kMaxPlayers)
      return refuse(QStringLiteral("more than %1 participants").arg(kMaxPlayers));
    const auto player = ParseParticipant(ToGameText(*entry, nameCodePage));
    if (!player) return refuse(QStringLiteral("participant %1 cannot be read").arg(n));
    saved.players.push_back(*player);
  }
  if (saved.players.size() < static_cast<std::size_t>(kMinPlayers))
    return refuse(QStringLiteral("fewer than %1 participants").arg(kMinPlayers));
  saved.panels = ParsePanels(text.Text(u"PlayerForms"));

  const QStringList& all = text.Lines();
  const auto moves = std::find_if(all.begin(), all.end(), [](const QString& line) {
    return line.compare(QLatin1String(kMovesHeader), Qt::CaseInsensitive) == 0;
  });
  for (auto line = moves == all.end() ? all.end() : moves + 1;
       line != all.end() && line->contains(u'='); ++line) {
    saved.moveLines.push_back(ToGameText(*line, letterCodePage));
  }
  if (saved.moveLines.empty()) return refuse(QStringLiteral("the record holds no moves"));

  const bool selections = std::any_of(all.begin(), all.end(), [](const QString& line) {
    return line.compare(QLatin1String(kSelectionsHeader), Qt::CaseInsensitive) == 0;
  });
  if (selections) saved.selections = ParseSelections(text, saved.dimX, saved.dimY);
  return saved;
}

QString SavedGameSummary(const std::vector<int>& scores, int dimX, int dimY,
                         const QString& templateName, const QStringList& comments) {
  const auto count = static_cast<int>(scores.size());
  QStringList scoreTexts;
  for (int score : scores) scoreTexts << QString::number(score);
  const QString layout =
      templateName.isEmpty() ? QStringLiteral("произвольное")
      : templateName.compare(QLatin1String("classic.map"), Qt::CaseInsensitive) == 0
          ? QStringLiteral("классическое")
          : QStringLiteral("шаблон");
  QString summary = QString::number(count) + QStringLiteral(" игрок") +
                    (count < 5 ? QStringLiteral("а. ") : QStringLiteral("ов. ")) +
                    QStringLiteral("Счет: ") + scoreTexts.join(QStringLiteral(" : ")) + u'#' +
                    QStringLiteral("Поле:") + QString::number(dimX) + u'x' + QString::number(dimY) +
                    QStringLiteral(", ") + layout;
  for (const QString& comment : comments) summary += u'#' + comment;
  // every line break, not only a carriage return: the summary is one line of the file
  summary.replace(QStringLiteral("\r\n"), QStringLiteral("#"));
  summary.replace(u'\r', u'#');
  summary.replace(u'\n', u'#');
  return summary;
}

int EncodeScreenPlace(int screenWidth, int screenHeight, int left, int top) {
  return (screenWidth - left) * 10000 + (screenHeight - top);
}

ScreenPoint DecodeScreenPlace(int screenWidth, int screenHeight, int place) {
  return {screenWidth - place / 10000, screenHeight - place % 10000};
}

}  // namespace quorim
