// Secondary compression after primary consolidation, and the day on which a primary curve
// reaches a share of its final value.
#pragma once

#include <functional>
#include <optional>

namespace qel {

// Ss(t) = calpha / (1 + ep) h log10(t / tp) from tp on, 0 before; metres for h in metres. 0 for
// a tp that is not a positive finite number.
double SecondaryCompression(double calpha, double voidRatio, double thickness, double tp, double t);

// The first day t (between 1e-6 and 1e8 days) on which curve(t) reaches `fraction` of
// `finalValue`, for a curve that grows monotonically from 0 towards finalValue (or falls, for a
// negative final value). The decades are walked up from 1e-6 to the first that reaches it, then
// Brent's method on log t narrows it to 1e-12 of t, in at most 200 evaluations in all. None for a
// fraction outside (0, 1), a final value that is 0 or not finite, or a curve that does not reach
// it by 1e8 days; a curve that reaches it at 1e-6 already gives 1e-6.
std::optional<double> TimeToReachFraction(const std::function<double(double)>& curve,
                                          double finalValue, double fraction);

}  // namespace qel
