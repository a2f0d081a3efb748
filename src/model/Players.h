#pragma once
// The participants of a game and the words each of them has laid.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorim {

enum ParticipantKind : std::uint8_t { kHuman = 0, kComputer = 1, kNetwork = 2 };

constexpr int kMinPlayers = 2;
constexpr int kMaxPlayers = 8;
constexpr int kNameWidth = 9;
constexpr int kAvatarWidth = 8;
constexpr int kWordWidth = 15;
constexpr int kPlayedWordsPerPlayer = 200;

struct TPlayer {
  std::string Name{};  // at most kNameWidth characters
  std::uint16_t Score = 0;
  std::uint8_t ExchangeRun = 0;  // exchanges since his last accepted word
  std::string Avatar{};          // at most kAvatarWidth characters
  std::uint8_t SaveNumber = 0;   // names his own automatic save
  std::uint8_t Kind = kHuman;

  // A network participant has no transport and plays as a person at this machine.
  bool IsComputer() const { return Kind == kComputer; }
};

enum WordDirection : std::uint8_t { kHorizontal = 1, kVertical = 2 };

struct TPlayedWord {
  std::string Word{};  // at most kWordWidth letters; empty = free entry
  std::uint8_t Start = 0;
  std::uint8_t End = 0;
  std::uint8_t Line = 0;
  std::uint8_t Direction = 0;
  std::uint8_t Score = 0;  // the word's points modulo 256
};

// A text cut to a record field's width.
inline std::string FitField(std::string_view text, int width) {
  return std::string(text.substr(0, static_cast<std::size_t>(width)));
}

}  // namespace quorim
