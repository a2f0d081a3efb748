#pragma once
// Measures how responsive the window stays: the longest time the GUI thread's event loop went
// without a pass, nested loops (waits, modal windows) included. Turned on by the environment
// variable QUORIM_LOOP_WATCH, a file path or "-" for standard error, where the figure is written
// at exit.

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
  qint64 Passes() const { return passes_; }
  // "longest event-loop stall: 12.3 ms (480 passes)"
  QString ReportLine() const;
  // Appends the report line to the target; false when it cannot be written.
  bool WriteReport() const;

 private:
  void Pass();

  QString target_;
  QTimer beat_;
  QElapsedTimer sinceLastPass_;
  qint64 longestNs_ = 0;
  qint64 passes_ = 0;
};

}  // namespace quorim
