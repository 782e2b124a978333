// Times gaussSolve on 10 x 10 systems: the median over many rounds of the time
// per solve, the refill of the arrays included, as the grid window refills them
// before every solve.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "core/linear_system.h"

namespace {

using vorlinde::LinearSystem;

// Random systems with integer and fractional coefficients; a strong diagonal
// keeps them well away from singular, so every solve runs to the end.
std::vector<LinearSystem> randomSystems(int count) {
  std::mt19937 random(20071128);
  std::uniform_int_distribution<int> digits(-99, 99);
  std::vector<LinearSystem> systems(count);
  for (LinearSystem& s : systems) {
    s.unknownCount = LinearSystem::kMaxUnknowns;
    for (int i = 1; i <= LinearSystem::kMaxUnknowns; ++i) {
      for (int j = 1; j <= LinearSystem::kMaxUnknowns; ++j)
        s.coefficients[i][j] = digits(random) / (j % 3 == 0 ? 8.0 : 1.0);
      s.coefficients[i][i] = s.coefficients[i][i] + 1000;
      s.rightHandSides[i] = digits(random);
    }
  }
  return systems;
}

}  // namespace

int main() {
  constexpr int kRounds = 301, kSolvesPerRound = 2000;
  const std::vector<LinearSystem> systems = randomSystems(64);
  LinearSystem work;
  double checksum = 0;
  std::vector<double> perSolve;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < kSolvesPerRound; ++k) {
      work = systems[k % systems.size()];
      if (!work.gaussSolve()) return 1;
      checksum += work.solution[1 + k % LinearSystem::kMaxUnknowns].value();
    }
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    perSolve.push_back(took.count() / kSolvesPerRound);
  }
  std::sort(perSolve.begin(), perSolve.end());
  std::printf("gaussSolve, 10 x 10: median %.0f ns per solve (fastest round %.0f, slowest %.0f)\n",
              perSolve[perSolve.size() / 2], perSolve.front(), perSolve.back());
  std::printf("checksum %.17g\n", checksum);
  return 0;
}
