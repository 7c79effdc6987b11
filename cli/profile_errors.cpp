// The faults of a soil profile on standard error.
#include "cli/profile_errors.h"

#include <cstdio>

namespace qel {

bool TellUnsettledProfile(const DocumentSettlement& settlement, const std::string& path) {
  if (settlement.status == DocumentSettlement::Status::kNoProfile) {
    std::fprintf(stderr, "qel-cli: %s: 地盤の土層がありません ($$SOIL の節がありません)\n",
                 path.c_str());
    return false;
  }
  for (const SoilProfileError& e : settlement.errors) {
    if (e.line > 0)
      std::fprintf(stderr, "qel-cli: %s: $$SOIL の %d 行目: %s\n", path.c_str(), e.line,
                   e.text.c_str());
    else
      std::fprintf(stderr, "qel-cli: %s: $$SOIL: %s\n", path.c_str(), e.text.c_str());
  }
  return settlement.status == DocumentSettlement::Status::kComputed;
}

bool TellUnpredicted(const SettlementPredictions& predictions, const std::string& path) {
  if (predictions.status == SettlementPredictions::Status::kNoReadings) {
    std::fprintf(stderr, "qel-cli: %s: 沈下板の実測値がありません ($$OBS の節がありません)\n",
                 path.c_str());
    return false;
  }
  for (const MeasurementsError& e : predictions.errors)
    std::fprintf(stderr, "qel-cli: %s: $$OBS の %d 行目: %s\n", path.c_str(), e.line,
                 e.text.c_str());
  return predictions.status == SettlementPredictions::Status::kPredicted;
}

}  // namespace qel
