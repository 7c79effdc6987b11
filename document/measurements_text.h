// Reading and checking the settlement plates' section of a data file: its lines as typed become
// the plates with their readings and the fits asked of them, or a list of what is wrong.
//
// The section's lines ("key=value"):
//   plate=No,name,x,y,t0      a settlement plate: its position (the strip's x, or plan x and y;
//                             an empty y is 0) and t0, the day the last fill stage ended
//   read=No,t,S               a reading of plate No: day t since the document's day 0,
//                             settlement S in m (positive down)
//   fit=No,method,from,to,dt  a prediction for plate No: method hyperbolic, asaoka or sqrt, the
//                             window of days it fits, Asaoka's step dt (days, default 7;
//                             only for asaoka)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/settlement_fits.h"

namespace qel {

inline constexpr int kMaxPlates = 50;
inline constexpr int kMaxPlateReadings = 2000;
inline constexpr int kMaxPlateFits = 20;
inline constexpr double kDefaultAsaokaStep = 7.0;

// A fit asked for by a "fit=" line.
struct PlateFitLine {
  int line = 0;  // 1-based among the section's lines
  FitMethod method = FitMethod::kHyperbolic;
  double from = 0, to = 0;
  double dt = kDefaultAsaokaStep;  // Asaoka's step; the default for the other methods
  friend bool operator==(const PlateFitLine&, const PlateFitLine&) = default;
};

struct SettlementPlate {
  int number = 0;
  int line = 0;  // its "plate=" line
  std::string name;
  double x = 0, y = 0;
  double t0 = 0;
  std::vector<SettlementReading> readings;  // days strictly increasing, in the order of the lines
  std::vector<PlateFitLine> fits;           // in the order of the lines
  friend bool operator==(const SettlementPlate&, const SettlementPlate&) = default;
};

struct Measurements {
  std::vector<SettlementPlate> plates;  // in the order of their "plate=" lines
  // The plate numbered `number`; none when there is none.
  const SettlementPlate* Plate(int number) const;
  friend bool operator==(const Measurements&, const Measurements&) = default;
};

struct MeasurementsError {
  int line = 0;      // 1-based among the section's lines
  std::string text;  // in Japanese, naming the plate or line and the field
  friend bool operator==(const MeasurementsError&, const MeasurementsError&) = default;
};

struct MeasurementsReading {
  std::optional<Measurements> measurements;  // when there are no errors
  std::vector<MeasurementsError> errors;     // in the order of the lines
};

// The name of a fit method in the section ("hyperbolic", "asaoka", "sqrt").
const char* FitMethodName(FitMethod method);

// Reads the section's lines (UTF-8, without line ends, without the "$$OBS" marker). Blank lines
// are skipped, the lines may come in any order, and each fault is told with its line: a line of
// the wrong number of fields or of an unknown key, a plate number not a positive whole number or
// given twice, a reading or fit of a plate no line gives, a missing or non-finite number (days
// and coordinates within 1e7, settlements within 100 m), readings whose days do not increase
// line by line, a fit window reversed or reaching beyond the plate's readings, an unknown
// method, an Asaoka step of 0 or less (or one given to another method), more than kMaxPlates
// plates, kMaxPlateReadings readings or kMaxPlateFits fits a plate, a cell of more than 200
// characters. Messages quote at most 80 characters of any input.
MeasurementsReading ReadMeasurements(const std::vector<std::string>& lines);

}  // namespace qel
