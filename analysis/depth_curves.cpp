// The sampled depth curves of the strip points and of the lattice columns on the section line.
#include "analysis/depth_curves.h"

#include <algorithm>
#include <cmath>

#include "analysis/isobar_windows.h"
#include "base/c_locale.h"
#include "document/lattice_points.h"
#include "document/load_lists.h"
#include "document/strip_points.h"
#include "settings/number_format.h"

namespace qel {

namespace {

std::vector<double> ValuesOf(const std::vector<PointValue>& points) {
  std::vector<double> values;
  for (const PointValue& p : points)
    values.push_back(p.value);
  return values;
}

// Samples `stress(z)` from the surface to `bottom` in kDepthCurveSteps equal steps.
template <class Stress>
std::vector<DepthSample> SampleDown(double bottom, Stress&& stress) {
  std::vector<DepthSample> samples;
  samples.reserve(kDepthCurveSteps + 1);
  for (int i = 0; i <= kDepthCurveSteps; ++i) {
    const double z = bottom * i / kDepthCurveSteps;
    samples.push_back({z, stress(z)});
  }
  return samples;
}

// Whether `value` is one of the lattice values (the typed number, read back the same way).
std::optional<int> RowOf(const std::vector<PointValue>& values, double value) {
  for (const PointValue& p : values)
    if (p.value == value) return p.row;
  return std::nullopt;
}

// The values of `range`, as far as there are any.
std::vector<PointValue> InRange(const std::vector<PointValue>& values, CurveRange range) {
  const std::size_t first = std::min<std::size_t>(std::max(range.first, 0), values.size());
  const std::size_t last = std::min<std::size_t>(first + std::max(range.count, 0), values.size());
  return {values.begin() + first, values.begin() + last};
}

bool Coincide(const DepthCurve& a, const DepthCurve& b, double tolerance) {
  auto near = [tolerance](double p, double q) { return std::fabs(p - q) <= tolerance; };
  if (a.samples.size() != b.samples.size() || a.marks.size() != b.marks.size()) return false;
  for (std::size_t i = 0; i < a.samples.size(); ++i)
    if (a.samples[i].z != b.samples[i].z || !near(a.samples[i].dP, b.samples[i].dP)) return false;
  for (std::size_t i = 0; i < a.marks.size(); ++i)
    if (a.marks[i].z != b.marks[i].z || !near(a.marks[i].dP, b.marks[i].dP)) return false;
  return true;
}

}  // namespace

std::vector<int> CoincidentCurves(const std::vector<DepthCurve>& curves, double scale) {
  const double tolerance = std::fabs(scale) * kCoincidentShare;
  std::vector<int> sameAs(curves.size(), -1);
  for (std::size_t i = 1; i < curves.size(); ++i)
    for (std::size_t j = 0; j < i && sameAs[i] < 0; ++j)
      if (sameAs[j] < 0 && Coincide(curves[i], curves[j], tolerance))
        sameAs[i] = static_cast<int>(j);
  return sameAs;
}

double DepthGraphBottom(const std::vector<double>& depths) {
  double deepest = 0.0;
  for (double z : depths)
    if (IsUsableDepth(z) && std::isfinite(z)) deepest = std::max(deepest, z);
  return std::max(1.0, deepest * kIsobarDepthFactor);
}

std::vector<DepthCurve> StripDepthCurves(const StripProblem& strip, const ResultsGrid& results,
                                         int stressDigits, CurveRange range) {
  const StripPoints& points = strip.points;
  const StripLoadSets& loads = strip.engineLoads;
  const double bottom = DepthGraphBottom(ValuesOf(points.depths()));
  const char* format = DigitFormat(stressDigits);
  std::vector<DepthCurve> curves;
  for (const PointValue& x : InRange(points.xs(), range)) {
    DepthCurve curve;
    curve.label = "x = " + FormatUnsignedZero("%4.2f", x.value) + " m";
    curve.x = x.value;
    curve.samples =
        SampleDown(bottom, [&](double z) { return StripPointStress(loads, x.value, z); });
    for (const PointValue& z : points.depths()) {
      if (!IsUsableDepth(z.value)) continue;
      const double value = results.strip(x.row, z.row);
      curve.marks.push_back({z.value, value, StressCellText(z.value, format, value)});
    }
    curves.push_back(std::move(curve));
  }
  return curves;
}

std::vector<PointValue> SectionColumns(const PlanProblem& plan, const ResolvedSection& section) {
  return section.atY ? plan.lattice.xs() : plan.lattice.ys();
}

std::optional<ResolvedSection> ResolveSection(const PlanProblem& plan) {
  const SectionLine& line = plan.section;
  ResolvedSection section;
  section.atY = line.axis == SectionAxis::kAtY;
  if (line.at) {
    section.at = *line.at;
    return section;
  }
  const LatticePoints& lattice = plan.lattice;
  const std::vector<PointValue>& across = section.atY ? lattice.ys() : lattice.xs();
  if (across.empty()) return std::nullopt;
  section.at = across.front().value;
  return section;
}

std::vector<DepthCurve> SectionDepthCurves(const PlanProblem& plan, const ResultsGrid& results,
                                           const ResolvedSection& section, int stressDigits,
                                           CircleMethod circleMethod, CurveRange range) {
  const LatticePoints& lattice = plan.lattice;
  PlanLoads loads = plan.engineLoads;
  loads.circleMethod = circleMethod;
  const double bottom = DepthGraphBottom(ValuesOf(lattice.depths()));
  const char* format = DigitFormat(stressDigits);
  const std::vector<PointValue> along = InRange(section.atY ? lattice.xs() : lattice.ys(), range);
  const std::optional<int> lineRow = RowOf(section.atY ? lattice.ys() : lattice.xs(), section.at);
  std::vector<DepthCurve> curves;
  for (const PointValue& u : along) {
    DepthCurve curve;
    curve.x = section.atY ? u.value : section.at;
    curve.y = section.atY ? section.at : u.value;
    curve.label = (section.atY ? "x = " : "y = ") + FormatUnsignedZero("%4.2f", u.value) + " m";
    curve.samples = SampleDown(bottom, [&](double z) {
      return LatticePointStress(loads, curve.x, curve.y, FlooredLatticeDepth(z));
    });
    if (lineRow) {
      const int xRow = section.atY ? u.row : *lineRow;
      const int yRow = section.atY ? *lineRow : u.row;
      for (const PointValue& z : lattice.depths()) {
        if (!IsUsableDepth(z.value)) continue;
        const double value = results.at(xRow, yRow, z.row);
        curve.marks.push_back({z.value, value, StressCellText(z.value, format, value)});
      }
    }
    curves.push_back(std::move(curve));
  }
  return curves;
}

}  // namespace qel
