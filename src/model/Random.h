#pragma once
// The one source of chance of a game: layouts, the bag, draws, exchanges, the first participant and
// sound variants all draw from it, so a seeded game plays the same way every time.

#include <cstdint>
#include <random>

namespace quorim {

class RandomSource {
 public:
  // Seeded from the clock; Seed makes the sequence reproducible.
  RandomSource();
  void Seed(std::uint32_t seed) { engine_.seed(seed); }

  // Uniform in 0..n-1; 0 for n below 1.
  int Random(int n);

 private:
  std::mt19937 engine_;
};

}  // namespace quorim
