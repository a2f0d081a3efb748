#include "ui/EventLoopWatch.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace quorim {

namespace {

// Short enough to see a stall to the millisecond, long enough that the idle loop still sleeps.
constexpr int kBeatInterval = 1;  // ms

qint64 ThreadTimeNs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

// A timer fires in whichever loop is running, nested ones included, so the gap between two of
// its firings is the time in which no loop got around to anything. The dispatcher's awake and
// aboutToBlock signals cannot tell that: on the GLib dispatcher they bracket the handlers together
// with the sleep.
EventLoopWatch::EventLoopWatch(QString target) : target_(std::move(target)) {
  beat_.setTimerType(Qt::PreciseTimer);
  beat_.setInterval(kBeatInterval);
  QObject::connect(&beat_, &QTimer::timeout, [this] { Pass(); });
  sinceLastPass_.start();
  threadTimeAtLastPass_ = ThreadTimeNs();
  beat_.start();
}

EventLoopWatch::~EventLoopWatch() {
  beat_.stop();
  WriteReport();
}

std::unique_ptr<EventLoopWatch> EventLoopWatch::FromEnvironment() {
  const QString target = qEnvironmentVariable("QUORIM_LOOP_WATCH");
  if (target.isEmpty()) return nullptr;
  return std::make_unique<EventLoopWatch>(target);
}

void EventLoopWatch::Pass() {
  const qint64 gap = sinceLastPass_.nsecsElapsed();
  sinceLastPass_.restart();
  const qint64 threadTime = ThreadTimeNs();
  longestNs_ = std::max(longestNs_, gap);
  longestBusyNs_ = std::max(longestBusyNs_, threadTime - threadTimeAtLastPass_);
  threadTimeAtLastPass_ = threadTime;
  ++passes_;
}

QString EventLoopWatch::ReportLine() const {
  return QStringLiteral("longest event-loop stall: %1 ms, busy at most %2 ms (%3 passes)")
      .arg(LongestStallMs(), 0, 'f', 1)
      .arg(LongestBusyStallMs(), 0, 'f', 1)
      .arg(passes_);
}

bool EventLoopWatch::WriteReport() const {
  const QByteArray line = ReportLine().toUtf8() + '\n';
  if (target_ == QLatin1String("-")) {
    std::fputs(line.constData(), stderr);
    return true;
  }
  QFile file(target_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  return file.write(line) == line.size();
}

}  // namespace quorim
