#include "media/SkinFonts.h"

#include "media/TextFiles.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace quorim {

namespace {

constexpr std::array<FontRole, kFontRoleCount> kRoles = {FontRole::kMessage, FontRole::kPlayer,
                                                         FontRole::kDigital, FontRole::kSplashes};

}  // namespace

QString FontRoleKey(FontRole role) {
  switch (role) {
    case FontRole::kMessage:
      return QStringLiteral("message");
    case FontRole::kPlayer:
      return QStringLiteral("player");
    case FontRole::kDigital:
      return QStringLiteral("digital");
    case FontRole::kSplashes:
      return QStringLiteral("splashes");
  }
  return {};
}

QFont SkinFonts::Font(FontRole role, int pointSize) const {
  QFont font = Face(role).isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont)
                                    : QFont(Face(role));
  font.setPointSize(pointSize);
  return font;
}

bool SkinFonts::ApplyFontTable(const DataDir& data, QStringView skin) {
  QStringList lines;
  if (!LoadUtf8TextFile(data.Resolve(QStringLiteral("GRAFIX\\") + skin.toString() +
                                     QStringLiteral("\\fonts.txt")),
                        lines)) {
    return false;
  }
  for (const QString& line : lines) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) continue;
    const QString key = line.first(equals).trimmed();
    const QString face = line.sliced(equals + 1).trimmed();
    if (face.isEmpty()) continue;
    for (FontRole role : kRoles) {
      if (key.compare(FontRoleKey(role), Qt::CaseInsensitive) == 0) SetFace(role, face);
    }
  }
  return true;
}

PrivateFonts::PrivateFonts(const DataDir& data) {
  const QDir dir(data.Resolve(u"FONTS"));
  for (const QString& file : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
    const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
    if (id < 0) continue;
    ids_.push_back(id);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) continue;
    // The whole family name: a shortened one would no longer find the font.
    const QString& face = families.first();
    faces_.push_back(face);
    for (FontRole role : kRoles) {
      if (file.contains(FontRoleKey(role), Qt::CaseInsensitive)) roleFaces_.SetFace(role, face);
    }
  }
}

PrivateFonts::~PrivateFonts() {
  for (int id : ids_) QFontDatabase::removeApplicationFont(id);
}

}  // namespace quorim
