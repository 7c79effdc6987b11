// The largest documents the program accepts, and the settings of a fresh installation.
#include "support/worst_document.h"

#include <random>
#include <string>
#include <utility>

#include "base/c_locale.h"

namespace qel {

void FillWorstDocument(ApplicationState& state, bool listCourse) {
  DocumentTables t = state.document.cells();
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> position(0.0, 50.0);
  std::uniform_real_distribution<double> size(0.5, 8.0);
  std::uniform_real_distribution<double> intensity(5.0, 50.0);
  auto text = [](double value) { return FormatC("%.3f", value); };

  for (int set = 1; set <= kStripSets; ++set) {
    for (int row = 1; row <= kStripRows; ++row) {
      const double x1 = position(random);
      const double slope = size(random) * 0.5, top = size(random);
      std::string* cells = t.stripLoads[set][row];
      cells[strip_col::kNo] = std::to_string(row);
      cells[strip_col::kX1] = text(x1);
      cells[strip_col::kX2] = text(x1 + slope);
      cells[strip_col::kX3] = text(x1 + slope + top);
      cells[strip_col::kX4] = text(x1 + 2 * slope + top);
      cells[strip_col::kH] = text(size(random) * 0.5);
      cells[strip_col::kGamma] = "1.8";
      cells[strip_col::kY] = "0";
    }
  }
  for (int row = 1; row <= kStripPointRows; ++row) {
    t.stripPoints[row][point_col::kX] = text((row - 1) * 50.0 / 9.0);
    t.stripPoints[row][point_col::kZ] = text(row * 1.5);
  }

  for (int row = 1; row <= kRectRows; ++row) {
    const double x = position(random), y = position(random);
    std::string* cells = t.rectLoads[row];
    cells[rect_col::kNo] = std::to_string(row);
    cells[rect_col::kX1] = text(x);
    cells[rect_col::kY1] = text(y);
    cells[rect_col::kX2] = text(x + size(random));
    cells[rect_col::kY2] = text(y + size(random));
    cells[rect_col::kQ] = text(intensity(random));
  }
  for (int row = 1; row <= kCircleRows; ++row) {
    std::string* cells = t.circleLoads[row];
    cells[circle_col::kNo] = std::to_string(row);
    cells[circle_col::kX] = text(position(random));
    cells[circle_col::kY] = text(position(random));
    cells[circle_col::kR] = text(size(random) * 0.5);
    cells[circle_col::kQ] = text(intensity(random));
  }
  const double depths[kGridRows] = {0, 0.25, 0.5, 1.0, 1.5, 2.0, 3.0, 5.0, 7.5, 10.0, 15.0, 30.0};
  for (int row = 1; row <= kGridRows; ++row) {
    t.gridPoints[row][point_col::kGridX] = text((row - 1) * 50.0 / 11.0);
    t.gridPoints[row][point_col::kGridY] = text((row - 1) * 50.0 / 11.0);
    t.gridPoints[row][point_col::kGridZ] = text(depths[row - 1]);
  }

  using setting_line::Style;
  const char* course = listCourse ? "1" : "0";
  t.settingLines[Style(Problem::Strip, setting_line::kShowCalcTrace)] = course;
  t.settingLines[Style(Problem::RectCircle, setting_line::kShowCalcTrace)] = course;
  t.settingLines[Style(Problem::Strip, setting_line::kResultTitle)] = "計算結果";
  t.settingLines[Style(Problem::RectCircle, setting_line::kResultTitle)] = "計算結果";
  state.document.Replace(std::move(t));
}

void UseStandardSettings(ApplicationState& state) {
  SystemSettings& s = state.settings;
  s.influenceDigits = 3;
  s.stressDigits = 3;
  s.stripResultColumns = 6;
  s.marginTop = 20;
  s.marginLeft = 10;
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    state.fonts[i].size = 10.0;
    state.fonts[i].faceName = "ＭＳ 明朝";
  }
  state.geometry.paperWidthMm = 210;
  state.geometry.paperHeightMm = 297;
  state.geometry.dpiX = state.geometry.dpiY = 96;
  state.geometry.pixelsPerMmX = state.geometry.pixelsPerMmY = 96 * kInchesPerMm;
  state.transform.pixelsPerMmX = state.transform.pixelsPerMmY = 96 * kInchesPerMm;
  state.transform.marginLeft = s.marginLeft;
  state.transform.marginTop = s.marginTop;
}

const std::vector<std::string> kSpeedCheckProfile = {
    "water=1.0",
    "gammaw=9.81",
    "slice=0.5",
    "times=10,30,100,300,1000,3000,10000",
    "layer=1,粘土A,6,16,16.5,cc,2.0,0.8,0.08,60,,150,both,",
    "layer=2,粘土B,12,16,16.5,elogp,,,0.05,,,100,top,1",
    "layer=3,粘土C,18,17,17.5,mv,,,,,0.0005,80,both,",
    "layer=4,粘土D,24,16,16.5,cc,1.8,0.6,0.06,,,120,bottom,",
    "layer=5,粘土E,30,16.5,17,elogp,,,0.04,,,90,both,2",
    "curve=1,9.8,2.45,19.6,2.40,39.2,2.31,78.5,2.12,157,1.90,314,1.68,628,1.47,1256,1.27",
    "curve=2,20,1.9,50,1.82,100,1.7,200,1.55,400,1.4,800,1.26",
};

}  // namespace qel
