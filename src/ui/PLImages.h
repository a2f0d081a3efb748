#pragma once
// The avatar chooser ("ImageScreen"): every picture of GRAFIX\PLAYERS and its sub-folders, three
// to a row on their frames and shadows, animations moving. A click on a picture chooses it; the
// cancel button or Esc chooses none.

#include "ui/SkinnedDialog.h"

#include "media/Avatars.h"

#include <QPointer>

#include <optional>
#include <vector>

class QLabel;
class QMovie;
class QScrollArea;

namespace quorim {

class Skin;
class TShape;

class TImageScreen : public TSkinnedDialog {
 public:
  // The entries are built once, here.
  TImageScreen(const Skin& skin, const DataDir& data);

  // Modal at that screen place: the name of the avatar chosen, nothing when cancelled.
  std::optional<QString> Choose(QPoint screenAt);
  // Closes an open chooser without a choice.
  void Cancel();

  const std::vector<Avatar>& Avatars() const { return avatars_; }
  // The entry of exactly that name (letter case aside); nullptr when the chooser has none.
  const Avatar* Entry(const QString& name) const;
  // The picture of an entry, which a click chooses.
  QLabel* EntryPicture(const QString& name) const;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildEntries();
  // The skin's colours, taken again each time the chooser opens: the skin may have changed.
  void ApplyColours();

  std::vector<Avatar> avatars_;
  TShape* caption_ = nullptr;   // Shape2
  TShape* rightBar_ = nullptr;  // Shape3
  QLabel* title_ = nullptr;     // LabelChooseAvatar
  QLabel* cancel_ = nullptr;    // ButtonCancel
  QPointer<QMovie> cancelMovie_;
  QScrollArea* scrollBox_ = nullptr;
  std::vector<TShape*> shadows_;
  std::vector<TShape*> frames_;
  std::vector<QLabel*> pictures_;
  std::optional<QString> choice_;
};

}  // namespace quorim
