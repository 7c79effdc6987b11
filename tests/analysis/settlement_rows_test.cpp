// The texts of a settlement column's slices: the mark of what happened to each slice and the
// notes that say what the marks mean.
#include "analysis/settlement_rows.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qel {
namespace {

// A slice read off the curve beyond its ends, an unloaded slice, a slice without S, a Cc slice
// whose p'c lies below sigma'v0 and an unloaded mv slice each carry their mark, and the column's
// one note for it begins with that mark.
TEST(SettlementRows, SlicesCarryTheMarkOfWhatHappenedToThem) {
  SoilLayer clay;
  clay.number = 1;
  clay.name = "粘土";
  clay.bottom = 1.0;
  clay.gammaT = clay.gammaSat = 16.0;
  SoilLayer curve = clay, overburdened = clay, mv = clay;
  curve.method = SettlementMethod::kElogP;
  curve.cs = 0.05;
  curve.curve = 1;
  overburdened.method = SettlementMethod::kCc;
  overburdened.e0 = 1.5, overburdened.cc = 0.5, overburdened.cs = 0.05, overburdened.pc = 1.0;
  mv.method = SettlementMethod::kMv;
  mv.mv = 1e-3;
  const struct {
    const SoilLayer& layer;
    double deltaP;
    const char* mark;
  } cases[] = {{curve, 10.0, ""},
               {curve, 500.0, kOutsideCurveMark},
               {curve, -2.0, kUnloadedMark},
               {curve, -100.0, kNoSettlementMark},
               {overburdened, 10.0, kPcBelowMark},
               {mv, -5.0, kUnloadedMark}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.layer.method)) + " " + std::to_string(c.deltaP));
    SoilProfile profile;
    profile.sliceThickness = 1.0;
    profile.layers = {c.layer};
    profile.curves = {{1, {5.0, 50.0}, {1.5, 1.2}}};
    const SettlementModel model(profile);
    SettlementColumnResult column;
    column.values = model.Column(std::vector<double>{c.deltaP});
    column.messages = SliceMessages(model, column.values);
    EXPECT_EQ(CellsOfSlice(model, column, 0).mark, c.mark);
    const std::vector<std::string> notes = MarkNotes(column);
    ASSERT_EQ(notes.size(), *c.mark == '\0' ? 0u : 1u);
    if (!notes.empty()) {
      EXPECT_EQ(notes[0].rfind(c.mark, 0), 0u) << notes[0];
    }
  }
}

// The messages of a layer's slices make one note per layer and kind, naming the slices as runs
// ("1～12") or a list ("1, 3, 5"); another kind or another layer keeps a line of its own.
TEST(SettlementRows, OneNotePerLayerAndKindNamingItsSlices) {
  const SliceNote below = SliceNote::kPcBelowOverburden, gap = SliceNote::kNoEffectiveStress;
  const std::string clay = "土層 3 (粘土)", sand = "土層 4 (砂)";
  const std::string belowText = SliceNoteText(below), gapText = SliceNoteText(gap);
  const struct {
    const char* name;
    std::vector<std::tuple<int, std::string, int, SliceNote>> messages;  // layer, name, slice
    std::vector<std::string> notes;
  } cases[] = {
      {"consecutive",
       {{2, clay, 1, below}, {2, clay, 2, below}, {2, clay, 3, below}, {2, clay, 4, below}},
       {"⚠ " + clay + " の 1～4 番目の分割: " + belowText}},
      {"one slice", {{2, clay, 7, below}}, {"⚠ " + clay + " の 7 番目の分割: " + belowText}},
      {"not consecutive",
       {{2, clay, 1, below}, {2, clay, 3, below}, {2, clay, 5, below}},
       {"⚠ " + clay + " の 1, 3, 5 番目の分割: " + belowText}},
      {"runs and a gap",
       {{2, clay, 1, below}, {2, clay, 2, below}, {2, clay, 3, below}, {2, clay, 6, below}},
       {"⚠ " + clay + " の 1～3, 6 番目の分割: " + belowText}},
      {"two kinds in a layer",
       {{2, clay, 1, below}, {2, clay, 2, gap}, {2, clay, 3, below}, {2, clay, 4, gap}},
       {"⚠ " + clay + " の 1, 3 番目の分割: " + belowText,
        "† " + clay + " の 2, 4 番目の分割: " + gapText}},
      {"two layers",
       {{2, clay, 1, below}, {2, clay, 2, below}, {3, sand, 1, below}},
       {"⚠ " + clay + " の 1～2 番目の分割: " + belowText,
        "⚠ " + sand + " の 1 番目の分割: " + belowText}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SettlementColumnResult column;
    for (const auto& [layer, name, number, note] : c.messages)
      column.messages.push_back({0, note, layer, name, number, ""});
    EXPECT_EQ(MarkNotes(column), c.notes);
  }
}

}  // namespace
}  // namespace qel
