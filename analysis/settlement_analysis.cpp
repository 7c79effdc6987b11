// A document's settlement: its soil section read, then its columns settled.
#include "analysis/settlement_analysis.h"

#include <stdexcept>

#include "document/document.h"

namespace qel {

DocumentSettlement ComputeDocumentSettlement(const Document& document, int unitSystem,
                                             CircleMethod circleMethod, int threads) {
  DocumentSettlement settlement;
  const SoilProfileReading& reading = document.soil(unitSystem);
  if (!reading.profile && reading.errors.empty()) return settlement;  // no section
  settlement.status = DocumentSettlement::Status::kBadProfile;
  if (!reading.profile) {
    settlement.errors = reading.errors;
    return settlement;
  }
  try {
    settlement.model.emplace(*reading.profile);
  } catch (const std::exception&) {
    // The reader refuses every profile the model cannot cut; this guards what it may miss.
    settlement.errors.push_back({0, "土層を沈下の計算に使えません"});
    return settlement;
  }
  settlement.status = DocumentSettlement::Status::kComputed;
  settlement.columns = ComputeSettlementColumns(document, *settlement.model, circleMethod, threads);
  settlement.courseModel.emplace(*reading.profile);
  settlement.courses = ColumnCourses(*settlement.courseModel, settlement.columns, threads);
  if (reading.profile->drains) {
    SoilProfile undrained = *reading.profile;
    undrained.drains.reset();
    settlement.undrainedModel.emplace(std::move(undrained));
    settlement.undrainedCourses =
        ColumnCourses(*settlement.undrainedModel, settlement.columns, threads);
  }
  return settlement;
}

const SettlementCourse& CourseOf(const DocumentSettlement& settlement,
                                 const SettlementColumnResult& column) {
  return settlement.courses.at(static_cast<std::size_t>(&column - settlement.columns.data()));
}

const SettlementCourse* UndrainedCourseOf(const DocumentSettlement& settlement,
                                          const SettlementColumnResult& column) {
  if (settlement.undrainedCourses.empty()) return nullptr;
  return &settlement.undrainedCourses.at(
      static_cast<std::size_t>(&column - settlement.columns.data()));
}

}  // namespace qel
