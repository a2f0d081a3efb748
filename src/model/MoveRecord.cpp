#include "model/MoveRecord.h"

namespace quorim {

void MoveRecord::Append(std::string line) {
  if (exists_) lines_.push_back(std::move(line));
}

void MoveRecord::AppendToLastLine(std::string_view text) {
  if (exists_ && !lines_.empty()) lines_.back() += text;
}

bool MoveRecord::LastLineContains(std::string_view text) const {
  return !lines_.empty() && lines_.back().find(text) != std::string::npos;
}

}  // namespace quorim
