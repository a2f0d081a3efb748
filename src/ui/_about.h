#pragma once
// The about window: the game's version and credits on the round picture of the classic skin, and
// the maker's logo that leads to the game's site.

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;

namespace quorim {

class Skin;

// The game's site: the maker's logo and the help menu's site command open it.
inline constexpr char kGameSite[] = "https://github.com/quorim/quorim";
// Opens the game's site in the system's web browser.
void OpenGameSite();

class TAbout : public QDialog {
 public:
  // sponsorCaption: the text above the logo. hideMenuPicture runs when the window is shown and
  // showMenuPicture when it closes: the start menu's picture and its shadow are not drawn while
  // the window stands over them.
  TAbout(const Skin& skin, const QString& sponsorCaption, std::function<void()> hideMenuPicture,
         std::function<void()> showMenuPicture, QWidget* parent = nullptr);

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QImage background_;
  QLabel* logo_ = nullptr;
  std::function<void()> hideMenuPicture_;
  std::function<void()> showMenuPicture_;
};

}  // namespace quorim
