#include "model/ControlTable.h"

namespace quorim {

const ControlState& ControlTable::State(const QString& name) const {
  static const ControlState kUntouched;
  const auto found = controls_.find(name);
  return found == controls_.end() ? kUntouched : found->second;
}

}  // namespace quorim
