#include "model/Random.h"

#include <chrono>

namespace quorim {

RandomSource::RandomSource()
    : engine_(
          static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
}

int RandomSource::Random(int n) {
  if (n < 1) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

}  // namespace quorim
