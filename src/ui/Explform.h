#pragma once
// The explanation window: a word and its meanings on the skin's explanation picture, with the
// name of the explanation language, a copy button and a close button, and a shadow of its own.
// It stays open beside the game; while it is open the participants' panels take no clicks.

#include "dictionary/Explanations.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QMovie;

namespace quorim {

class Skin;
class TShadowWindow;

class TExplanationWindow : public QWidget {
 public:
  // panelsEnabled(false) when the window opens, (true) when it closes.
  TExplanationWindow(const Skin& skin, std::function<void(bool)> panelsEnabled);
  ~TExplanationWindow() override;

  // Shows the content centred on the screen, its shadow behind it.
  void ShowContent(const ExplanationContent& content, const QString& copyHint);
  // Hides the window and its shadow; nothing when it is not open.
  void Shut();
  bool IsOpen() const { return isVisible(); }
  const QString& Word() const { return word_; }
  const TShadowWindow& Shadow() const { return *shadow_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ApplySkin();
  void CopyToClipboard() const;

  const Skin& skin_;
  std::function<void(bool)> panelsEnabled_;
  std::unique_ptr<TShadowWindow> shadow_;
  QLabel* wordLabel_ = nullptr;
  QLabel* explanation_ = nullptr;
  QLabel* language_ = nullptr;
  QLabel* copy_ = nullptr;
  QLabel* close_ = nullptr;
  QPointer<QMovie> closeMovie_;
  QImage background_;
  QString word_;
  QString text_;
};

}  // namespace quorim
