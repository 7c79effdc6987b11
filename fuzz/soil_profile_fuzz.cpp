// Fuzz target: any bytes read as the lines of a soil section. A reading gives a profile or
// errors, never both; each error names a line of the section; and a profile that reads is one
// the settlement model cuts and settles: one column under a load spreading with depth has a
// settlement for every slice it can give one, finite totals and t50 no later than t90.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/soil_profile_text.h"
#include "engine/settlement_column.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace qel;

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

void RequireSettles(const SoilProfile& profile, double load) {
  const SettlementModel model(profile);  // throws (a finding) for a profile it cannot cut
  std::vector<double> deltaP;
  for (const double z : model.SliceMiddles())
    deltaP.push_back(load / (1.0 + z));
  const SettlementColumn column = model.Column(std::span<const double>(deltaP));
  fuzz::Require(column.slices.size() == model.slices().size(), "one result per slice");
  bool whole = true;
  for (const SliceSettlement& slice : column.slices) {
    fuzz::Require(std::isfinite(slice.sigma0) && std::isfinite(slice.p1), "finite stresses");
    if (slice.settlement)
      fuzz::Require(!std::isnan(*slice.settlement), "a settlement is a number");
    else
      whole = false;
  }
  fuzz::Require(column.total.has_value() == whole, "a total exactly when every slice has S");
  if (column.t50 && column.t90) fuzz::Require(*column.t50 <= *column.t90, "t50 before t90");
  for (const double t : profile.times) {
    fuzz::Require(t >= 0.0 && std::isfinite(t), "times are finite and not negative");
    if (const std::optional<double> s = model.SettlementAt(column, t))
      fuzz::Require(!std::isnan(*s), "S(t) is a number");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The load at the surface follows from the input's length, from -200 (unloading, down to no
  // effective stress) to 400.
  const double load = static_cast<double>(static_cast<int>(size % 601) - 200);
  const std::vector<std::string> lines =
      Lines(std::string_view(reinterpret_cast<const char*>(data), size));
  const SoilProfileReading reading = ReadSoilProfile(lines);
  fuzz::Require(reading.profile.has_value() == reading.errors.empty(),
                "a profile exactly when there is no error");
  for (const SoilProfileError& error : reading.errors) {
    fuzz::Require(error.line >= 0 && static_cast<std::size_t>(error.line) <= lines.size(),
                  "an error names a line of the section");
    fuzz::Require(!error.text.empty(), "an error says what is wrong");
  }
  if (reading.profile) RequireSettles(*reading.profile, load);
  return 0;
}
