#include "model/MoveLineFormat.h"

#include "model/Players.h"

#include <algorithm>
#include <charconv>

namespace quorim {

namespace {

enum class Token { TakeStar, GameClock, MoveClock, Words, FullSet, Used, Slot, Playground, Helped };

struct Keyword {
  std::string_view text;
  Token token;
};

// No keyword lies inside another, and none can occur in a word or name, which hold no ":" and
// no ",": wherever a keyword is found, it starts its token.
constexpr std::array<Keyword, 9> kKeywords{{
    {"TAKESTAR:", Token::TakeStar},
    {"ETIME:", Token::GameClock},
    {"MTIME:", Token::MoveClock},
    {"WORDS:", Token::Words},
    {"FULLSETBONUS,", Token::FullSet},
    {"(USED:", Token::Used},
    {"SLOT:", Token::Slot},
    {"PLAYGROUND:", Token::Playground},
    {"HELPED:", Token::Helped},
}};

// ASCII only: the bytes of a cp1251 or cp1250 letter must not be folded by any locale.
char FoldAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool KeywordAt(std::string_view text, std::size_t at, std::string_view keyword) {
  if (text.size() - at < keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (FoldAscii(text[at + i]) != keyword[i]) return false;
  }
  return true;
}

struct Segment {
  Token token;
  std::size_t keywordAt;  // in the whole line
  std::size_t fieldsAt;
  std::string_view fields;  // up to the next keyword
};

std::vector<Segment> Segments(std::string_view line, std::size_t from) {
  std::vector<Segment> found;
  for (std::size_t at = from; at < line.size();) {
    const auto keyword = std::find_if(kKeywords.begin(), kKeywords.end(), [&](const Keyword& k) {
      return KeywordAt(line, at, k.text);
    });
    if (keyword == kKeywords.end()) {
      ++at;
      continue;
    }
    found.push_back({keyword->token, at, at + keyword->text.size(), {}});
    at += keyword->text.size();
  }
  for (std::size_t i = 0; i < found.size(); ++i) {
    const std::size_t end = i + 1 < found.size() ? found[i + 1].keywordAt : line.size();
    found[i].fields = line.substr(found[i].fieldsAt, end - found[i].fieldsAt);
  }
  return found;
}

// A whole decimal number, with an optional "-"; nothing else may follow.
std::optional<int> Number(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<int> NonNegative(std::string_view text) {
  const auto value = Number(text);
  if (!value || *value < 0) return std::nullopt;
  return value;
}

// The entries of a token, each ended by ","; a last one without its "," was cut off and is left
// out.
std::vector<std::string_view> Entries(std::string_view fields) {
  std::vector<std::string_view> entries;
  for (std::size_t comma; (comma = fields.find(',')) != std::string_view::npos;) {
    entries.push_back(fields.substr(0, comma));
    fields.remove_prefix(comma + 1);
  }
  return entries;
}

// "a/b" of two numbers.
std::optional<std::pair<int, int>> Pair(std::string_view entry) {
  const std::size_t slash = entry.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const auto a = Number(entry.substr(0, slash));
  const auto b = Number(entry.substr(slash + 1));
  if (!a || !b) return std::nullopt;
  return std::pair{*a, *b};
}

std::uint8_t DirectionOf(char c) {
  switch (FoldAscii(c)) {
    case 'H':
      return kHorizontal;
    case 'V':
      return kVertical;
    default:
      return 0;
  }
}

// word "(" points ")" number direction, then, for a word of the record, any hint marks.
struct Placed {
  std::string word;
  int points;
  int number;
  std::uint8_t direction;
  bool hinted;
};
std::optional<Placed> PlacedWord(std::string_view entry, bool marks) {
  const std::size_t open = entry.find('(');
  const std::size_t close = entry.find(')');
  if (open == 0 || open == std::string_view::npos || close == std::string_view::npos ||
      close < open || open > static_cast<std::size_t>(kWordWidth))
    return std::nullopt;
  const auto points = NonNegative(entry.substr(open + 1, close - open - 1));
  std::string_view rest = entry.substr(close + 1);
  bool hinted = false;
  while (marks && !rest.empty() && FoldAscii(rest.back()) == 'X') {
    hinted = true;
    rest.remove_suffix(1);
  }
  if (!points || rest.size() < 2) return std::nullopt;
  const std::uint8_t direction = DirectionOf(rest.back());
  const auto number = NonNegative(rest.substr(0, rest.size() - 1));
  if (direction == 0 || !number) return std::nullopt;
  return Placed{std::string(entry.substr(0, open)), *points, *number, direction, hinted};
}

std::optional<TRecordedClock> Clock(std::string_view fields) {
  const auto entries = Entries(fields);
  if (entries.empty()) return std::nullopt;
  const auto clock = Pair(entries.front());
  if (!clock || clock->first < 0 || clock->second < 0 || clock->first > 0xFFFF ||
      clock->second > 0xFFFF)
    return std::nullopt;
  return TRecordedClock{clock->first, clock->second};
}

void AddWord(const Placed& placed, TMoveLine& line) {
  line.Words.push_back({placed.word, placed.points, placed.number / 10000,
                        placed.number / 100 % 100, placed.number % 100, placed.direction,
                        placed.hinted});
}

void ReadTakeStar(std::string_view fields, TMoveLine& line) {
  for (std::string_view entry : Entries(fields)) {
    const auto trade = Pair(entry);
    // A computer's second pass takes stars back after its first words; the words it lays then
    // follow its "TAKESTAR:" entries.
    if (!trade && line.HasWords) {
      if (const auto placed = PlacedWord(entry, true)) AddWord(*placed, line);
    }
    if (!trade) continue;
    line.StarTrades.push_back({trade->first, trade->second});
    line.StarTradesText.append(std::to_string(trade->first))
        .append(1, '/')
        .append(std::to_string(trade->second))
        .append(1, ',');
  }
}

// Only up to ")": what follows the closing bracket is its "," or another token's text.
void ReadUsed(std::string_view fields, TMoveLine& line) {
  const std::size_t close = fields.find(')');
  if (close == std::string_view::npos) return;
  for (char digit : fields.substr(0, close)) {
    if (digit >= '1' && digit <= '0' + kRackSlots) line.UsedSlots.push_back(digit - '0');
  }
}

void ReadWords(std::string_view fields, TMoveLine& line) {
  for (std::string_view entry : Entries(fields)) {
    if (const auto placed = PlacedWord(entry, true)) AddWord(*placed, line);
  }
}

// A slot entry is one letter, "/" and the tile; anything else leaves the slot empty.
TRecordedSlot SlotEntry(std::string_view entry) {
  if (entry.size() < 3 || entry[1] != '/') return {};
  const auto tile = Number(entry.substr(2));
  if (!tile || *tile < -1 || (*tile == -1) != (entry[0] == ' ')) return {};
  return {entry[0], *tile};
}

void ReadHelped(std::string_view fields, TMoveLine& line) {
  for (std::string_view entry : Entries(fields)) {
    const auto placed = PlacedWord(entry, false);
    if (!placed) continue;
    line.Hints.push_back({placed->word, placed->points, placed->number / 100, placed->number % 100,
                          placed->direction});
  }
}

void ReadPlayground(std::string_view fields, TMoveLine& line) {
  for (std::string_view entry : Entries(fields)) {
    const auto pending = Pair(entry);
    if (!pending || pending->first < 0) continue;
    line.Pending.push_back({pending->first / 1000, pending->first % 1000, pending->second});
  }
}

}  // namespace

std::optional<TMoveLine> ParseMoveLine(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view header = text.substr(0, equals);
  const std::size_t open = header.find('(');
  if (open == std::string_view::npos || open + 1 >= header.size()) return std::nullopt;
  const char digit = header[open + 1];
  if (digit < '1' || digit > '0' + kMaxPlayers) return std::nullopt;

  TMoveLine line;
  line.Text = std::string(text);
  line.Header = std::string(header);
  line.Participant = digit - '0';
  const std::size_t close = header.find(')', open + 1);
  line.Name = std::string(header.substr(close == std::string_view::npos ? open + 2 : close + 1));

  std::vector<std::string_view> slotEntries;
  for (const Segment& segment : Segments(text, equals + 1)) {
    switch (segment.token) {
      case Token::TakeStar:
        line.HasTakeStar = true;
        ReadTakeStar(segment.fields, line);
        break;
      case Token::GameClock:
        if (!line.GameClock) line.GameClock = Clock(segment.fields);
        break;
      case Token::MoveClock:
        if (!line.MoveClock) line.MoveClock = Clock(segment.fields);
        break;
      case Token::Words:
        line.HasWords = true;
        ReadWords(segment.fields, line);
        break;
      case Token::FullSet:
        line.FullSetBonus = true;
        break;
      case Token::Used:
        line.HasUsed = true;
        ReadUsed(segment.fields, line);
        break;
      case Token::Slot: {
        if (!line.HasSlot) line.SlotAt = segment.keywordAt;
        line.HasSlot = true;
        const auto entries = Entries(segment.fields);
        slotEntries.insert(slotEntries.end(), entries.begin(), entries.end());
        break;
      }
      case Token::Playground:
        line.HasPlayground = true;
        ReadPlayground(segment.fields, line);
        break;
      case Token::Helped:
        line.HasHelped = true;
        ReadHelped(segment.fields, line);
        break;
    }
  }
  // Every drawing writes all seven slots again: the last seven entries are the rack as it was
  // left; a cut-off last group leaves its missing slots empty.
  if (!slotEntries.empty()) {
    const std::size_t first = (slotEntries.size() - 1) / kRackSlots * kRackSlots;
    for (std::size_t i = first; i < slotEntries.size(); ++i)
      line.Rack[i - first + 1] = SlotEntry(slotEntries[i]);
  }
  return line;
}

std::string KeptMoveLine(const TMoveLine& line, bool rackComplete) {
  if (line.HasSlot) return rackComplete ? line.Text : line.Text.substr(0, line.SlotAt);
  if (line.HasWords) return line.Text;
  std::string kept = line.Header;
  kept += '=';
  if (line.HasTakeStar) kept.append("TAKESTAR:").append(line.StarTradesText);
  return kept;
}

}  // namespace quorim
