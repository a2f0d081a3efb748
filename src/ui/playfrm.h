#pragma once
// The floating panels of a game: one per participant ("Pl<n>form": name, avatar, score, rack,
// clock) and the control panel ("RC_form") that carries the move buttons. They stay on top of the
// main window, forward keys to it, cannot be closed, and fold to a strip when many play.

#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QToolButton;

namespace quorim {

class Skin;
class TShape;

struct PanelContent {
  int number = 1;
  QString name;
  QString avatarPath;  // empty: no picture
  bool animatedAvatar = false;
  int score = 0;
  bool clock = false;  // a game time or move time is set
  QString scoreHint;
  QString clockHint;
  bool shadows = true;  // ShowShadows: the pictures cast shadows on the backdrop
};

class TPlayForm : public QWidget {
 public:
  // A participant's panel of the given full height.
  TPlayForm(QWidget& mainWindow, const Skin& skin, const QImage& backdrop,
            const PanelContent& content, int height);
  // The control panel.
  TPlayForm(QWidget& mainWindow, const Skin& skin, const QImage& backdrop);

  int Number() const { return number_; }  // 0: the control panel
  int FullHeight() const { return fullHeight_; }
  bool Collapsed() const { return collapsed_; }
  void SetCollapsed(bool collapsed);
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  // ShowShadows changed in the options: the shadows are drawn or erased from the backdrop.
  void SetShadows(bool shadows);
  // The fold and lock buttons' hints, in the interface language.
  void SetButtonHints(const QString& collapse, const QString& expand, const QString& lock,
                      const QString& unlock);

  // The fold button was clicked: the main window folds or unfolds the panel.
  std::function<void(TPlayForm&)> foldClicked;
  // Where a drag by the caption would take the panel; the main window keeps it inside itself.
  std::function<QPoint(const TPlayForm&, QPoint)> keepInside;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeFrame(const QString& captionName);
  QToolButton* GlyphButton(const QString& name, int left);
  void ShowButtonGlyphs();
  // The backdrop with the shadows of the pictures where they stand now.
  void DrawShadows();

  QWidget& mainWindow_;
  const Skin& skin_;
  QImage backdrop_;
  QImage shadowed_;
  bool shadows_ = false;
  // The pictures that cast shadows, with their images.
  std::vector<std::pair<QWidget*, QImage>> casters_;
  int number_ = 0;
  int fullHeight_ = 0;
  bool collapsed_ = false;
  bool locked_ = false;
  QToolButton* foldButton_ = nullptr;
  QToolButton* lockButton_ = nullptr;
  QLabel* avatar_ = nullptr;
  TShape* avatarFrame_ = nullptr;
  QLabel* numberLabel_ = nullptr;
  QLabel* scorePlate_ = nullptr;
  QLabel* scoreLabel_ = nullptr;
  QLabel* arrow_ = nullptr;
  QString collapseHint_, expandHint_, lockHint_, unlockHint_;
  std::optional<QPoint> dragFrom_;
};

}  // namespace quorim
