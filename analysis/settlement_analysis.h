// The settlement of a document as its readers take it: the soil section read, the model cut from
// the profile, and every column settled; or why there is nothing to show.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "analysis/settlement_columns.h"
#include "analysis/settlement_course.h"
#include "document/soil_profile_text.h"

namespace qel {

class Document;

// The courses of a document's columns under one model, each worked out the first time it is
// asked for and kept; safe to ask from several threads.
class LazyCourses {
 public:
  LazyCourses(SoilProfile profile, const std::vector<SettlementColumnResult>& columns);
  const SettlementCourseModel& model() const { return model_; }
  // The course of columns[index] (the columns given to the constructor).
  const SettlementCourse& Of(std::size_t index) const;

 private:
  SettlementCourseModel model_;
  std::vector<SettlementColumn> settled_;  // each column as settled under its final load
  mutable std::mutex mutex_;
  mutable std::vector<std::unique_ptr<SettlementCourse>> courses_;
};

struct DocumentSettlement {
  enum class Status {
    kNoProfile,   // the document has no soil section
    kBadProfile,  // its section does not read: `errors` says why, line by line
    kComputed,    // `model` and `columns` hold the settlement
  };
  Status status = Status::kNoProfile;
  std::vector<SoilProfileError> errors;
  std::optional<SettlementModel> model;  // the slices, the profile and its times
  std::vector<SettlementColumnResult> columns;
  // The course in time as built (stages, groups, drains, secondary) that every display and table
  // of settlement against time reads, and each column's course, in the order of `columns`.
  std::optional<SettlementCourseModel> courseModel;
  std::vector<SettlementCourse> courses;
  // With drains, the same courses without them, so that the drains' effect can be shown: only
  // the thin curves of the columns a display shows read them, so each is worked out when first
  // asked for (UndrainedCourseOf). Shared by copies.
  std::shared_ptr<const LazyCourses> undrained;
};

// The course of `column`, which is one of settlement.columns.
const SettlementCourse& CourseOf(const DocumentSettlement& settlement,
                                 const SettlementColumnResult& column);
// Its course without the drains, and the model it is read with; none without drains.
const SettlementCourse* UndrainedCourseOf(const DocumentSettlement& settlement,
                                          const SettlementColumnResult& column);
const SettlementCourseModel* UndrainedModelOf(const DocumentSettlement& settlement);

// Reads the document's soil section (its unit weights in the units of `unitSystem`, 0 tf-m, 1
// kN-m) and, when it reads, settles every column of SettlementSites under the document's loads
// (circles by `circleMethod`, on `threads` threads, <= 0: every core).
DocumentSettlement ComputeDocumentSettlement(const Document& document, int unitSystem,
                                             CircleMethod circleMethod, int threads = 0);

}  // namespace qel
