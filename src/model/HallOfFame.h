#pragma once
// The hall of fame: the seven best results, kept as the 232-byte block of "hallfame.dat" (eight
// entries of 29 bytes; the eighth only receives the entry an insertion pushes out).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorim {

constexpr int kHallEntries = 8;
constexpr int kHallShownEntries = 7;
constexpr int kHallNameWidth = 15;
constexpr int kHallTailWidth = 3;
constexpr int kHallHeadWidth = 8;
// Each field is a length byte and its characters.
constexpr int kHallEntrySize = (1 + kHallNameWidth) + (1 + kHallTailWidth) + (1 + kHallHeadWidth);
constexpr int kHallBlockSize = kHallEntries * kHallEntrySize;

// A winner with fewer points does not enter the hall of fame.
constexpr int kHallMinScore = 100;
// The head holds one digit, so a higher result is stored as this.
constexpr int kHallTopScore = 9999;

struct THallEntry {
  std::string Name{};       // 8-bit code page bytes, at most kHallNameWidth
  std::string ScoreTail{};  // the last three digits; all of them below 1000
  std::string ScoreHead{};  // the first digit from 1000 on, else empty

  // A tail of "0" marks a free place. A never-written file is all zero bytes, and a manipulated
  // one may hold anything: a score that is not a number is a free place too.
  bool Vacant() const;
  // The number written by the head's first character followed by the tail; 0 when vacant.
  int Score() const;
};

// The entry of a result, cut and capped to what the fields hold.
THallEntry HallEntry(std::string_view name, int score);

struct HallOfFame {
  std::array<THallEntry, kHallEntries> Entries{};  // Entries[0] is entry 1; all vacant

  // A block of another size is no table. Length bytes beyond a field's width are cut to it.
  static std::optional<HallOfFame> FromBytes(std::string_view block);
  // kHallBlockSize bytes; a field's bytes after its text are zeros.
  std::string ToBytes() const;

  // Entries 1 to 7 up to the first vacant one: what the window lists.
  std::span<const THallEntry> Shown() const;

  // Records a winner's result. advanced = Settings.ShowAdvancedHallFame: several entries per name;
  // off, a name keeps only its best one, and the older, lower entry goes. Gives the place the
  // result stands at afterwards, 1 to 7, or 0 when the table did not change.
  int Record(std::string_view name, int score, bool advanced);
};

}  // namespace quorim
