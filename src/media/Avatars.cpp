#include "media/Avatars.h"

#include <QDir>

namespace quorim {

namespace {

constexpr int kPerRow = 3;

bool IsPicture(const QString& fileName) {
  const QString lower = fileName.toLower();
  for (const char* extension : {".bmp", ".jpg", ".png", ".gif"}) {
    if (lower.contains(QLatin1String(extension))) return true;
  }
  return false;
}

}  // namespace

std::vector<Avatar> AvatarCatalogue(const DataDir& data) {
  const QDir root(data.Resolve(u"GRAFIX\\PLAYERS"));
  QStringList folders{QString()};
  for (const QString& folder :
       root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    folders.append(folder);
  std::vector<Avatar> catalogue;
  for (const QString& folder : folders) {
    const QDir dir(folder.isEmpty() ? root.path() : root.filePath(folder));
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
      if (!IsPicture(file)) continue;
      const int k = static_cast<int>(catalogue.size());
      Avatar avatar;
      avatar.path = dir.filePath(file);
      avatar.hint = file;
      avatar.animated = file.toLower().endsWith(QLatin1String(".gif"));
      if (!avatar.animated && file.compare(QLatin1String("pc1.bmp"), Qt::CaseInsensitive) == 0) {
        avatar.name = QStringLiteral("pc0");
      } else {
        avatar.name = QStringLiteral("Im") + QString::number(k % kPerRow + 10 * (k / kPerRow)) +
                      (avatar.animated ? QStringLiteral("A") : QString());
      }
      catalogue.push_back(avatar);
    }
  }
  return catalogue;
}

const Avatar* FindAvatar(const std::vector<Avatar>& catalogue, const QString& name) {
  for (const QString& wanted : {name, QStringLiteral("Im0")}) {
    for (const Avatar& avatar : catalogue) {
      if (avatar.name.compare(wanted, Qt::CaseInsensitive) == 0) return &avatar;
    }
  }
  return nullptr;
}

QString WinnerAnimation(const Avatar& avatar) {
  return QStringLiteral("Animatio\\") + avatar.hint.section(u'.', 0, 0) + QStringLiteral("go");
}

}  // namespace quorim
