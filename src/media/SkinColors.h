#pragma once
// The skin colour table GRAFIX\<skin>\colors.txt: lines key=number, the number a Windows colour
// (red + 256 x green + 65536 x blue). Without the file every colour keeps its built-in default.

#include "media/DataDir.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace quorim {

// The colour 16711935 (magenta) stands for "transparent" in every skin picture.
inline constexpr int kTransparentColor = 16711935;

QColor ColorFromWindows(int windowsColor);

// The built-in default of a key where the windows have one; nullopt for the keys whose controls
// keep their design colour when the skin has no table, and for unknown keys.
std::optional<int> DefaultSkinColor(QStringView key);
// Every key the windows ask for.
QStringList SkinColorKeys();

class SkinColors {
 public:
  // A skin without a colour table.
  SkinColors() = default;

  // Reads GRAFIX\<skin>\colors.txt; a missing or unreadable file gives a skin without a table.
  static SkinColors Load(const DataDir& data, QStringView skin);
  // Lines that are not key=number with a colour number are passed over.
  static SkinColors FromLines(const QStringList& lines);

  bool HasTable() const { return hasTable_; }

  // The table's value when the skin has a table holding the key, else defaultColor.
  int Color(QStringView key, int defaultColor) const;
  // The same with the built-in default; nullopt means "keep the control's design colour".
  std::optional<int> Color(QStringView key) const;
  // Only the table's value (windows whose colours change only with a table).
  std::optional<int> TableColor(QStringView key) const;

 private:
  bool hasTable_ = false;
  QHash<QString, int> colors_;  // keys in lower case
};

}  // namespace quorim
