#pragma once
// Driving the windows as a person would: keys to the window in front, clicks on controls, while a
// modal window waits; web addresses caught instead of opened.

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace quorim::test {

// Runs the step once the event loop of the window about to open is running.
inline void Later(std::function<void()> step, int milliseconds = 0) {
  QTimer::singleShot(milliseconds, std::move(step));
}

// A key pressed at the keyboard, once the modal window that opened is in front: it reaches the
// active window.
inline void PressKey(Qt::Key key) {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    EXPECT_TRUE(QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }, 1000))
        << "the window never came to the front";
  }
  QWidget* front = QApplication::activeWindow();
  ASSERT_NE(front, nullptr) << "no active window";
  QTest::keyClick(front, key);
}

// Text typed at the keyboard into a widget, any alphabet: the key events carry the characters.
inline void TypeText(QWidget& widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(&widget, &press);
  }
}

// With QUORIM_SHOT_DIR set, the window as it looks is kept there.
inline void Shoot(QWidget& window, const QString& name) {
  const QString folder = qEnvironmentVariable("QUORIM_SHOT_DIR");
  if (!folder.isEmpty()) window.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

// Closes the modal windows that a failing test left waiting, so the test fails instead of hanging.
class Watchdog {
 public:
  // rescue: what ends a wait that no window shows.
  explicit Watchdog(std::function<void()> rescue = {}, int milliseconds = 5000) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [rescue = std::move(rescue)] {
      ADD_FAILURE() << "a window was still waiting";
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      if (rescue) rescue();
    });
    timer_.start(milliseconds);
  }

 private:
  QTimer timer_;
};

// Takes the addresses the game would open in the web browser.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  UrlCatcher() {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~UrlCatcher() override {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
  }

  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.append(url); }

 private:
  const QStringList schemes_{QStringLiteral("http"), QStringLiteral("https")};
};

}  // namespace quorim::test
