// How far right the content of each figure reaches.
#pragma once

#include "document/document_tables.h"
#include "settings/system_settings.h"

namespace qel {

// Right-most world x of each figure's content (never below 0): its loads, its calculation x
// values and, when the grid is drawn, the grid.
double StripFigureExtent(const DocumentTables& tables, const SystemSettings& settings);
double RectCircleFigureExtent(const DocumentTables& tables, const SystemSettings& settings);

}  // namespace qel
