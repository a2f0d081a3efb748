#include "VirtOpp/CandidateSearch.h"

#include "Routines/WordPlaces.h"
#include "dictionary/Themes.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>
#include <vector>

namespace quorim {

namespace {

constexpr int kMaxAnchors = 15;
constexpr int kOtherCharacterBit = 63;
constexpr int kHintMarkerPause = 50;
constexpr int kPlayedWordsAHintAvoids = 50;
constexpr int kDemoShowPause = 300;

int LetterBit(const Alphabet& alphabet, char ch) {
  const int index = alphabet.LetterIndex(ch);
  return index < 0 || index >= kOtherCharacterBit ? kOtherCharacterBit : index;
}

std::uint64_t LetterSet(const Alphabet& alphabet, std::string_view letters) {
  std::uint64_t set = 0;
  for (char ch : letters) set |= std::uint64_t{1} << LetterBit(alphabet, ch);
  return set;
}

// The letters a line offers, as the quick test before spelling a word out of them.
struct PoolSummary {
  std::uint64_t letters = 0;
  int stars = 0;

  // Every letter of the word that the pool lacks needs a star of its own.
  bool MayForm(std::uint64_t wordLetters, bool starsAllowed) const {
    std::uint64_t missing = wordLetters & ~letters;
    if (missing == 0) return true;
    if (!starsAllowed) return false;
    for (int star = 0; star < stars && missing != 0; ++star) missing &= missing - 1;
    return missing == 0;
  }
};

// The words the computer may use at the intellect, rebuilt when the lists or themes changed.
const TComputerVocabulary& ComputerVocabularyFor(Game& game, int intellect) {
  const DictionaryThemes& themes = game.Themes;
  const TComputerVocabulary::Key key{game.WordLists.Generation(), themes.DictionarySizeMarker,
                                     themes.ExcludedThemes, themes.ThemeMarkers};
  TComputerVocabulary& vocabulary =
      game.ComputerVocabularies[static_cast<std::size_t>(std::clamp(intellect, 1, 3) - 1)];
  if (vocabulary.BuiltFor == key && !vocabulary.Slots.empty()) return vocabulary;
  vocabulary.Slots.assign(kWordListSlots, {});
  vocabulary.Recased.clear();
  const LetterCase& letterCase = game.WordLists.Case();
  for (int slot = 0; slot < kWordListSlots; ++slot) {
    const WordList* list = game.WordLists.Slot(slot);
    if (list == nullptr) continue;
    TVocabularySlot& words = vocabulary.Slots[static_cast<std::size_t>(slot)];
    for (const std::string& line : list->Lines()) {
      const ComputerAdmission admission = IsComputerWordAllowed(themes, line, slot, intellect);
      // a word longer than a candidate can hold could only be laid cut short
      if (!admission.allowed || admission.word.empty() ||
          static_cast<int>(admission.word.size()) > kWordWidth)
        continue;
      std::string_view word = std::string_view(line).substr(0, admission.word.size());
      if (std::string upper = letterCase.Upper(word); upper != word)
        word = vocabulary.Recased.emplace_back(std::move(upper));
      words.Letters.push_back(LetterSet(game.Alphabet, word));
      words.Words.push_back(word);
    }
  }
  vocabulary.BuiltFor = key;
  return vocabulary;
}

class CandidateSearch {
 public:
  CandidateSearch(Game& game, int player, SearchPurpose purpose)
      : game_(game),
        field_(game.PlayField),
        player_(player),
        purpose_(purpose),
        intellect_(game.Intellect),
        star_(game.Alphabet.StarCode()),
        vocabulary_(ComputerVocabularyFor(game, game.Intellect)) {}

  void Run();

 private:
  bool Stopped() const { return game_.GameOver() || game_.HintCancel(); }
  bool StarsAllowed() const { return intellect_ >= 2; }
  bool RunsAllowed() const { return intellect_ >= 2; }
  int LineLength() const { return across_ ? field_.DimX() : field_.DimY(); }
  TFieldCell& Cell(int i) { return across_ ? field_(i, line_) : field_(line_, i); }
  CellXY At(int i) const { return across_ ? CellXY{i, line_} : CellXY{line_, i}; }

