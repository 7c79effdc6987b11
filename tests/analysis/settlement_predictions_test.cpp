// The plates' predictions: the fits of a document with the residual after its paving day, the
// reasons of fits that cannot be made, the nearest column, and the shipped example's plates.
#include "analysis/settlement_predictions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/c_locale.h"
#include "document/data_file.h"
#include "document/document.h"

namespace qel {
namespace {

// Plate 1 read on S = 5 + t/(20 + 0.02 t) every 10 days to day 200 (t0 = 0: S0 = 5, S_inf = 55),
// with `fits` asked of it.
Document HyperbolicPlate(const std::vector<std::string>& fits,
                         const std::vector<std::string>& soil = {}) {
  DocumentTables cells;
  std::vector<std::string> lines = {"plate=1,SP-1,0,0,0"};
  for (int t = 0; t <= 200; t += 10)
    lines.push_back(FormatC("read=1,%d,%.17g", t, 5.0 + t / (20.0 + 0.02 * t)));
  lines.insert(lines.end(), fits.begin(), fits.end());
  cells.obsLines = lines;
  cells.soilLines = soil;
  return Document(cells);
}

TEST(PredictSettlements, FitsEachLineWithTheResidualAfterThePavingDay) {
  const char* kLayer = "layer=1,clay,10,16,16,none,,,,,,,,";
  struct Case {
    std::vector<std::string> soil;
    std::optional<double> residual;
  };
  // S_inf - S(500) = 55 - (5 + 500 / 30).
  const Case cases[] = {{{}, std::nullopt},
                        {{kLayer, "residual= 500 ,3650"}, 50.0 - 500.0 / 30.0},
                        {{kLayer, "residual=abc"}, std::nullopt}};
  for (const Case& c : cases) {
    const SettlementPredictions predictions =
        PredictSettlements(HyperbolicPlate({"fit=1,hyperbolic,0,200"}, c.soil));
    ASSERT_EQ(predictions.status, SettlementPredictions::Status::kPredicted);
    const std::optional<SettlementFit>& fit = predictions.plates.at(0).fits.at(0).outcome.fit;
    ASSERT_TRUE(fit);
    EXPECT_NEAR(fit->sFinal, 55.0, 1e-9);
    ASSERT_EQ(fit->residual.has_value(), c.residual.has_value());
    if (c.residual) {
      EXPECT_NEAR(*fit->residual, *c.residual, 1e-9);
    }
    EXPECT_FALSE(predictions.plates[0].nearest);  // no settlement given
  }
}

TEST(PredictSettlements, SaysWhyAFitCannotBeMadeAndWhyTheSectionDoesNotRead) {
  const SettlementPredictions refused = PredictSettlements(
      HyperbolicPlate({"fit=1,sqrt,0,15", "fit=1,asaoka,0,200,100", "fit=1,hyperbolic,0,30"}));
  ASSERT_EQ(refused.status, SettlementPredictions::Status::kPredicted);
  const std::vector<PlateFitPrediction>& fits = refused.plates[0].fits;
  EXPECT_EQ(fits[0].reason, "期間内で t0 より後の読み値が 3 個未満です");
  EXPECT_EQ(fits[1].reason, "期間内の Δt ごとの組が 3 個未満です");
  EXPECT_EQ(fits[2].reason, "");
  EXPECT_TRUE(fits[2].outcome.fit);

  const SettlementPredictions bad = PredictSettlements(HyperbolicPlate({"fit=2,sqrt,0,15"}));
  EXPECT_EQ(bad.status, SettlementPredictions::Status::kBadReadings);
  EXPECT_EQ(bad.errors.size(), 1u);
  EXPECT_EQ(PredictSettlements(Document()).status, SettlementPredictions::Status::kNoReadings);
}

// A strip column is as near as its x (a strip is the same all along y); a lattice column as its
// distance in plan; the first of equals.
TEST(NearestColumnTo, MeasuresStripColumnsAcrossAndLatticeColumnsInPlan) {
  std::vector<SettlementColumnResult> columns(4);
  columns[0].site = {Problem::Strip, 1, 0, 10.0, 0.0};
  columns[1].site = {Problem::RectCircle, 1, 1, 3.0, 4.0};
  columns[2].site = {Problem::RectCircle, 2, 1, 6.0, 0.0};
  columns[3].site = {Problem::Strip, 2, 0, -2.0, 0.0};
  struct Case {
    double x, y;
    std::size_t index;
    double distance;
    std::string name;
  };
  const Case cases[] = {
      {9.0, 50.0, 0, 1.0, "帯状荷重 x = 10.00"},
      {0.0, 0.0, 3, 2.0, "帯状荷重 x = -2.00"},
      {3.0, 1.0, 1, 3.0, "長方形円形荷重 x = 3.00, y = 4.00"},
      {4.0, 0.0, 2, 2.0, "長方形円形荷重 x = 6.00, y = 0.00"},
      {2.0, 0.0, 2, 4.0, "長方形円形荷重 x = 6.00, y = 0.00"},  // as far as the strip at -2
  };
  for (const Case& c : cases) {
    SettlementPlate plate;
    plate.x = c.x;
    plate.y = c.y;
    const std::optional<NearestColumn> nearest = NearestColumnTo(plate, columns);
    ASSERT_TRUE(nearest);
    EXPECT_EQ(nearest->index, c.index) << c.x;
    EXPECT_DOUBLE_EQ(nearest->distance, c.distance) << c.x;
    EXPECT_EQ(nearest->name, c.name) << c.x;
  }
  EXPECT_FALSE(NearestColumnTo(SettlementPlate{}, {}));
}

// The example's plates: weekly readings within 2 mm (and the millimetre they are read to) of the
// calculated curve of the nearest column, and every fit made, straight and near that column's
// final settlement.
TEST(PredictSettlements, TheExamplesPlatesFollowTheirColumnAndPredictItsFinalSettlement) {
  Document document;
  ASSERT_EQ(OpenDataFile(std::string(QEL_SOURCE_DIR) + "/examples/embankment-plates.qdw", document),
            ReadStatus::Ok);
  const DocumentSettlement settlement =
      ComputeDocumentSettlement(document, 1, CircleMethod::kExact);
  ASSERT_TRUE(settlement.model);
  const SettlementPredictions predictions = PredictSettlements(document, &settlement);
  ASSERT_EQ(predictions.status, SettlementPredictions::Status::kPredicted);
  ASSERT_EQ(predictions.plates.size(), 2u);
  const std::pair<const char*, double> nearest[] = {{"帯状荷重 x = 15.00", 0.0},
                                                    {"帯状荷重 x = 25.50", 1.5}};
  for (std::size_t p = 0; p < 2; ++p) {
    const PlatePrediction& plate = predictions.plates[p];
    ASSERT_TRUE(plate.nearest);
    EXPECT_EQ(plate.nearest->name, nearest[p].first);
    EXPECT_DOUBLE_EQ(plate.nearest->distance, nearest[p].second);
    const SettlementColumn& column = settlement.columns[plate.nearest->index].values;
    std::vector<double> days;
    for (const SettlementReading& reading : plate.plate.readings)
      days.push_back(reading.t);
    EXPECT_GE(days.size(), 100u);
    EXPECT_GE(days.back(), 700.0);
    const std::vector<std::optional<double>> calculated =
        CalculatedSettlement(*settlement.courseModel,
                             CourseOf(settlement, settlement.columns[plate.nearest->index]), days);
    for (std::size_t i = 0; i < days.size(); ++i)
      EXPECT_NEAR(plate.plate.readings[i].s, calculated[i].value(), 0.0025) << days[i];
    ASSERT_EQ(plate.fits.size(), 3u);
    for (const PlateFitPrediction& fit : plate.fits) {
      ASSERT_TRUE(fit.outcome.fit) << fit.reason;
      EXPECT_GT(fit.outcome.fit->r2, 0.99);
      EXPECT_NEAR(fit.outcome.fit->sFinal / *column.total, 1.0, 0.25)
          << p << " " << FitMethodName(fit.request.method);
    }
  }
}

}  // namespace
}  // namespace qel
