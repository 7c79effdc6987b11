// The levels isobars are drawn at: the default round steps, and a list the user typed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace qel {

// The round step (1, 2, 2.5 or 5 times a power of ten) nearest, by ratio, to an eighth of
// `largestIntensity`; 0 when that is not a positive finite number.
double DefaultIsobarStep(double largestIntensity);

// Multiples of the default step strictly between 0 and the largest positive intensity, then
// strictly between 0 and the most negative one (loads that unload the ground), ascending away
// from 0 on each side. `largestPositive` >= 0 >= `mostNegative`.
std::vector<double> DefaultIsobarLevels(double largestPositive, double mostNegative);

// A level as its labels and legends print it: "%g" (25, 2.5, 1e+09).
std::string IsobarLevelText(double level);

// The levels a figure draws of those it holds: the first kMostIsobarLevels.
std::vector<double> DrawnIsobarLevels(const std::vector<double>& levels);

// What a figure says when it draws fewer levels than it holds (`held` of them): "等圧線の値
// 250 個のうち先頭の 200 個を描きます"; empty when it draws them all.
std::string IsobarLevelsCutText(std::size_t held);

// Levels typed as "L1,L2,...": numbers in the C locale's form, spaces around them allowed,
// at least one, none repeated, every one finite and not 0. Nothing, with `error` set, for any
// other text.
std::optional<std::vector<double>> ParseIsobarLevels(const std::string& text, std::string& error);

}  // namespace qel
