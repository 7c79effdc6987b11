// The note lines, data sections and course of the calculation as the table pages lay them out.
#include "view/table_sections.h"

#include <algorithm>
#include <optional>

#include "engine/worker_threads.h"

namespace qel {

namespace {

constexpr int kTraceColumnsMm[kTraceColumns] = {1, 26, 51, 76};
// Points laid out by one worker at a time.
constexpr std::size_t kTracePointsPerChunk = 8;

void AddTracePoint(const TracePoint& point, TableContent& content) {
  content.NextLine();
  const std::size_t headingLine = content.LineCount();
  content.BeginHeading(HeadingMark::Continued);
  content.NextLine();
  content.AddText(TableColumn(kTraceColumnsMm[0]), point.heading);
  content.EndHeading();
  bool firstLoad = true;
  for (const std::vector<TraceLine>& load : point.loads) {
    const std::size_t loadLine = content.LineCount();
    for (const TraceLine& line : load) {
      content.NextLine();
      for (std::size_t column = 0; column < kTraceColumns; ++column)
        if (!line[column].empty())
          content.AddText(TableColumn(kTraceColumnsMm[column]), line[column]);
    }
    content.KeepTogether(loadLine);
    if (firstLoad) content.KeepTogether(headingLine);
    firstLoad = false;
  }
  content.EndHeadingScope();
}

}  // namespace

void AddNoteLines(TableContent& content, double x, const std::vector<std::string>& notes) {
  for (const std::string& note : notes) {
    if (!note.empty()) content.AddWrappedText(x, note);
  }
}

void AddDataSections(const TableModel& table, const DataTableColumns& columns,
                     TableContent& content) {
  const auto cellX = [&columns](std::size_t cell) {
    return TableColumn(columns.cellMm[std::min(cell, columns.cellMm.size() - 1)]);
  };
  for (const TableSection& section : table.sections) {
    const bool listed = !section.rows.empty();
    content.BeginHeading();
    content.NextLine();
    if (!section.title.empty()) content.AddText(cellX(0), section.title);
    if (listed) {
      const std::string* group = nullptr;
      for (std::size_t cell = 0; cell < section.columns.size(); ++cell) {
        const std::string& over = table.columns[section.columns[cell]].group;
        if (!over.empty() && (group == nullptr || *group != over))
          content.AddText(cellX(cell), over);
        group = &over;
      }
    }
    content.NextLine();
    if (listed) {
      for (std::size_t cell = 0; cell < section.columns.size(); ++cell)
        content.AddText(cellX(cell), PrintedHeading(table.columns[section.columns[cell]]));
    } else {
      content.AddText(cellX(1), "-");
    }
    content.EndHeading();
    for (const TableModelRow& row : section.rows) {
      content.NextLine();
      for (std::size_t cell = 0; cell < row.cells.size(); ++cell)
        content.AddText(cellX(cell), row.cells[cell]);
      if (!row.mark.empty()) content.AddText(TableColumn(columns.markMm), row.mark);
    }
    AddNoteLines(content, cellX(0), section.notes);
  }
  content.EndHeadingScope();
  AddNoteLines(content, cellX(0), table.notes);
}

void AddTraceLines(const CalculationTrace& trace, TableContent& content) {
  const std::size_t points = trace.PointCount();
  const std::size_t chunks = (points + kTracePointsPerChunk - 1) / kTracePointsPerChunk;
  std::vector<TableContent> parts(chunks);
  for (TableContent& part : parts)
    part.SetTextMeasure(content.textMeasure());
  ChunkQueue queue(chunks);
  RunWorkers(kAllWorkers, [&] {
    while (std::optional<std::size_t> chunk = queue.Next()) {
      const std::size_t end = std::min(points, (*chunk + 1) * kTracePointsPerChunk);
      for (std::size_t i = *chunk * kTracePointsPerChunk; i < end; ++i)
        AddTracePoint(trace.Point(i), parts[*chunk]);
    }
  });
  content.AppendAll(parts);
  content.NextLine();  // a blank line closes the listing
}

}  // namespace qel
