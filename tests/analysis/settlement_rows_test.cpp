// The texts of a settlement column's slices: the mark of what happened to each slice and the
// notes that say what the marks mean.
#include "analysis/settlement_rows.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

// A slice read off the curve beyond its ends, an unloaded slice and a slice without S each carry
// their mark, and the column's notes say what each mark means.
TEST(SettlementRows, SlicesCarryTheMarkOfWhatHappenedToThem) {
  SoilProfile profile;
  profile.sliceThickness = 1.0;
  SoilLayer clay;
  clay.number = 1;
  clay.name = "粘土";
  clay.bottom = 1.0;
  clay.gammaT = clay.gammaSat = 16.0;
  clay.method = SettlementMethod::kElogP;
  clay.cs = 0.05;
  clay.curve = 1;
  profile.layers = {clay};
  profile.curves = {{1, {5.0, 50.0}, {1.5, 1.2}}};
  const SettlementModel model(profile);
  const struct {
    double deltaP;
    const char* mark;
  } cases[] = {
      {10.0, ""}, {500.0, kOutsideCurveMark}, {-2.0, kUnloadedMark}, {-100.0, kNoSettlementMark}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.deltaP);
    SettlementColumnResult column;
    column.values = model.Column(std::vector<double>{c.deltaP});
    column.messages = SliceMessages(model, column.values);
    EXPECT_EQ(CellsOfSlice(model, column, 0).mark, c.mark);
    const std::vector<std::string> notes = MarkNotes(column);
    EXPECT_EQ(notes.size(), *c.mark == '\0' ? 0u : 1u);
    if (!notes.empty()) {
      EXPECT_EQ(notes[0].rfind(c.mark, 0), 0u) << notes[0];
    }
  }
}

}  // namespace
}  // namespace qel
