// The responsiveness figures: a loop held up by a handler shows as a stall, in nested loops too,
// a sleeping loop does not; a handler that waits without working is a stall but not a busy one;
// the report reaches its file.

#include "ui/EventLoopWatch.h"

#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace quorim {
namespace {

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Works for the given processor time, so that a loaded machine cannot make it look idle.
void BusyWait(int milliseconds) {
  const double start = ThreadCpuMs();
  while (ThreadCpuMs() - start < milliseconds) {
  }
}

// Runs the event loop for the given time.
void RunLoop(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(EventLoopWatch, AHandlerThatHoldsTheLoopIsTheLongestStallAndTheReportReachesItsFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("watch.txt"));
  {
    EventLoopWatch watch(path);
    QTimer::singleShot(50, [] { BusyWait(120); });
    RunLoop(300);
    EXPECT_GE(watch.LongestStallMs(), 100.0);
    EXPECT_GE(watch.LongestBusyStallMs(), 60.0);
    EXPECT_GT(watch.Passes(), 10);
  }
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString report = QString::fromUtf8(file.readAll());
  const QRegularExpression line(
      QStringLiteral("^longest event-loop stall: (\\d+\\.\\d) ms, busy at most (\\d+\\.\\d) ms "
                     "\\((\\d+) passes\\)\\n$"));
  const auto match = line.match(report);
  ASSERT_TRUE(match.hasMatch()) << report.toStdString();
  EXPECT_GE(match.captured(1).toDouble(), 100.0);
}

TEST(EventLoopWatch, SeesAStallInsideANestedLoop) {
  QTemporaryDir dir;
  EventLoopWatch watch(dir.filePath(QStringLiteral("watch.txt")));
  QTimer::singleShot(20, [] {
    // a wait that keeps the window alive, like the game's pauses
    QTimer::singleShot(50, [] { BusyWait(120); });
    RunLoop(1000);
  });
  RunLoop(1100);
  EXPECT_GE(watch.LongestStallMs(), 100.0);
  // the nested loop's second of sleep is no stall of the outer one
  EXPECT_LT(watch.LongestStallMs(), 800.0);
}

TEST(EventLoopWatch, AHandlerThatOnlyWaitsIsAStallButNotABusyOne) {
  QTemporaryDir dir;
  EventLoopWatch watch(dir.filePath(QStringLiteral("watch.txt")));
  QTimer::singleShot(20, [] { QThread::msleep(120); });
  RunLoop(200);
  EXPECT_GE(watch.LongestStallMs(), 100.0);
  EXPECT_LT(watch.LongestBusyStallMs(), 50.0);
}

TEST(EventLoopWatch, ReportsWhereTheEnvironmentSays) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("watch.txt"));
  qputenv("QUORIM_LOOP_WATCH", path.toLocal8Bit());
  EventLoopWatch::FromEnvironment().reset();
  qunsetenv("QUORIM_LOOP_WATCH");
  EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
}  // namespace quorim
