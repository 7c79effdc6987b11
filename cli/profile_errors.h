// What qel-cli says when a document's soil profile cannot be settled: no section, or each fault
// of its lines.
#pragma once

#include <string>

#include "analysis/settlement_analysis.h"
#include "analysis/settlement_predictions.h"

namespace qel {

// Tells on standard error why `settlement` of the file at `path` holds no columns (no soil
// section, or every fault of its lines by line and field); false then, true when it was
// computed.
bool TellUnsettledProfile(const DocumentSettlement& settlement, const std::string& path);

// Tells on standard error why `predictions` of the file at `path` hold no plates (no section, or
// every fault of its lines); false then, true when they were made.
bool TellUnpredicted(const SettlementPredictions& predictions, const std::string& path);

}  // namespace qel
