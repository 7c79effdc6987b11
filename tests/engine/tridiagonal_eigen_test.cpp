// Tests of the symmetric tridiagonal eigenvalues and eigenvectors.
#include "engine/tridiagonal_eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace qel {
namespace {

// |T q - lambda q| within `residual` for every vector, |q_a . q_b - delta_ab| within 1e-12.
void ExpectEigenpairs(const SymmetricTridiagonal& matrix, const std::vector<double>& values,
                      const std::vector<double>& vectors, double residual) {
  const std::size_t n = matrix.diagonal.size();
  for (std::size_t a = 0; a < n; ++a) {
    const double* q = vectors.data() + a * n;
    for (std::size_t j = 0; j < n; ++j) {
      double product = matrix.diagonal[j] * q[j];
      if (j > 0) product += matrix.offDiagonal[j - 1] * q[j - 1];
      if (j + 1 < n) product += matrix.offDiagonal[j] * q[j + 1];
      ASSERT_NEAR(product, values[a] * q[j], residual) << "vector " << a << " row " << j;
    }
    for (std::size_t b = 0; b <= a; ++b) {
      double dot = 0.0;
      for (std::size_t j = 0; j < n; ++j)
        dot += q[j] * vectors[b * n + j];
      ASSERT_NEAR(dot, a == b ? 1.0 : 0.0, 1e-12) << a << " " << b;
    }
  }
}

TEST(TridiagonalEigen, TheSecondDifferenceMatrixHasItsClosedFormSpectrum) {
  const std::size_t n = 50;
  SymmetricTridiagonal matrix{std::vector<double>(n, 2.0), std::vector<double>(n - 1, -1.0)};
  const std::vector<double> values = TridiagonalEigenvalues(matrix);
  ASSERT_EQ(values.size(), n);
  for (std::size_t k = 0; k < n; ++k)
    EXPECT_NEAR(values[k], 2.0 - 2.0 * std::cos((k + 1) * std::numbers::pi / (n + 1)), 1e-14);
  ExpectEigenpairs(matrix, values, TridiagonalEigenvectors(matrix, values), 1e-13);
}

// Two identical blocks joined by a coupling of 1e-14 (eigenvalues in pairs 2e-14 apart), a split
// matrix (exactly repeated eigenvalues), and a matrix graded over twelve orders of magnitude.
TEST(TridiagonalEigen, ClustersAndGradedMatricesKeepOrthogonalVectors) {
  SymmetricTridiagonal pairs{{2, 3, 4, 2, 3, 4}, {1, 1, 1e-14, 1, 1}};
  SymmetricTridiagonal split{{1, 5, 1, 5}, {2, 0, 2}};
  SymmetricTridiagonal graded;
  for (int j = 0; j < 40; ++j) {
    graded.diagonal.push_back(2.0 * std::pow(10.0, 0.3 * j));
    if (j > 0) graded.offDiagonal.push_back(-0.9 * std::pow(10.0, 0.3 * j - 0.15));
  }
  for (const SymmetricTridiagonal* matrix : {&pairs, &split, &graded}) {
    const std::vector<double> values = TridiagonalEigenvalues(*matrix);
    ExpectEigenpairs(*matrix, values, TridiagonalEigenvectors(*matrix, values),
                     1e-12 * std::max(1.0, values.back()));
  }
}

TEST(TridiagonalEigen, SizesMustMatch) {
  EXPECT_THROW(TridiagonalEigenvalues({{1, 2}, {1, 1}}), std::invalid_argument);
  EXPECT_THROW(TridiagonalEigenvectors({{1}, {1}}, std::vector<double>{1.0}),
               std::invalid_argument);
  EXPECT_TRUE(TridiagonalEigenvalues({}).empty());
  EXPECT_EQ(TridiagonalEigenvalues({{3.5}, {}}), std::vector<double>{3.5});
}

}  // namespace
}  // namespace qel
