#pragma once
// Layouts: templates in MAPS\*.map (a display name, then one digit of cell kind per cell, row by
// row) and the random layout made from the five bonus counts of the settings.

#include "media/DataDir.h"
#include "media/DataFileError.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quorim {

class Game;

struct LayoutTemplate {
  QString displayName;
  int dimX = 0;
  int dimY = 0;
  std::vector<std::uint8_t> kinds;  // row by row
};

// Reads a template: the columns are the length of the first row, the rows end at the first empty
// line; both are cut to 30. Rows of another length and characters other than 0..6 are refused.
std::optional<DataFileError> ReadTemplate(const QString& path, LayoutTemplate& layout);

struct TemplateListEntry {
  QString fileName;
  QString displayText;  // "name (XxY)"
};
// Every template of MAPS, by file name.
std::vector<TemplateListEntry> ListTemplates(const DataDir& dataDir);

// The layout of the given template file, a random one for the empty name, or, for "saved", the
// kinds and bag letters a loader has set. A template that cannot be used is reported and the
// classic layout (or, failing that, a random one) is built instead. The layout string goes to
// the move record when one exists.
void BuildPlayField(Game& game, const QString& templateName);
// Draws the current cells again and changes nothing.
void RedrawPlayField(Game& game);

inline constexpr char kClassicTemplate[] = "classic.map";
inline constexpr char kSavedLayout[] = "saved";

}  // namespace quorim
