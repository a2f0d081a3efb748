#pragma once
// A data directory of skins built by the test: pictures drawn with QImage and written through
// Qt's own writers, so no picture file is kept in the repository.

#include "TestFiles.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quorim::test {

// A picture of one colour written to root/relative in the format its extension names.
inline void WritePicture(const QString& root, const QString& relative, QSize size, QColor color,
                         const char* format = nullptr) {
  const QString path = root + u'/' + relative;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QImage image(size, QImage::Format_RGB32);
  image.fill(color);
  ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

// Qt writes no GIF: a GIF of 1 x 1 pixel frames, put together by hand (header, two-colour table,
// then per frame an image descriptor and the LZW data of one pixel of colour 0).
inline QByteArray GifBytes(int frames) {
  QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\x00\x00\x00\xFF", 19);
  for (int i = 0; i < frames; ++i) {
    gif.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);  // 100 ms per frame
    gif.append("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00", 15);
  }
  gif.append('\x3B');
  return gif;
}

class SkinTree : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Root() const { return dir_.path(); }
  QTemporaryDir dir_;
};

}  // namespace quorim::test
