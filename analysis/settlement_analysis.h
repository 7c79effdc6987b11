// The settlement of a document as its readers take it: the soil section read, the model cut from
// the profile, and every column settled; or why there is nothing to show.
#pragma once

#include <optional>
#include <vector>

#include "analysis/settlement_columns.h"
#include "analysis/settlement_course.h"
#include "document/soil_profile_text.h"

namespace qel {

class Document;

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
  // With drains, the same courses without them, so that the drains' effect can be shown.
  std::optional<SettlementCourseModel> undrainedModel;
  std::vector<SettlementCourse> undrainedCourses;
};

// The course of `column`, which is one of settlement.columns.
const SettlementCourse& CourseOf(const DocumentSettlement& settlement,
                                 const SettlementColumnResult& column);
// Its course without the drains; none without drains.
const SettlementCourse* UndrainedCourseOf(const DocumentSettlement& settlement,
                                          const SettlementColumnResult& column);

// Reads the document's soil section (its unit weights in the units of `unitSystem`, 0 tf-m, 1
// kN-m) and, when it reads, settles every column of SettlementSites under the document's loads
// (circles by `circleMethod`, on `threads` threads, <= 0: every core).
DocumentSettlement ComputeDocumentSettlement(const Document& document, int unitSystem,
                                             CircleMethod circleMethod, int threads = 0);

}  // namespace qel
