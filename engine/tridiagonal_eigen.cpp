// Implicit QL for the eigenvalues of a symmetric tridiagonal matrix, inverse iteration with
// partial pivoting for its eigenvectors.
#include "engine/tridiagonal_eigen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace qel {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

void CheckSizes(const SymmetricTridiagonal& matrix) {
  const std::size_t n = matrix.diagonal.size();
  if (n == 0 ? !matrix.offDiagonal.empty() : matrix.offDiagonal.size() != n - 1)
    throw std::invalid_argument("a tridiagonal matrix needs n - 1 off-diagonal entries");
}

// max |d_i| + 2 max |e_i|, a bound on the matrix's 2-norm.
double NormBound(const SymmetricTridiagonal& matrix) {
  double diagonal = 0.0, off = 0.0;
  for (double d : matrix.diagonal)
    diagonal = std::max(diagonal, std::fabs(d));
  for (double e : matrix.offDiagonal)
    off = std::max(off, std::fabs(e));
  return diagonal + 2.0 * off;
}

// T - shift I = P L U with partial pivoting: U keeps its diagonal, first and second
// superdiagonals, L its multipliers and whether rows i and i + 1 were swapped. Pivots that
// vanish are replaced by `tiny`, which only scales the solution of an inverse iteration. One
// workspace serves every shift.
class ShiftedFactors {
 public:
  explicit ShiftedFactors(std::size_t n)
      : diagonal_(n), upper_(n), upper2_(n), multiplier_(n), swapped_(n) {}

  void Factor(const SymmetricTridiagonal& matrix, double shift, double tiny) {
    const std::size_t n = diagonal_.size();
    for (std::size_t i = 0; i < n; ++i) {
      diagonal_[i] = matrix.diagonal[i] - shift;
      upper2_[i] = 0.0;
      swapped_[i] = 0;
    }
    for (std::size_t i = 0; i + 1 < n; ++i)
      upper_[i] = matrix.offDiagonal[i];
    for (std::size_t i = 0; i + 1 < n; ++i) {
      const double below = matrix.offDiagonal[i];
      if (std::fabs(diagonal_[i]) >= std::fabs(below)) {
        if (diagonal_[i] == 0.0) diagonal_[i] = tiny;
        multiplier_[i] = below / diagonal_[i];
        diagonal_[i + 1] -= multiplier_[i] * upper_[i];
      } else {
        // Row i + 1 (below, d_{i+1}, e_{i+1}) becomes the pivot row.
        const double factor = diagonal_[i] / below;
        const double next = diagonal_[i + 1];
        diagonal_[i] = below;
        diagonal_[i + 1] = upper_[i] - factor * next;
        if (i + 2 < n) {
          upper2_[i] = upper_[i + 1];
          upper_[i + 1] = -factor * upper_[i + 1];
        }
        upper_[i] = next;
        multiplier_[i] = factor;
        swapped_[i] = 1;
      }
    }
    if (n > 0 && diagonal_[n - 1] == 0.0) diagonal_[n - 1] = tiny;
    for (double& pivot : diagonal_)
      pivot = 1.0 / pivot;
  }

  // Solves in place.
  void Solve(std::span<double> x) const {
    const std::size_t n = diagonal_.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
      if (swapped_[i]) std::swap(x[i], x[i + 1]);
      x[i + 1] -= multiplier_[i] * x[i];
    }
    x[n - 1] *= diagonal_[n - 1];
    if (n > 1) x[n - 2] = (x[n - 2] - upper_[n - 2] * x[n - 1]) * diagonal_[n - 2];
    for (std::size_t k = n - 2; k-- > 0;)
      x[k] = (x[k] - upper_[k] * x[k + 1] - upper2_[k] * x[k + 2]) * diagonal_[k];
  }

 private:
  std::vector<double> diagonal_;  // the reciprocals of U's diagonal once factored
  std::vector<double> upper_, upper2_, multiplier_;
  std::vector<char> swapped_;
};

double Norm(std::span<const double> x) {
  double sum = 0.0;
  for (double v : x)
    sum += v * v;
  return std::sqrt(sum);
}

}  // namespace

