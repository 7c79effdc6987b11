// Eigenvalues and eigenvectors of real symmetric tridiagonal matrices.
#pragma once

#include <functional>
#include <span>
#include <vector>

namespace qel {

struct SymmetricTridiagonal {
  std::vector<double> diagonal;     // n entries
  std::vector<double> offDiagonal;  // n - 1 entries, (i, i + 1) at i
};

// Every eigenvalue in ascending order, by the implicit QL method with Wilkinson shifts; each is
// within a few units of 1e-16 of the matrix's norm. Throws std::invalid_argument for sizes that
// do not match and std::runtime_error when a value does not converge in 60 sweeps (which
// finite input never causes).
std::vector<double> TridiagonalEigenvalues(const SymmetricTridiagonal& matrix);

// Receives eigenvector k (unit length, valid during the call only).
using EigenvectorVisitor = std::function<void(std::size_t k, std::span<const double> vector)>;

// The unit eigenvectors of `eigenvalues` (ascending, as TridiagonalEigenvalues gives them) by
// inverse iteration, handed to `visit` in order; the vectors of eigenvalues closer together than
// 1e-6 of the matrix's norm are orthogonalised against each other, so that a cluster's vectors
// span its subspace. Only a cluster's vectors are kept meanwhile, so the memory stays O(n) but for
// clusters. Throws std::invalid_argument for sizes that do not match.
void ForEachTridiagonalEigenvector(const SymmetricTridiagonal& matrix,
                                   std::span<const double> eigenvalues,
                                   const EigenvectorVisitor& visit);

// All of them at once: vector k at [k n, (k + 1) n).
std::vector<double> TridiagonalEigenvectors(const SymmetricTridiagonal& matrix,
                                            std::span<const double> eigenvalues);

}  // namespace qel
