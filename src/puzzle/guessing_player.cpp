#include "puzzle/guessing_player.h"

#include <cmath>
#include <utility>

namespace {

// Value iteration gains about 1/E of the remaining error per sweep, so at tens
// of thousands of moves it needs millions of sweeps; Gaussian elimination of
// the same equations needs one pass over a few hundred states.
bool SolveInPlace(std::vector<std::vector<double>>& a, std::vector<double>& b) {
  const size_t n = b.size();
  for (size_t col = 0; col < n; ++col) {
    size_t pivot = col;
    for (size_t row = col + 1; row < n; ++row) {
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    }
    if (std::fabs(a[pivot][col]) < 1e-12) return false;
    std::swap(a[pivot], a[col]);
    std::swap(b[pivot], b[col]);
    for (size_t row = col + 1; row < n; ++row) {
      const double factor = a[row][col] / a[col][col];
      if (factor == 0) continue;
      for (size_t k = col; k < n; ++k) a[row][k] -= factor * a[col][k];
      b[row] -= factor * b[col];
    }
  }
  for (size_t col = n; col-- > 0;) {
    for (size_t k = col + 1; k < n; ++k) b[col] -= a[col][k] * b[k];
    b[col] /= a[col][col];
  }
  return true;
}

}  // namespace

double ExpectedGuessingMoves(const std::vector<std::array<int, 4>>& rolls, int start) {
  const size_t n = rolls.size();
  if (start < 0 || static_cast<size_t>(start) >= n) return -1;
  // (I - P) E = 1, P the chance of each state following each.
  std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
  std::vector<double> b(n, 1.0);
  for (size_t i = 0; i < n; ++i) {
    a[i][i] = 1;
    int choices = static_cast<int>(i) != start ? 1 : 0;
    for (const int to : rolls[i]) choices += to != guessing::NoRoll ? 1 : 0;
    if (choices == 0) return -1;  // a start boxed in
    const double chance = 1.0 / choices;
    if (static_cast<int>(i) != start) a[i][start] -= chance;
    for (const int to : rolls[i]) {
      if (to >= 0) a[i][to] -= chance;
    }
  }
  if (!SolveInPlace(a, b)) return -1;
  return b[start] >= 0 && std::isfinite(b[start]) ? b[start] : -1;
}
