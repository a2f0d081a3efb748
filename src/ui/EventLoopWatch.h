#pragma once
// Measures how responsive the window stays: the longest time the GUI thread's event loop went
// without a pass, nested loops (waits, modal windows) included, and the most processor time the
// thread spent in one such gap. The second figure tells the game's own work from a machine that
// did not schedule the process. Turned on by the environment variable QUORIM_LOOP_WATCH, a file
// path or "-" for standard error, where the figures are written at exit.

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <memory>

namespace quorim {

class EventLoopWatch {
 public:
  // Watching starts at once; the report is written when the watch is destroyed.
  explicit EventLoopWatch(QString target);
  ~EventLoopWatch();
  EventLoopWatch(const EventLoopWatch&) = delete;
  EventLoopWatch& operator=(const EventLoopWatch&) = delete;

  // A watch reporting to QUORIM_LOOP_WATCH, or none when the variable is unset.
  static std::unique_ptr<EventLoopWatch> FromEnvironment();

  double LongestStallMs() const { return longestNs_ / 1e6; }
  double LongestBusyStallMs() const { return longestBusyNs_ / 1e6; }
  qint64 Passes() const { return passes_; }
  // "longest event-loop stall: 12.3 ms, busy at most 4.5 ms (480 passes)"
  QString ReportLine() const;
  // Appends the report line to the target; false when it cannot be written.
  bool WriteReport() const;

 private:
  void Pass();

  QString target_;
  QTimer beat_;
  QElapsedTimer sinceLastPass_;
  qint64 threadTimeAtLastPass_ = 0;
  qint64 longestNs_ = 0;
  qint64 longestBusyNs_ = 0;
  qint64 passes_ = 0;
};

}  // namespace quorim
