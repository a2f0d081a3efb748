#include "model/Layouts.h"

#include "media/TextFiles.h"
#include "model/Game.h"

#include <QDir>

#include <algorithm>

namespace quorim {

namespace {

QString TemplatePath(const QString& fileName) {
  return QStringLiteral("MAPS\\") + fileName;
}

void ApplyTemplate(TPlayField& field, const LayoutTemplate& layout) {
  field.Allocate(layout.dimX, layout.dimY);
  InitPlayFieldCells(field, kCellEmptyPlace);
  auto kind = layout.kinds.begin();
  for (int y = 1; y <= layout.dimY; ++y) {
    for (int x = 1; x <= layout.dimX; ++x) field(x, y).Kind = *kind++;
  }
}

// The counts of a random layout as they can be placed: at least one start cell, and at least one
// plain cell left so that the search for a plain cell always ends. Start cells are served first.
struct BonusCounts {
  int byKind[kCellStart + 1] = {};
};
BonusCounts PlaceableCounts(const Settings& settings, int cells) {
  BonusCounts counts;
  int room = cells - 1;
  counts.byKind[kCellStart] = std::clamp<int>(settings.Black, 1, room);
  room -= counts.byKind[kCellStart];
  const std::uint16_t wanted[] = {settings.Green, settings.Blue, settings.Yellow, settings.Red};
  for (int kind = kCellLetterX2; kind <= kCellWordX3; ++kind) {
    counts.byKind[kind] = std::min<int>(wanted[kind - kCellLetterX2], room);
    room -= counts.byKind[kind];
  }
  return counts;
}

void BuildRandomLayout(Game& game) {
  Settings& settings = game.Settings;
  settings.PlayFieldDimX =
      static_cast<std::uint8_t>(std::clamp<int>(settings.PlayFieldDimX, 15, 30));
  settings.PlayFieldDimY =
      static_cast<std::uint8_t>(std::clamp<int>(settings.PlayFieldDimY, 15, 30));
  TPlayField& field = game.PlayField;
  field.Allocate(settings.PlayFieldDimX, settings.PlayFieldDimY);
  InitPlayFieldCells(field, kCellPlain);
  const BonusCounts counts = PlaceableCounts(settings, field.CellCount());
  for (int kind = kCellLetterX2; kind <= kCellStart; ++kind) {
    for (int left = counts.byKind[kind]; left > 0;) {
      TFieldCell& cell = field(game.Random(field.DimX()) + 1, game.Random(field.DimY()) + 1);
      if (cell.Kind != kCellPlain) continue;
      cell.Kind = static_cast<std::uint8_t>(kind);
      --left;
    }
  }
}

bool BuildFromTemplate(Game& game, const QString& templateName) {
  LayoutTemplate layout;
  const QString path = game.Data.Resolve(TemplatePath(templateName));
  if (const auto error = ReadTemplate(path, layout)) {
    game.View().ShowInGameMessage(
        DataFileErrorMessage(*error, game.Strings, u"LoadMessageTemplateFileNotFound",
                             u"LoadMessageTemplateFileMalformed"),
        {});
    return false;
  }
  ApplyTemplate(game.PlayField, layout);
  // The dimension settings always describe the layout in play.
  game.Settings.PlayFieldDimX = static_cast<std::uint8_t>(layout.dimX);
  game.Settings.PlayFieldDimY = static_cast<std::uint8_t>(layout.dimY);
  return true;
}

// A loaded game keeps the kinds and bag letters its file gave; everything else starts afresh.
void ResetSavedLayout(TPlayField& field) {
  for (int y = 0; y <= field.DimY() + 1; ++y) {
    for (int x = 0; x <= field.DimX() + 1; ++x) {
      TFieldCell& cell = field(x, y);
      cell = TFieldCell{.Kind = cell.Kind, .BagLetter = cell.BagLetter};
    }
  }
  field.ClearSelectionMarks();
}

}  // namespace

std::optional<DataFileError> ReadTemplate(const QString& path, LayoutTemplate& layout) {
  QStringList lines;
  if (!LoadUnicodeTextFile(path, lines)) return DataFileError::NotFound(path);
  if (lines.size() < 2 || lines[1].isEmpty()) {
    return DataFileError::Malformed(path, 2, QStringLiteral("no row of cells"));
  }
  LayoutTemplate read;
  read.displayName = lines[0];
  read.dimX = static_cast<int>(std::min<qsizetype>(lines[1].size(), kMaxFieldDim));
  for (qsizetype i = 1; i < lines.size() && !lines[i].isEmpty() && read.dimY < kMaxFieldDim; ++i) {
    const QStringView row = QStringView(lines[i]).left(kMaxFieldDim);
    const int lineNumber = static_cast<int>(i) + 1;
    if (row.size() != read.dimX) {
      return DataFileError::Malformed(
          path, lineNumber,
          QStringLiteral("%1 cells, the first row has %2").arg(row.size()).arg(read.dimX));
    }
    for (QChar ch : row) {
      if (ch < u'0' || ch > u'6') {
        return DataFileError::Malformed(path, lineNumber,
                                        QStringLiteral("a cell kind is not 0..6"));
      }
      read.kinds.push_back(static_cast<std::uint8_t>(ch.unicode() - u'0'));
    }
    ++read.dimY;
  }
  layout = std::move(read);
  return std::nullopt;
}

std::vector<TemplateListEntry> ListTemplates(const DataDir& dataDir) {
  std::vector<TemplateListEntry> list;
  const QDir folder(dataDir.Resolve(u"MAPS"));
  for (const QString& fileName :
       folder.entryList({QStringLiteral("*.map")}, QDir::Files, QDir::Name)) {
    QStringList lines;
    LoadUnicodeTextFile(folder.filePath(fileName), lines);
    // The list counts every non-empty row line, although a game stops at the first empty one.
    const qsizetype columns = lines.size() > 1 ? lines[1].size() : 0;
    const qsizetype rows = lines.isEmpty()
                               ? 0
                               : std::count_if(lines.begin() + 1, lines.end(),
                                               [](const QString& line) { return !line.isEmpty(); });
    const QString name = lines.isEmpty() ? QString() : lines[0];
    list.push_back({fileName, QStringLiteral("%1 (%2x%3)").arg(name).arg(columns).arg(rows)});
  }
  return list;
}

void BuildPlayField(Game& game, const QString& templateName) {
  if (templateName == QLatin1String(kSavedLayout)) {
    ResetSavedLayout(game.PlayField);
  } else if (templateName.isEmpty()) {
    BuildRandomLayout(game);
  } else if (!BuildFromTemplate(game, templateName) &&
             (templateName.compare(QLatin1String(kClassicTemplate), Qt::CaseInsensitive) == 0 ||
              !BuildFromTemplate(game, QLatin1String(kClassicTemplate)))) {
    BuildRandomLayout(game);
  }
  game.View().DrawPlayField();
  game.MoveLog.Append(LayoutString(game.PlayField));
}

void RedrawPlayField(Game& game) {
  game.View().DrawPlayField();
}

}  // namespace quorim
