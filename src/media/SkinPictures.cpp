#include "media/SkinPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMovie>

#include <algorithm>
#include <array>
#include <utility>

namespace quorim {

namespace {

// In this order when a skin holds one name in several formats.
constexpr std::array<QStringView, 5> kPictureExtensions = {u"bmp", u"jpg", u"jpeg", u"png", u"gif"};

QString SkinFolder(QStringView skin) {
  return QStringLiteral("GRAFIX\\") + skin.toString() + u'\\';
}

// The folder part and the file part of a game path written with either separator.
std::pair<QString, QString> SplitGamePath(QStringView path) {
  const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  if (cut < 0) return {QString(), path.toString()};
  return {path.first(cut + 1).toString(), path.sliced(cut + 1).toString()};
}

bool ReadImage(const QString& path, QImage& picture) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);  // a skin's ".bmp" may really hold another format
  QImage image = reader.read();
  if (image.isNull()) return false;
  picture = std::move(image);
  return true;
}

// Tries the picture files of name in folder, in extension order; gives the extension loaded.
QString LoadFromFolder(const DataDir& data, const QString& folder, QStringView name,
                       QImage& picture) {
  const auto [subFolder, baseName] = SplitGamePath(name);
  const QDir dir(data.Resolve(folder + subFolder));
  if (!dir.exists()) return {};
  const QStringList files = dir.entryList(QDir::Files | QDir::Readable);
  for (QStringView extension : kPictureExtensions) {
    const QString wanted = baseName + u'.' + extension.toString();
    for (const QString& file : files) {
      if (file.compare(wanted, Qt::CaseInsensitive) != 0) continue;
      // An unreadable file is passed over, so the next format or the classic skin is used.
      if (ReadImage(dir.filePath(file), picture)) {
        return extension == u"jpeg" ? QStringLiteral("jpg") : extension.toString();
      }
    }
  }
  return {};
}

// A GIF whose first frame decodes; QMovie alone only looks at the header.
bool IsValidMovie(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  QImageReader reader(path);
  return reader.supportsAnimation() && !reader.read().isNull();
}

}  // namespace

SkinPictures::SkinPictures(DataDir data, QString skin) : data_(std::move(data)) {
  SetSkin(std::move(skin));
}

void SkinPictures::SetSkin(QString skin) {
  skin_ = skin.isEmpty() ? QString::fromUtf16(kClassicSkin) : std::move(skin);
}

QString SkinPictures::LoadSkinPicture(QImage& picture, QStringView name) const {
  QString extension = LoadFromFolder(data_, SkinFolder(skin_), name, picture);
  if (extension.isEmpty() && skin_.compare(kClassicSkin, Qt::CaseInsensitive) != 0) {
    extension = LoadFromFolder(data_, SkinFolder(kClassicSkin), name, picture);
  }
  if (!extension.isEmpty()) return extension;
  picture = QImage();
  return QString::fromUtf16(kNoPicture);
}

bool SkinPictures::LoadSkinAnimation(QMovie& animation, QStringView name) const {
  QString file = name.toString();
  if (!file.contains(u'\\') && !file.contains(u'/')) file.prepend(QStringLiteral("ANIMATIO\\"));
  file += QStringLiteral(".gif");
  for (const QString& skin : {skin_, QString::fromUtf16(kClassicSkin)}) {
    const QString path = data_.Resolve(SkinFolder(skin) + file);
    if (IsValidMovie(path)) {
      animation.stop();
      animation.setFileName(path);
      return true;
    }
  }
  animation.stop();
  animation.setFileName(QString());
  return false;
}

bool SkinPictures::LoadClassicPicture(QImage& picture, QStringView fileName) const {
  if (ReadImage(data_.Resolve(SkinFolder(kClassicSkin) + fileName.toString()), picture)) {
    return true;
  }
  picture = QImage();
  return false;
}

QStringList AvailableSkins(const DataDir& data) {
  QStringList skins =
      QDir(data.Resolve(u"GRAFIX"))
          .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  skins.removeIf([](const QString& skin) {
    return skin.compare(QStringLiteral("players"), Qt::CaseInsensitive) == 0;
  });
  return skins;
}

}  // namespace quorim