  void SearchLine(std::uint8_t direction, int line);
  void CollectAnchors();
  void AppendRackLetters();
  void FindLineRuns();
  void AppendRun(std::string_view letters) { runs_.emplace_back(letters); }
  void GatherFromPool();
  void GatherAroundRuns();
  bool WalksSlot(int slot, char runFirst) const;
  int LastLetterSlot() const {
    return std::min<int>(game_.Alphabet.AlphabetSize, kExcludedWordsSlot - 1);
  }
  void FitLineWords();
  bool Fit(std::string_view word, int anchor, bool avoidPlayed, TCandidate& candidate);
  bool IsPlayedEarly(std::string_view word) const;

  Game& game_;
  TPlayField& field_;
  int player_;
  SearchPurpose purpose_;
  int intellect_;
  char star_;
  const TComputerVocabulary& vocabulary_;

  bool across_ = true;
  int line_ = 1;
  std::string linePool_;
  std::vector<int> anchors_;
  std::vector<std::string> runs_;
  std::vector<std::string_view> lineWords_;
};

void CandidateSearch::Run() {
  game_.FoundCandidates.clear();
  for (int y = 1; y <= field_.DimY() && !Stopped(); ++y) SearchLine(kHorizontal, y);
  for (int x = 1; x <= field_.DimX() && !Stopped(); ++x) SearchLine(kVertical, x);
}

void CandidateSearch::SearchLine(std::uint8_t direction, int line) {
  across_ = direction == kHorizontal;
  line_ = line;
  if (purpose_ == SearchPurpose::Hint) {
    game_.View().MoveScanMarkers(direction, line);
    game_.View().Pause(kHintMarkerPause);
  } else {
    game_.View().KeepScreenAlive();
  }
  if (Stopped()) return;
  if (RunsAllowed()) FindLineRuns();
  if (Stopped()) return;
  CollectAnchors();
  if (anchors_.empty()) return;
  AppendRackLetters();
  GatherFromPool();
  FitLineWords();
}

// Single letters with no letter beside them along the line, and an empty start cell.
void CandidateSearch::CollectAnchors() {
  linePool_.clear();
  anchors_.clear();
  const bool selecting = game_.Settings.SelectWordMode;
  for (int i = 1; i <= LineLength() && static_cast<int>(anchors_.size()) < kMaxAnchors; ++i) {
    const TFieldCell& cell = Cell(i);
    const TFieldCell& before = Cell(i - 1);
    const TFieldCell& after = Cell(i + 1);
    if (cell.PendingLetter == ' ' && cell.Kind != kCellStart) continue;
    if (!before.DropAllowed && !after.DropAllowed && !selecting) continue;
    if (before.Letter != ' ' || after.Letter != ' ') continue;
    linePool_ += cell.PendingLetter;
    anchors_.push_back(i);
  }
}

void CandidateSearch::AppendRackLetters() {
  for (int slot = 1; slot <= kRackSlots; ++slot) {
    const TRackSlot& rackSlot = game_.Racks[player_][slot];
    if (rackSlot.TileIndex != -1) linePool_ += rackSlot.Letter;
  }
}

// Runs of two or more adjacent letters; their first cells are the anchors.
void CandidateSearch::FindLineRuns() {
  anchors_.clear();
  linePool_.clear();
  runs_.clear();
  const bool selecting = game_.Settings.SelectWordMode;
  const int length = LineLength();
  for (int i = 1; i <= length;) {
    if (Cell(i).Letter == ' ') {
      ++i;
      continue;
    }
    int end = i;
    while (end < length && Cell(end + 1).Letter != ' ') ++end;
    const int size = end - i + 1;
    if (size >= 2) {
      std::string run;
      for (int k = i; k <= end; ++k) {
        run += Cell(k).Letter;
        if ((k == i || selecting) && static_cast<int>(anchors_.size()) < kMaxAnchors)
          anchors_.push_back(k);
      }
      AppendRun(run);
      if (selecting) {
        const std::string_view letters(run);
        if (across_) {
          for (int k = 1; k <= 3 && k < size; ++k) {
            AppendRun(letters.substr(0, k));
            AppendRun(letters.substr(size - k));
          }
        } else {
          for (int k = 1; k <= 2 && k < size - 1; ++k) AppendRun(letters.substr(0, k));
          for (int k = 1; k <= 2 && k != size; ++k) AppendRun(letters.substr(size - k));
        }
      }
    }
    i = end + 1;
  }
  if (runs_.empty()) return;
  AppendRackLetters();
  GatherAroundRuns();
  FitLineWords();
  linePool_.clear();
}

bool CandidateSearch::WalksSlot(int slot, char runFirst) const {
  if (slot == kAddedWordsSlot) return game_.Settings.UseCustomDictionary;
  const char letter = static_cast<char>(game_.Alphabet.LetterCode[slot - 1]);
  return letter == runFirst || linePool_.find(letter) != std::string::npos ||
         linePool_.find(star_) != std::string::npos;
}

PoolSummary Summarize(const Alphabet& alphabet, std::string_view pool, char star) {
  PoolSummary summary{LetterSet(alphabet, pool), 0};
  summary.stars = static_cast<int>(std::count(pool.begin(), pool.end(), star));
  return summary;
}

// Words spelt from the line's letters alone.
void CandidateSearch::GatherFromPool() {
  lineWords_.clear();
  const PoolSummary pool = Summarize(game_.Alphabet, linePool_, star_);
  const int lastSlot = LastLetterSlot();
  for (int slot = 0; slot <= lastSlot; ++slot) {
    if (!WalksSlot(slot, '\0')) continue;
    const TVocabularySlot& words = vocabulary_.Slots[static_cast<std::size_t>(slot)];
    for (std::size_t i = 0; i < words.Letters.size(); ++i) {
      if (pool.MayForm(words.Letters[i], StarsAllowed()) &&
          IsFormableFromPool(words.Words[i], linePool_, star_, StarsAllowed()))
        lineWords_.push_back(words.Words[i]);
    }
  }
}

// Words that hold a run, their other letters spelt from the rack.
void CandidateSearch::GatherAroundRuns() {
  lineWords_.clear();
  const PoolSummary pool = Summarize(game_.Alphabet, linePool_, star_);
  const int lastSlot = LastLetterSlot();
  const bool selecting = game_.Settings.SelectWordMode;
  std::string rest;
  for (const std::string& run : runs_) {
    PoolSummary withRun = pool;
    const std::uint64_t runLetters = LetterSet(game_.Alphabet, run);
    withRun.letters |= runLetters;
    for (int slot = 0; slot <= lastSlot; ++slot) {
      if (!WalksSlot(slot, run.front())) continue;
      const TVocabularySlot& words = vocabulary_.Slots[static_cast<std::size_t>(slot)];
      for (std::size_t i = 0; i < words.Letters.size(); ++i) {
        const std::uint64_t letters = words.Letters[i];
        if ((letters & runLetters) != runLetters || !withRun.MayForm(letters, StarsAllowed()))
          continue;
        const std::string_view word = words.Words[i];
        if (word.size() <= run.size() && !selecting) continue;
        const std::size_t at = word.find(run);
        if (at == std::string_view::npos || word == run) continue;
        rest.assign(word);
        rest.erase(at, run.size());
        if (IsFormableFromPool(rest, linePool_, star_, StarsAllowed())) lineWords_.push_back(word);
      }
    }
  }
}

bool CandidateSearch::IsPlayedEarly(std::string_view word) const {
  for (int player = 1; player <= game_.PlayerCount(); ++player) {
    const auto& played = game_.PlayedWords[static_cast<std::size_t>(player)];
    const std::size_t early = std::min<std::size_t>(played.size(), kPlayedWordsAHintAvoids);
    for (std::size_t i = 0; i < early; ++i) {
      if (played[i].Word == word) return true;
    }
  }
  return false;
}

void CandidateSearch::FitLineWords() {
  const bool showing =
      (game_.Settings.ShowPCWords && !game_.MoveClockOn()) || game_.HintUsedThisMove;
  std::unordered_set<std::string_view> written;
  for (const std::string_view word : lineWords_) {
    if (static_cast<int>(word.size()) <= game_.Settings.LastWordLengthLimit) continue;
    if (written.contains(word)) continue;
    const bool avoidPlayed = game_.HintUsedThisMove && IsPlayedEarly(word);
    for (int anchor : anchors_) {
      TCandidate candidate;
      if (!Fit(word, anchor, avoidPlayed, candidate)) continue;
      game_.FoundCandidates.push_back(candidate);
      written.insert(word);
      if (showing) ShowCandidate(game_, player_, candidate);
      break;
    }
  }
}

// The word through the anchor at the first place of the anchor's letter in the word; on an empty
// start cell the word begins there.
bool CandidateSearch::Fit(std::string_view word, int anchor, bool avoidPlayed,
                          TCandidate& candidate) {
  const int length = static_cast<int>(word.size());
  const TFieldCell& anchorCell = Cell(anchor);
  const std::size_t found = word.find(anchorCell.PendingLetter);
  int p = found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
  if (p == 0) {
    if (anchorCell.Kind != kCellStart) return false;
    p = 1;
  }
  const int start = anchor - p + 1;
  if (start < 1 || start + length - 1 > LineLength()) return false;

  const TRack& rack = game_.Racks[player_];
  const bool hint = game_.HintUsedThisMove;
  const bool selecting = game_.Settings.SelectWordMode;
  std::array<bool, kRackSlots + 1> spent{};
  std::uint8_t score = 0;
  std::uint8_t multiplier = 0;
  const auto spend = [&](char letter) {
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      if (!spent[slot] && rack[slot].Letter == letter) return spent[slot] = true;
    }
    if (!StarsAllowed()) return false;
    for (int slot = 1; slot <= kRackSlots; ++slot) {
      if (!spent[slot] && rack[slot].Letter == star_) return spent[slot] = true;
    }
    return false;
  };
  for (int j = 1; j <= length; ++j) {
    const int i = start + j - 1;
    const TFieldCell& cell = Cell(i);
    const char letter = word[static_cast<std::size_t>(j - 1)];
    const bool first = j == 1;
    const bool last = j == length;
    if (cell.DropAllowed) {
      if (hint) {
        const CellXY at = At(i);
        const bool crossed =
            across_ ? field_(at.x, at.y - 1).Letter != ' ' || field_(at.x, at.y + 1).Letter != ' '
                    : field_(at.x - 1, at.y).Letter != ' ' || field_(at.x + 1, at.y).Letter != ' ';
        if (crossed || (first && Cell(i - 1).Letter != ' ') ||
            (last && Cell(i + 1).Letter != ' ') || avoidPlayed)
          return false;
      }
      if (!spend(letter)) return false;
    } else {
      if (cell.Letter != letter) return false;
      if (!selecting &&
          ((first && Cell(i - 1).Letter != ' ') || (last && Cell(i + 1).Letter != ' ')))
        return false;
    }
    const CellXY at = At(i);
    score =
        static_cast<std::uint8_t>(score + RoughLetterScore(game_, letter, at.x, at.y, multiplier));
  }
  if (multiplier != 0) score = static_cast<std::uint8_t>(score * multiplier);
  candidate.Word = std::string(word.substr(0, kWordWidth));
  candidate.Start = static_cast<std::uint8_t>(start);
  candidate.Line = static_cast<std::uint8_t>(line_);
  candidate.Direction = across_ ? kHorizontal : kVertical;
  candidate.RoughScore = score;
  return true;
}

}  // namespace

