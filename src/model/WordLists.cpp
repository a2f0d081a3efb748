#include "model/WordLists.h"

#include "media/CodePages.h"

#include <algorithm>

namespace quorim {

std::string_view WordPart(std::string_view line) {
  return line.substr(0, line.find('='));
}

WordLists::WordLists() : case_(&LetterCase::For(kBaseCodePage)) {}

const WordList* WordLists::Slot(int slot) const {
  if (slot < 0 || slot >= kWordListSlots || !slots_[static_cast<std::size_t>(slot)]) return nullptr;
  return &*slots_[static_cast<std::size_t>(slot)];
}

void WordLists::Create(int slot) {
  if (slot < 0 || slot >= kWordListSlots) return;
  auto& list = slots_[static_cast<std::size_t>(slot)];
  if (!list) list.emplace();
  ++generation_;
}

void WordLists::Discard(int slot) {
  if (slot >= 0 && slot < kWordListSlots) slots_[static_cast<std::size_t>(slot)].reset();
  ++generation_;
}

void WordLists::DiscardAll() {
  for (auto& list : slots_) list.reset();
  ++generation_;
}

void WordLists::Append(int slot, std::string line) {
  if (slot < 0 || slot >= kWordListSlots) return;
  Create(slot);
  WordList& list = *slots_[static_cast<std::size_t>(slot)];
  list.upperWords_.insert(case_->Upper(WordPart(line)));
  list.lines_.push_back(std::move(line));
  ++generation_;
}

bool WordLists::Holds(int slot, std::string_view word) const {
  const WordList* list = Slot(slot);
  if (list == nullptr || list->Empty()) return false;
  // A word with "=" can only equal a whole line; no word of the board holds one.
  if (word.find('=') != std::string_view::npos) {
    return std::any_of(list->lines_.begin(), list->lines_.end(), [&](const std::string& line) {
      return case_->EqualIgnoringCase(line, word);
    });
  }
  return list->upperWords_.contains(case_->Upper(word));
}

}  // namespace quorim
