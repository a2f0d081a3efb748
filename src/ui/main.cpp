// Program entry: the splash screen, the main window's start-up, and the event loop until the main
// window closes.
#include "ui/Main.h"
#include "media/DataDir.h"
#include "persistence/UserDataDir.h"
#include "ui/EventLoopWatch.h"
#include "ui/Splash.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdlib>

namespace {

// The data that ships: beside an installed program in ../share/quorim, else the checkout's.
QString ShippedDataDir() {
  const QString installed = QDir(QCoreApplication::applicationDirPath())
                                .absoluteFilePath(QStringLiteral("../share/quorim"));
  if (quorim::HoldsGameData(installed)) return QDir::cleanPath(installed);
  return QStringLiteral(QUORIM_SOURCE_DATA);
}

}  // namespace

int main(int argc, char* argv[]) {
  // The panels are top-level windows that must keep their places: under Wayland run through
  // XWayland unless the user chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quorim"));
  QApplication::setApplicationDisplayName(QStringLiteral("Кворим РС 1.6.1 beta"));

  // The data directory is the working directory when it holds the game's data; otherwise the
  // game plays in the user's own copy, so that nothing it writes reaches the shipped files.
  QString error;
  const auto dir = quorim::ChooseDataDir(QDir::currentPath(), ShippedDataDir(),
                                         quorim::DefaultUserDataDir(), error);
  if (!dir || !QDir::setCurrent(*dir)) {
    QMessageBox::critical(nullptr, QStringLiteral("Quorim"), error);
    return EXIT_FAILURE;
  }
  const quorim::DataDir data = quorim::DataDir::FromWorkingDirectory();
  quorim::TSplashScreen splash(data);
  quorim::TMainScreen mainWindow(data);
  if (!mainWindow.StartUp(splash)) return EXIT_FAILURE;
  // Measures play, not the start-up's loading.
  const auto loopWatch = quorim::EventLoopWatch::FromEnvironment();
  return QApplication::exec();
}
