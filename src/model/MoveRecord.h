#pragma once
// The move record of a game in memory: line 0 the layout, line 1 the bag, then one line per turn,
// to which every step of that turn appends its tokens. 8-bit text of the dictionary language.

#include <string>
#include <string_view>
#include <vector>

namespace quorim {

class MoveRecord {
 public:
  // A game's record exists from its set-up on; before the first game there is none.
  bool Exists() const { return exists_; }
  void Start() {
    exists_ = true;
    lines_.clear();
  }

  const std::vector<std::string>& Lines() const { return lines_; }
  std::vector<std::string>& Lines() { return lines_; }

  // Both do nothing while no record exists.
  void Append(std::string line);
  void AppendToLastLine(std::string_view text);

  bool LastLineContains(std::string_view text) const;

 private:
  bool exists_ = false;
  std::vector<std::string> lines_;
};

}  // namespace quorim
