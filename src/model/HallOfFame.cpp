#include "model/HallOfFame.h"

#include "model/Players.h"

#include <algorithm>
#include <cstddef>

namespace quorim {

namespace {

constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kTailOffset = kNameOffset + 1 + kHallNameWidth;
constexpr std::size_t kHeadOffset = kTailOffset + 1 + kHallTailWidth;

bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

bool AllDigits(std::string_view text) {
  return std::ranges::all_of(text, IsDigit);
}

std::string ReadField(std::string_view entry, std::size_t offset, int width) {
  const auto length = std::min<std::size_t>(static_cast<unsigned char>(entry[offset]),
                                            static_cast<std::size_t>(width));
  return std::string(entry.substr(offset + 1, length));
}

void WriteField(std::string& entry, std::size_t offset, int width, std::string_view text) {
  const auto length = std::min(text.size(), static_cast<std::size_t>(width));
  entry[offset] = static_cast<char>(length);
  std::copy_n(text.begin(), length, entry.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

}  // namespace

bool THallEntry::Vacant() const {
  if (ScoreTail.empty() || ScoreTail == "0" || !AllDigits(ScoreTail)) return true;
  return !ScoreHead.empty() && !IsDigit(ScoreHead.front());
}

int THallEntry::Score() const {
  if (Vacant()) return 0;
  // At most one head digit and three tail digits: no overflow.
  int score = ScoreHead.empty() ? 0 : ScoreHead.front() - '0';
  for (char ch : ScoreTail) score = score * 10 + (ch - '0');
  return score;
}

THallEntry HallEntry(std::string_view name, int score) {
  const std::string digits = std::to_string(std::clamp(score, 0, kHallTopScore));
  THallEntry entry{.Name = FitField(name, kHallNameWidth)};
  if (digits.size() > static_cast<std::size_t>(kHallTailWidth)) {
    // The tail keeps its leading zeros: 1005 is "1" and "005".
    entry.ScoreHead = digits.substr(0, 1);
    entry.ScoreTail = digits.substr(1);
  } else {
    entry.ScoreTail = digits;
  }
  return entry;
}

std::optional<HallOfFame> HallOfFame::FromBytes(std::string_view block) {
  if (block.size() != static_cast<std::size_t>(kHallBlockSize)) return std::nullopt;
  HallOfFame hall;
  for (int i = 0; i < kHallEntries; ++i) {
    const std::string_view bytes =
        block.substr(static_cast<std::size_t>(i * kHallEntrySize), kHallEntrySize);
    THallEntry& entry = hall.Entries[static_cast<std::size_t>(i)];
    entry.Name = ReadField(bytes, kNameOffset, kHallNameWidth);
    entry.ScoreTail = ReadField(bytes, kTailOffset, kHallTailWidth);
    entry.ScoreHead = ReadField(bytes, kHeadOffset, kHallHeadWidth);
  }
  return hall;
}

std::string HallOfFame::ToBytes() const {
  std::string block;
  block.reserve(kHallBlockSize);
  for (const THallEntry& entry : Entries) {
    std::string bytes(kHallEntrySize, '\0');
    WriteField(bytes, kNameOffset, kHallNameWidth, entry.Name);
    WriteField(bytes, kTailOffset, kHallTailWidth, entry.ScoreTail);
    WriteField(bytes, kHeadOffset, kHallHeadWidth, entry.ScoreHead);
    block += bytes;
  }
  return block;
}

std::span<const THallEntry> HallOfFame::Shown() const {
  const auto shown = std::span(Entries).first<kHallShownEntries>();
  const auto vacant = std::ranges::find_if(shown, &THallEntry::Vacant);
  return shown.first(static_cast<std::size_t>(vacant - shown.begin()));
}

int HallOfFame::Record(std::string_view name, int score, bool advanced) {
  // A score of 0 would be written as the tail "0", the mark of a free place.
  if (score < 1) return 0;
  const THallEntry result = HallEntry(name, score);
  const int points = result.Score();
  const auto shown = std::span(Entries).first<kHallShownEntries>();
  // A free place holds nobody's result, whatever name a manipulated file left in it.
  const auto holdsName = [&](const THallEntry& entry) {
    return !entry.Vacant() && entry.Name == result.Name;
  };

  if (!advanced && std::ranges::any_of(shown, [&](const THallEntry& entry) {
        return holdsName(entry) && entry.Score() >= points;
      })) {
    return 0;
  }

  const auto place = std::ranges::find_if(shown, [&](const THallEntry& entry) {
    return (entry.Vacant() || entry.Score() < points) && (advanced || !holdsName(entry));
  });
  if (place == shown.end()) return 0;
  int k = static_cast<int>(place - shown.begin()) + 1;
  const auto at = Entries.begin() + (k - 1);
  std::copy_backward(at, Entries.end() - 1, Entries.end());  // entry 7 becomes entry 8
  *at = result;

  if (!advanced) {
    const auto older = std::ranges::find_if(shown, [&](const THallEntry& entry) {
      return holdsName(entry) && entry.Score() != points;
    });
    if (older != shown.end()) {
      // Entry 8 comes back up as entry 7 and keeps its own copy.
      const auto removed = Entries.begin() + (older - shown.begin());
      std::copy(removed + 1, Entries.end(), removed);
      // the window marks the place the result stands at now
      if (removed < at) --k;
    }
  }
  return k;
}

}  // namespace quorim
