// The settlement calculation table as a spreadsheet takes it: numbers only, a row per subtotal.
#pragma once

#include "analysis/settlement_analysis.h"
#include "analysis/table_model.h"
#include "settings/problem.h"
#include "settings/system_settings.h"

namespace qel {

// SettlementTableModel(settlement, problem, settings, TableUse::File).
TableModel SettlementTableForFiles(const DocumentSettlement& settlement, Problem problem,
                                   const SystemSettings& settings);

}  // namespace qel
