#pragma once
// The main window started on a data directory of its own, made from the shipped data, as a
// player's first start makes it.

#include "persistence/UserDataDir.h"
#include "ui/Errormes.h"
#include "ui/Main.h"
#include "ui/Splash.h"

#include "TestFiles.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorim {

class MainScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    QString error;
    ASSERT_TRUE(PrepareUserDataDir(QStringLiteral(QUORIM_SHIPPED_DATA), dir_.path(), error))
        << error.toStdString();
    // Ann plays in Russian, in a normal window
    Settings({});
    test::WriteFile(dir_.path(), "ann.ini",
                    test::GameFile({"InterfaceLang=rus", "DictionaryLang=rus"}));
  }

  void Settings(std::initializer_list<std::string_view> more) {
    std::vector<std::string> lines{"Player1=Ann", "FullScreen=1"};
    lines.insert(lines.end(), more.begin(), more.end());
    QByteArray bytes("\xEF\xBB\xBF");
    for (const std::string& line : lines) bytes.append(line.c_str()).append("\r\n");
    test::WriteFile(dir_.path(), "quorim.ini", bytes);
  }

  // The start-up as the program runs it, on this data directory.
  TMainScreen& Start() {
    splash_ = std::make_unique<TSplashScreen>(DataDir(dir_.path()));
    main_ = std::make_unique<TMainScreen>(DataDir(dir_.path()));
    EXPECT_TRUE(main_->StartUp(*splash_));
    return *main_;
  }

  // Closes the main window, answering the exit question with Yes.
  void Exit() {
    test::Watchdog watchdog;
    test::Later([this] { main_->MessageWindow().Answer(true); }, 50);
    main_->close();
    EXPECT_FALSE(main_->isVisible());
  }

  template <typename Widget = QWidget>
  Widget* Find(const QString& name) const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* found = window->findChild<Widget*>(name)) return found;
    }
    return nullptr;
  }

  QAction* Item(const QString& name) const { return main_->findChild<QAction*>(name); }

  QTemporaryDir dir_;
  std::unique_ptr<TSplashScreen> splash_;
  std::unique_ptr<TMainScreen> main_;
};

}  // namespace quorim
