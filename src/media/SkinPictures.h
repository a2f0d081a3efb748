#pragma once
// Pictures and animations of a skin: GRAFIX\<skin>\ first, the classic skin for whatever the skin
// lacks. A picture that neither has leaves its control empty; the game goes on without it.

#include "media/DataDir.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QStringView>

class QMovie;

namespace quorim {

inline constexpr char16_t kClassicSkin[] = u"classic";
// Returned by LoadSkinPicture when neither the skin nor the classic skin has the picture.
inline constexpr char16_t kNoPicture[] = u"null";

class SkinPictures {
 public:
  // An empty skin name means the classic skin.
  SkinPictures(DataDir data, QString skin);

  const DataDir& Data() const { return data_; }
  const QString& Skin() const { return skin_; }
  // A skin chosen later is used by every picture loaded from then on.
  void SetSkin(QString skin);

  // Loads the first of name.bmp, .jpg, .jpeg, .png, .gif (any letter case) from the skin, else
  // from the classic skin. Gives the extension of the file loaded ("bmp", "jpg", "png", "gif";
  // ".jpeg" gives "jpg"), or "null" with an empty picture when neither skin has a readable one.
  QString LoadSkinPicture(QImage& picture, QStringView name) const;

  // Loads name.gif from the skin's ANIMATIO folder, else from the classic skin's. A name with a
  // folder ("ANIMATIO\S_Button") is taken from the skin folder as written. Without a readable
  // file in either skin the movie is left without a file and false is returned.
  bool LoadSkinAnimation(QMovie& animation, QStringView name) const;

  // The pictures that are always the classic skin's (Q-Logo.bmp, about.bmp, starflsh.bmp).
  bool LoadClassicPicture(QImage& picture, QStringView fileName) const;

 private:
  DataDir data_;
  QString skin_;
};

// The skins offered: the folders of GRAFIX except the avatars' "players", sorted by name.
QStringList AvailableSkins(const DataDir& data);

}  // namespace quorim