void SearchCandidates(Game& game, int player, SearchPurpose purpose) {
  if (!game.IsPlayer(player)) return;
  CandidateSearch(game, player, purpose).Run();
}

bool IsFormableFromPool(std::string_view word, std::string_view pool, char starCode,
                        bool starsAllowed) {
  std::string left(pool);
  for (char letter : word) {
    std::size_t at = left.find(letter);
    if (at == std::string::npos && starsAllowed) at = left.find(starCode);
    if (at == std::string::npos) return false;
    left.erase(at, 1);
  }
  return true;
}

std::uint8_t RoughLetterScore(const Game& game, char letter, int x, int y,
                              std::uint8_t& wordMultiplier) {
  const int index = game.Alphabet.LetterIndex(letter);
  const auto value =
      static_cast<std::uint8_t>(index < 0 ? 0 : game.Alphabet.LetterValue[index] & 0xFF);
  switch (game.PlayField(x, y).Kind) {
    case kCellLetterX2:
      return static_cast<std::uint8_t>(value * 2);
    case kCellLetterX3:
      return static_cast<std::uint8_t>(value * 3);
    case kCellWordX2:
      wordMultiplier = static_cast<std::uint8_t>(wordMultiplier + 2);
      return value;
    case kCellWordX3:
      wordMultiplier = static_cast<std::uint8_t>(wordMultiplier + 3);
      return value;
    default:
      return value;
  }
}

