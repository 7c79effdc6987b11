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
    settlement.undrained =
        std::make_shared<const LazyCourses>(std::move(undrained), settlement.columns);
  }
  return settlement;
}

const SettlementCourse& CourseOf(const DocumentSettlement& settlement,
                                 const SettlementColumnResult& column) {
  return settlement.courses.at(static_cast<std::size_t>(&column - settlement.columns.data()));
}

const SettlementCourse* UndrainedCourseOf(const DocumentSettlement& settlement,
                                          const SettlementColumnResult& column) {
  if (!settlement.undrained) return nullptr;
  return &settlement.undrained->Of(static_cast<std::size_t>(&column - settlement.columns.data()));
}

const SettlementCourseModel* UndrainedModelOf(const DocumentSettlement& settlement) {
  return settlement.undrained ? &settlement.undrained->model() : nullptr;
}

LazyCourses::LazyCourses(SoilProfile profile, const std::vector<SettlementColumnResult>& columns)
    : model_(std::move(profile)), courses_(columns.size()) {
  settled_.reserve(columns.size());
  for (const SettlementColumnResult& column : columns)
    settled_.push_back(column.values);
}

const SettlementCourse& LazyCourses::Of(std::size_t index) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  std::unique_ptr<SettlementCourse>& course = courses_.at(index);
  if (!course) {
    const SettlementColumn& settled = settled_[index];
    std::vector<double> deltaP;
    for (const SliceSettlement& slice : settled.slices)
      deltaP.push_back(slice.deltaP);
    course = std::make_unique<SettlementCourse>(model_.Course(deltaP, &settled));
  }
  return *course;
}

}  // namespace qel
