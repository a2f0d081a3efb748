#include "media/SkinColors.h"

#include "media/TextFiles.h"

#include <utility>

namespace quorim {

namespace {

struct ColorDefault {
  QStringView key;
  std::optional<int> color;
};

// Where a key has several defaults in different places (a clock, a panel caption), this is the
// one of its main use; the other places pass theirs to Color(key, default).
const ColorDefault kDefaults[] = {
    {u"ScreenButtonTitleNewGame", std::nullopt},
    {u"ScreenButtonTitleLoadGame", std::nullopt},
    {u"ScreenButtonTitleExit", std::nullopt},
    {u"ScreenButtonTitleContinue", std::nullopt},
    {u"ScreenButtonTitleLastPlayer", std::nullopt},
    {u"InGameLabel", std::nullopt},
    {u"InGameLabelExplanationPanel", std::nullopt},
    {u"InGameInfoComment", std::nullopt},
    {u"InGamePlayFieldUpperComment", std::nullopt},
    {u"InGamePlayFieldUpperCommentBgr", std::nullopt},
    {u"InGameInfoCommentBgr", 8388608},
    {u"InGameInfoCommentBord", 65535},
    {u"InGamePlayerBorder", 16777215},
    {u"InGamePlayerCap", 16777215},
    {u"InGamePlayerCapButtons", 16711680},
    {u"InGamePlayerNum", 16776960},
    {u"InGamePlayerNumSel", 65535},
    {u"InGamePlayerImageBgr", 16711680},
    {u"InGamePlayerImageBorder", 3125700},
    {u"InGamePlayerColor1", 65280},
    {u"InGamePlayerColor2", 16711935},
    {u"InGamePlayerColor1Bgr", 32768},
    {u"InGamePlayerColor2Bgr", 8388736},
    {u"InGamePlayerBgrSel", 16711680},
    {u"InGameTimeActive", 16776960},
    {u"InGameTimeInActive", 8421376},
    {u"InGameMessageWait", 16777215},
    {u"InGameNewLetters", 65535},
    {u"InGameUsedLetters", 16777215},
    {u"InGameHorizSelection", 255},
    {u"InGameVertSelection", 33023},
    {u"InGameMessage", 5855743},
    {u"InGameQuestion", 16777215},
    {u"NewGameBackground", std::nullopt},
    {u"NewGameWindowLabel", 65535},
    {u"NewGameWindowString", 16777215},
    {u"NewGameDivider", 16776960},
    {u"NewGamePlayerMode", std::nullopt},
    {u"NewGamePlayerName", std::nullopt},
    {u"NewGamePlayerNameBgr", std::nullopt},
    {u"NewGamePlayerNumber", std::nullopt},
    {u"NewGameTabColor", std::nullopt},
    {u"NewGameTabBgr", 8388608},
    {u"NewGameTabBgrSelected", 12285517},
    {u"NewGameSelectPlayerWindow", 15575166},
    {u"NewGameSelectPlayerWindowCap", 16732497},
    {u"NewGameSelectPlayerWindowBorder", 16744576},
    {u"NewGameSelectPlayerWindowtext", 16777215},
    {u"NewGameSelectPlayerShadow", 11752218},
    {u"NewGameSelectPlayerBgr", 16711680},
    {u"NewGameSelectPlayerBorder", 3125700},
    {u"SaveGameWindowCap", 16776960},
    {u"SaveGameWindowText", 0},
    {u"StarWindowLetter", 255},
    {u"StarWindowLetterOver", 8388736},
    {u"StarWindowLetterValue", 8388608},
    {u"GameOverWindowText", std::nullopt},
    {u"GameOverWinnerName", std::nullopt},
    {u"HallFameText", std::nullopt},
    {u"HallFamePoints", std::nullopt},
    {u"HallFameHighlight", std::nullopt},
    {u"ExplanationCap", 65280},
    {u"ExplanationText", 16777215},
    {u"ExplanationLanguage", 65535},
};

// A colour is at most 0xFFFFFF; anything else is a broken line.
std::optional<int> ParseColor(QStringView text) {
  if (text.isEmpty()) return std::nullopt;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
  }
  bool ok = false;
  const qlonglong value = text.toLongLong(&ok);
  if (!ok || value > 0xFFFFFF) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

QColor ColorFromWindows(int windowsColor) {
  return QColor(windowsColor & 0xFF, (windowsColor >> 8) & 0xFF, (windowsColor >> 16) & 0xFF);
}

std::optional<int> DefaultSkinColor(QStringView key) {
  for (const ColorDefault& entry : kDefaults) {
    if (entry.key.compare(key, Qt::CaseInsensitive) == 0) return entry.color;
  }
  return std::nullopt;
}

QStringList SkinColorKeys() {
  QStringList keys;
  for (const ColorDefault& entry : kDefaults) keys.append(entry.key.toString());
  return keys;
}

SkinColors SkinColors::Load(const DataDir& data, QStringView skin) {
  QStringList lines;
  if (!LoadUtf8TextFile(data.Resolve(QStringLiteral("GRAFIX\\") + skin.toString() +
                                     QStringLiteral("\\colors.txt")),
                        lines)) {
    return SkinColors();
  }
  return FromLines(lines);
}

SkinColors SkinColors::FromLines(const QStringList& lines) {
  SkinColors table;
  table.hasTable_ = true;
  for (const QString& line : lines) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) continue;
    const QString key = line.first(equals).trimmed().toLower();
    const std::optional<int> color = ParseColor(QStringView(line).sliced(equals + 1).trimmed());
    if (key.isEmpty() || !color) continue;
    // The first line of a key counts, as a lookup by name finds it.
    if (!table.colors_.contains(key)) table.colors_.insert(key, *color);
  }
  return table;
}

std::optional<int> SkinColors::TableColor(QStringView key) const {
  if (!hasTable_) return std::nullopt;
  const auto found = colors_.constFind(key.toString().toLower());
  if (found == colors_.cend()) return std::nullopt;
  return *found;
}

int SkinColors::Color(QStringView key, int defaultColor) const {
  return TableColor(key).value_or(defaultColor);
}

std::optional<int> SkinColors::Color(QStringView key) const {
  if (const std::optional<int> color = TableColor(key)) return color;
  return DefaultSkinColor(key);
}

}  // namespace quorim
