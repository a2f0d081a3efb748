#pragma once
// The four font roles and their faces: from the font files of FONTS\, registered for this process
// only, and from the skin's font table GRAFIX\<skin>\fonts.txt (lines role=face name).

#include "media/DataDir.h"

#include <QFont>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace quorim {

enum class FontRole { kMessage, kPlayer, kDigital, kSplashes };
inline constexpr int kFontRoleCount = 4;

// "message", "player", "digital", "splashes": the font table's keys and the file name parts.
QString FontRoleKey(FontRole role);

class SkinFonts {
 public:
  // Empty while neither FONTS\ nor the font table named a face for the role.
  const QString& Face(FontRole role) const { return faces_[static_cast<int>(role)]; }
  void SetFace(FontRole role, QString face) { faces_[static_cast<int>(role)] = std::move(face); }

  // The role's face at the size; a role without a face gets the system's general font.
  QFont Font(FontRole role, int pointSize) const;

  // Every key of GRAFIX\<skin>\fonts.txt with a non-empty value replaces its role's face; other
  // lines are passed over. False when the skin has no readable font table.
  bool ApplyFontTable(const DataDir& data, QStringView skin);

 private:
  std::array<QString, kFontRoleCount> faces_;
};

// Registers every file of FONTS\ for this process and removes them again when destroyed, so it
// must live no longer than the QGuiApplication. Files that are no font are passed over.
class PrivateFonts {
 public:
  explicit PrivateFonts(const DataDir& data);
  ~PrivateFonts();
  PrivateFonts(const PrivateFonts&) = delete;
  PrivateFonts& operator=(const PrivateFonts&) = delete;

  // The roles named by the file names ("MyDigital.ttf" gives the digital role its face).
  const SkinFonts& RoleFaces() const { return roleFaces_; }
  // The face names of the fonts registered, in file name order.
  const std::vector<QString>& Faces() const { return faces_; }
  // The registration ids, as QFontDatabase knows them.
  const std::vector<int>& Ids() const { return ids_; }

 private:
  std::vector<int> ids_;
  std::vector<QString> faces_;
  SkinFonts roleFaces_;
};

}  // namespace quorim
