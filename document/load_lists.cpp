// The document's loads and points as numbers, and the computations that fill the results grid.
#include "document/load_lists.h"

#include "settings/c_locale.h"
#include "settings/text_fields.h"

namespace qel {

StripLoadSets ExtractStripLoads(const DocumentTables& t) {
  StripLoadSets loads;
  for (int set = 1; set <= kStripSets; ++set) {
    int rows = CountStripRows(t, set);
    for (int row = 1; row <= rows; ++row) {
      const std::string* cells = t.stripLoads[set][row];
      StripPiece piece;
      piece.x1 = ToDouble(cells[strip_col::kX1]);
      piece.x2 = ToDouble(cells[strip_col::kX2]);
      piece.x3 = ToDouble(cells[strip_col::kX3]);
      piece.x4 = ToDouble(cells[strip_col::kX4]);
      piece.h = ToDouble(cells[strip_col::kH]);
      piece.gamma = ToDouble(cells[strip_col::kGamma]);
      loads.sets[set - 1].push_back(piece);
    }
  }
  return loads;
}

PlanLoads ExtractPlanLoads(const DocumentTables& t) {
  PlanLoads loads;
  for (int row = 1, rows = CountRectRows(t); row <= rows; ++row) {
    const std::string* cells = t.rectLoads[row];
    loads.rectangles.push_back({ToDouble(cells[rect_col::kX1]), ToDouble(cells[rect_col::kY1]),
                                ToDouble(cells[rect_col::kX2]), ToDouble(cells[rect_col::kY2]),
                                ToDouble(cells[rect_col::kQ])});
  }
  for (int row = 1, rows = CountCircleRows(t); row <= rows; ++row) {
    const std::string* cells = t.circleLoads[row];
    loads.circles.push_back({ToDouble(cells[circle_col::kX]), ToDouble(cells[circle_col::kY]),
                             ToDouble(cells[circle_col::kR]), ToDouble(cells[circle_col::kQ])});
  }
  return loads;
}

std::vector<int> PresentRows(const DocumentTables& t, bool lattice, int column) {
  std::vector<int> rows;
  int count = lattice ? kGridRows : kStripPointRows;
  for (int row = 1; row <= count; ++row) {
    const std::string& cell = lattice ? t.gridPoints[row][column] : t.stripPoints[row][column];
    if (IsPresent(cell)) rows.push_back(row);
  }
  return rows;
}

double FlooredLatticeDepth(double z) {
  return z > 1e-5 ? z : 1e-5;
}

void ComputeStripResults(const DocumentTables& t, ResultsGrid& results) {
  for (int c = 1; c <= kStripPointRows; ++c)
    for (int r = 1; r <= kStripPointRows; ++r)
      results.strip(c, r) = 0.0;
  StripLoadSets loads = ExtractStripLoads(t);
  for (int r : PresentRows(t, false, point_col::kZ)) {
    double z = ToDouble(t.stripPoints[r][point_col::kZ]);
    for (int c : PresentRows(t, false, point_col::kX)) {
      double x = ToDouble(t.stripPoints[c][point_col::kX]);
      results.strip(c, r) = StripPointStress(loads, x, z);
    }
  }
}

void ComputeLatticeResults(const DocumentTables& t, ResultsGrid& results, int threads,
                           CircleMethod circleMethod) {
  for (int i = 1; i <= kGridRows; ++i)
    for (int j = 1; j <= kGridRows; ++j)
      for (int k = 1; k <= kGridRows; ++k)
        results.at(i, j, k) = 0.0;
  struct Cell {
    int i, j, k;
  };
  std::vector<Cell> cells;
  std::vector<LatticePoint> points;
  std::vector<int> xs = PresentRows(t, true, point_col::kGridX);
  std::vector<int> ys = PresentRows(t, true, point_col::kGridY);
  for (int k : PresentRows(t, true, point_col::kGridZ)) {
    double z = ToDouble(t.gridPoints[k][point_col::kGridZ]);
    if (z < 0) continue;  // a negative depth is listed but not computed
    for (int j : ys) {
      for (int i : xs) {
        cells.push_back({i, j, k});
        points.push_back({ToDouble(t.gridPoints[i][point_col::kGridX]),
                          ToDouble(t.gridPoints[j][point_col::kGridY]), FlooredLatticeDepth(z)});
      }
    }
  }
  PlanLoads loads = ExtractPlanLoads(t);
  loads.circleMethod = circleMethod;
  std::vector<double> stress = LatticeStress(loads, points, threads);
  for (std::size_t n = 0; n < cells.size(); ++n)
    results.at(cells[n].i, cells[n].j, cells[n].k) = stress[n];
}

}  // namespace qel
