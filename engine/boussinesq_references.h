// Reference values of the influence functions by numerical integration of Boussinesq's
// point-load solution over the loaded area, in long double: independent of the closed forms.
#pragma once

namespace qel {

// I of a trapezoidal strip piece (corners x1 <= x2 <= x3 <= x4) at (xP, z):
// (2/pi) * integral of p(xi) z^3 / ((xi - xP)^2 + z^2)^2 over the piece.
long double StripReference(long double x1, long double x2, long double x3, long double x4,
                           long double xP, long double z);

// S of a rectangle: (3 / (2 pi)) z^3 / (r^2 + z^2)^(5/2) over its area, the y direction exactly.
long double RectangleReference(long double xP, long double yP, long double z, long double x1,
                               long double y1, long double x2, long double y2);

// I of a circle of `radius` at plan distance `rho` and depth z, by rays from the point's
// vertical, each integrated exactly along its length.
long double CircleReference(long double radius, long double rho, long double z);

}  // namespace qel
