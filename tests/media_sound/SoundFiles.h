#pragma once
// Sound files made by the tests: a short tone as WAV and a one-note MIDI song.

#include <QByteArray>
#include <QElapsedTimer>
#include <QThread>

#include <cmath>
#include <cstdint>
#include <functional>

namespace quorim::test {

inline void PutLittle(QByteArray& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline void PutBig(QByteArray& bytes, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// 16-bit mono PCM at 22050 Hz, a 440 Hz tone.
inline QByteArray WavTone(int milliseconds) {
  constexpr std::uint32_t kRate = 22050;
  const std::uint32_t frames = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
  QByteArray bytes("RIFF");
  PutLittle(bytes, 36 + frames * 2, 4);
  bytes.append("WAVEfmt ");
  PutLittle(bytes, 16, 4);
  PutLittle(bytes, 1, 2);  // PCM
  PutLittle(bytes, 1, 2);  // mono
  PutLittle(bytes, kRate, 4);
  PutLittle(bytes, kRate * 2, 4);
  PutLittle(bytes, 2, 2);
  PutLittle(bytes, 16, 2);
  bytes.append("data");
  PutLittle(bytes, frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double sample = 8000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / kRate);
    PutLittle(bytes, static_cast<std::uint32_t>(static_cast<std::int16_t>(sample)), 2);
  }
  return bytes;
}

// Format 0, 96 ticks a quarter at 120 beats a minute: one piano note of the given ticks.
inline QByteArray MidiNote(int ticks) {
  QByteArray track;
  track.append('\0');
  track.append("\x90\x3C\x60", 3);  // note on, middle C
  // Delta time as a variable-length number (ticks below 16384).
  if (ticks >= 128) track.append(static_cast<char>(0x80 | (ticks >> 7)));
  track.append(static_cast<char>(ticks & 0x7F));
  track.append("\x80\x3C\x40", 3);      // note off
  track.append("\x00\xFF\x2F\x00", 4);  // end of track
  QByteArray bytes("MThd");
  PutBig(bytes, 6, 4);
  PutBig(bytes, 0, 2);
  PutBig(bytes, 1, 2);
  PutBig(bytes, 96, 2);
  bytes.append("MTrk");
  PutBig(bytes, static_cast<std::uint32_t>(track.size()), 4);
  bytes.append(track);
  return bytes;
}

// Polls until the condition holds or the time is up; the mixer plays on its own thread.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > milliseconds) return false;
    QThread::msleep(10);
  }
  return true;
}

}  // namespace quorim::test