std::vector<double> TridiagonalEigenvalues(const SymmetricTridiagonal& matrix) {
  CheckSizes(matrix);
  // Scaled to a norm of about 1, so that the rotations' squares neither overflow nor underflow.
  const double norm = NormBound(matrix);
  const double scale = norm > 0.0 ? 1.0 / norm : 1.0;
  std::vector<double> d = matrix.diagonal;
  const std::size_t n = d.size();
  std::vector<double> e = matrix.offDiagonal;
  e.push_back(0.0);
  for (double& v : d)
    v *= scale;
  for (double& v : e)
    v *= scale;
  for (std::size_t l = 0; l < n; ++l) {
    int sweeps = 0;
    while (true) {
      // The first negligible off-diagonal entry from l on splits the matrix there.
      std::size_t m = l;
      for (; m + 1 < n; ++m) {
        if (std::fabs(e[m]) <= kEpsilon * (std::fabs(d[m]) + std::fabs(d[m + 1]))) break;
      }
      if (m == l) break;
      if (++sweeps > 60) throw std::runtime_error("a tridiagonal eigenvalue did not converge");
      // Wilkinson's shift from the leading 2 x 2 block, then a QL sweep from m up to l.
      double g = (d[l + 1] - d[l]) / (2.0 * e[l]);
      double r = std::sqrt(g * g + 1.0);
      g = d[m] - d[l] + e[l] / (g + std::copysign(r, g));
      double s = 1.0, c = 1.0, p = 0.0;
      bool vanished = false;
      for (std::size_t i = m; i-- > l;) {
        const double f = s * e[i];
        const double b = c * e[i];
        r = std::sqrt(f * f + g * g);
        e[i + 1] = r;
        if (r == 0.0) {
          // The rotation vanished: the sweep ends early and repeats.
          d[i + 1] -= p;
          e[m] = 0.0;
          vanished = true;
          break;
        }
        const double inverse = 1.0 / r;
        s = f * inverse;
        c = g * inverse;
        g = d[i + 1] - p;
        r = (d[i] - g) * s + 2.0 * c * b;
        p = s * r;
        d[i + 1] = g + p;
        g = c * r - b;
      }
      if (vanished) continue;
      d[l] -= p;
      e[l] = g;
      e[m] = 0.0;
    }
  }
  std::sort(d.begin(), d.end());
  for (double& v : d)
    v /= scale;
  return d;
}

void ForEachTridiagonalEigenvector(const SymmetricTridiagonal& matrix,
                                   std::span<const double> eigenvalues,
                                   const EigenvectorVisitor& visit) {
  CheckSizes(matrix);
  const std::size_t n = matrix.diagonal.size();
  if (n == 0) return;
  const double norm = std::max(NormBound(matrix), std::numeric_limits<double>::min());
  const double clusterGap = 1e-6 * norm;
  const double separation = 10.0 * kEpsilon * norm;
  // Accepted once the residual of the unit vector is below 1e3 sqrt(n) eps |T|.
  const double enoughGrowth = 1.0 / (1e3 * std::sqrt(static_cast<double>(n)) * kEpsilon * norm);
  // A fixed pseudo-random start, far from orthogonal to any eigenvector.
  std::vector<double> start(n);
  std::uint32_t seed = 12345u;
  for (double& v : start) {
    seed = seed * 1664525u + 1013904223u;
    v = static_cast<double>(seed) / 4294967296.0 - 0.5;
  }
  const double startNorm = Norm(start);
  ShiftedFactors factors(n);
  std::vector<double> x(n);
  std::vector<double>
      cluster;  // the vectors found so far in the current cluster, one after another
  double previousShift = 0.0;
  for (std::size_t k = 0; k < eigenvalues.size(); ++k) {
    double shift = eigenvalues[k];
    if (k == 0 || shift - eigenvalues[k - 1] > clusterGap) cluster.clear();
    const std::size_t earlier = cluster.size() / n;
    // Equal shifts would give the same vector twice: keep them apart by a few rounding units.
    if (earlier > 0 && shift - previousShift < separation) shift = previousShift + separation;
    previousShift = shift;
    const bool clusterGoesOn =
        k + 1 < eigenvalues.size() && eigenvalues[k + 1] - eigenvalues[k] <= clusterGap;
    // One solve with an eigenvalue accurate to eps |T| leaves the other vectors' parts at
    // eps |T| / gap, below 1e-9 outside a cluster; within one, two solves square that.
    const int solves = earlier > 0 || clusterGoesOn ? 2 : 1;
    factors.Factor(matrix, shift, kEpsilon * norm);
    double length = startNorm;
    std::copy(start.begin(), start.end(), x.begin());
    for (int iteration = 0; iteration < 5; ++iteration) {
      for (double& v : x)
        v /= length;
      factors.Solve(x);
      for (std::size_t j = 0; j < earlier; ++j) {
        const double* other = cluster.data() + j * n;
        double dot = 0.0;
        for (std::size_t i = 0; i < n; ++i)
          dot += x[i] * other[i];
        for (std::size_t i = 0; i < n; ++i)
          x[i] -= dot * other[i];
      }
      length = Norm(x);
      if (iteration + 1 >= solves && length >= enoughGrowth) break;
    }
    for (double& v : x)
      v /= length;
    visit(k, x);
    if (clusterGoesOn) cluster.insert(cluster.end(), x.begin(), x.end());
  }
}

std::vector<double> TridiagonalEigenvectors(const SymmetricTridiagonal& matrix,
                                            std::span<const double> eigenvalues) {
  const std::size_t n = matrix.diagonal.size();
  std::vector<double> vectors(eigenvalues.size() * n, 0.0);
  ForEachTridiagonalEigenvector(matrix, eigenvalues,
                                [&](std::size_t k, std::span<const double> vector) {
                                  std::copy(vector.begin(), vector.end(), vectors.begin() + k * n);
                                });
  return vectors;
}

}  // namespace qel