TPlayedWord CandidatePlace(const TCandidate& candidate) {
  const int last = candidate.Start + static_cast<int>(candidate.Word.size()) - 1;
  return {candidate.Word, candidate.Start,     static_cast<std::uint8_t>(std::clamp(last, 0, 255)),
          candidate.Line, candidate.Direction, 0};
}

void LoadCandidates(Game& game) {
  std::vector<TCandidate> sorted = game.FoundCandidates;
  // The exchange sort, not a stable one: the order of equal scores is the one it leaves, which
  // is the order the computer tries them in.
  for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
    for (std::size_t j = i + 1; j < sorted.size(); ++j) {
      if (sorted[j].RoughScore > sorted[i].RoughScore) std::swap(sorted[i], sorted[j]);
    }
  }
  game.Candidates = std::move(sorted);
}

void ShowCandidate(Game& game, int player, const TCandidate& candidate) {
  if (!game.IsPlayer(player)) return;
  const TRack& rack = game.Racks[player];
  const char star = game.Alphabet.StarCode();
  const TPlayedWord place = CandidatePlace(candidate);
  if (candidate.Word.empty() || !LiesOnBoard(game, place)) return;
  std::array<bool, kRackSlots + 1> shown{};
  const auto slotFor = [&](char letter) {
    for (char wanted : {letter, star}) {
      for (int slot = 1; slot <= kRackSlots; ++slot) {
        if (!shown[slot] && rack[slot].TileIndex >= 0 && rack[slot].Letter == wanted) return slot;
      }
    }
    return 0;
  };
  for (int i = place.Start; i <= place.End; ++i) {
    const CellXY at = WordCell(place, i);
    if (game.PlayField(at.x, at.y).Letter != ' ') continue;
    const char letter = candidate.Word[static_cast<std::size_t>(i - place.Start)];
    const int slot = slotFor(letter);
    if (slot == 0) continue;
    shown[slot] = true;
    TTile& tile = game.TileTable[static_cast<std::size_t>(rack[slot].TileIndex)];
    tile.Spot = TileSpot::Board(at.x, at.y);
    if (tile.Star) tile.Hint.assign(1, letter);  // a star shows the letter it would stand for
    game.View().ShowTile(rack[slot].TileIndex);
  }
  const bool selecting = game.Settings.SelectWordMode;
  if (selecting)
    game.View().AddSelectionFrame({place.Direction, place.Line, place.Start, place.End, true});

  if (game.DemoRunning) {
    game.View().Pause(kDemoShowPause);
  } else if (game.HintUsedThisMove) {
    if (game.Settings.HintPushButton) {
      game.View().WaitForClickOrKey();
    } else {
      game.View().Pause(game.Settings.HintDelay * static_cast<int>(candidate.Word.size()));
    }
  } else {
    game.View().Pause(game.Settings.HintDelay);
  }

  for (int slot = 1; slot <= kRackSlots; ++slot) {
    if (!shown[slot]) continue;
    TTile& tile = game.TileTable[static_cast<std::size_t>(rack[slot].TileIndex)];
    tile.Spot = TileSpot::Rack(player, slot);
    if (tile.Star) tile.Hint.assign(1, star);
    game.View().ShowTile(rack[slot].TileIndex);
  }
  if (selecting) game.View().ClearSelectionFrames();
}

}  // namespace quorim
