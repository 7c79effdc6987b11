// Writes examples/embankment-plates.qdw from examples/embankment.qdw (not a test): two settlement
// plates whose weekly readings are the example's own calculated settlement of the nearest column
// plus pseudo-random noise of at most 2 mm (a fixed sequence), read to the millimetre, with the
// fits an engineer would ask of them, and a data title that says so.
//
//   qel_plate_example examples/embankment.qdw examples/embankment-plates.qdw
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "analysis/settlement_analysis.h"
#include "analysis/settlement_predictions.h"
#include "base/c_locale.h"
#include "base/cp932.h"
#include "base/text_file.h"
#include "document/data_file.h"
#include "document/plate_reading_lines.h"
#include "support/test_files.h"

namespace {

using namespace qel;

struct PlatePlace {
  int number;
  const char* name;
  double x;
};

// The crest's middle and a point on the slope between two calculation columns.
constexpr PlatePlace kPlates[] = {{1, "SP-1", 15.0}, {2, "SP-2", 24.0}};
constexpr int kWeeks = 104;  // two years of weekly readings
constexpr double kNoise = 0.002;
constexpr const char* kOldTitle = "道路盛土　断面形状データ";
constexpr const char* kNewTitle =
    "道路盛土　断面形状データ（沈下板の読み値は計算沈下曲線に±2mmの擬似乱数を加えたもの）";

std::vector<std::string> PlateLines(const SettlementPlate& plate,
                                    const SettlementCourseModel& model,
                                    const SettlementCourse& course, std::mt19937& random) {
  std::vector<double> days;
  for (int week = 0; week <= kWeeks; ++week)
    days.push_back(7.0 * week);
  const std::vector<std::optional<double>> calculated = CalculatedSettlement(model, course, days);
  std::vector<std::string> lines = {
      FormatC("plate=%d,%s,%.1f,0.0,0", plate.number, plate.name.c_str(), plate.x)};
  for (std::size_t i = 0; i < days.size(); ++i) {
    // A uniform draw in [-1, 1) from the generator's own bits, the same on every library.
    const double unit = static_cast<double>(random()) / 4294967296.0 * 2.0 - 1.0;
    // + 0.0 writes a reading rounded to no settlement as 0, not -0.
    const double millimetres =
        std::round((calculated[i].value_or(0.0) + kNoise * unit) * 1000.0) + 0.0;
    lines.push_back(PlateReadingLine(plate.number, {days[i], millimetres / 1000.0}));
  }
  lines.push_back(FormatC("fit=%d,hyperbolic,182,728", plate.number));
  lines.push_back(FormatC("fit=%d,asaoka,182,728,28", plate.number));
  lines.push_back(FormatC("fit=%d,sqrt,182,728", plate.number));
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: qel_plate_example embankment.qdw embankment-plates.qdw\n");
    return 2;
  }
  Document document;
  if (OpenDataFile(argv[1], document) != ReadStatus::Ok) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const DocumentSettlement settlement =
      ComputeDocumentSettlement(document, 1, CircleMethod::kExact);
  if (!settlement.model) {
    std::fprintf(stderr, "the example does not settle\n");
    return 1;
  }
  std::mt19937 random(20240601u);
  std::vector<std::string> section;
  for (const PlatePlace& place : kPlates) {
    SettlementPlate plate;
    plate.number = place.number;
    plate.name = place.name;
    plate.x = place.x;
    const std::optional<NearestColumn> nearest = NearestColumnTo(plate, settlement.columns);
    const std::vector<std::string> lines =
        PlateLines(plate, *settlement.courseModel,
                   CourseOf(settlement, settlement.columns[nearest->index]), random);
    section.insert(section.end(), lines.begin(), lines.end());
  }
  std::string bytes = *ReadFileBytes(argv[1]);
  const std::string oldTitle = EncodeCp932(kOldTitle).bytes;
  bytes.replace(bytes.find(oldTitle), oldTitle.size(), EncodeCp932(kNewTitle).bytes);
  // Paved on day 760, a month after the last reading, for the residual settlement of the fits.
  bytes.insert(bytes.find("$$SOIL\r\n") + 8, "residual=760,3650\r\n");
  bytes.insert(bytes.find("$$SOL\r\n"), "$$OBS\r\n" + JoinCrLf(section));
  test::WriteBytes(argv[2], bytes);
  return 0;
}
