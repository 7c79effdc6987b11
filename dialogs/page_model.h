// The model of the page dialog: the page-number texts of one problem's three displays and where
// they stand on the paper, kept in the document's setting lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"

namespace qel {

// The three rows of the dialog: figure, data table, results table.
enum class PageRow { Figure, Data, Result };
inline constexpr PageRow kPageRows[] = {PageRow::Figure, PageRow::Data, PageRow::Result};

struct PageText {
  std::string prefix, startPage, suffix;  // text before the number, first number, text after
  bool operator==(const PageText&) const = default;
};

struct PageFields {
  PageText rows[3];
  std::string top, left;  // millimetres from the paper's top (bottom) and left edges
  bool centered = false;
  bool operator==(const PageFields&) const = default;
};

class PageModel {
 public:
  // Copies in the page-text lines of `problem`. The paper (millimetres) bounds the distance from
  // the top and gives the standard left distance. When both distances are empty the standard
  // values are filled in at once.
  PageModel(const DocumentTables& tables, Problem problem, int paperWidthMm, int paperHeightMm);

  Problem problem() const { return problem_; }
  // "帯状荷重 > ページ" or "長方形円形荷重 > ページ".
  std::string WindowTitle() const;
  // The suggestions of the "before" and "after" boxes.
  static const std::vector<std::string>& PrefixSuggestions();
  static const std::vector<std::string>& SuffixSuggestions();
  // The object names of a row's fields: "figurePagePrefix", "dataStartPage", "resultSample" ...
  static std::string FieldName(PageRow row, const char* part);

  const PageFields& fields() const { return fields_; }
  PageFields& fields() { return fields_; }
  PageText& row(PageRow r) { return fields_.rows[static_cast<int>(r)]; }
  const PageText& row(PageRow r) const { return fields_.rows[static_cast<int>(r)]; }
  // What the page text of a row looks like: before + number + after.
  std::string Sample(PageRow r) const;
  bool leftEnabled() const { return !fields_.centered; }
  // The largest sensible distance from the top: the paper height less 16 mm.
  int largestTop() const { return paperHeightMm_ - 16; }

  // Leaving a "before" box: "<無し>" empties it, and an empty "after" text gets ")" for a "("
  // and "-" for a "-".
  void LeavePrefix(PageRow r);

  // "標準の設定": the largest distance from the top, the left distance half the paper width
  // but at most 150 mm, and centred.
  void ApplyStandardValues();

  // Texts that a data file can hold.
  std::optional<ValidationError> Validate() const;
  bool HasChanged() const { return !(fields_ == original_); }
  // Writes the fields that differ from what was copied in (the centring as "1" or "0"). A
  // distance from the top beyond the paper is told (message 133) and stored all the same.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  Problem problem_;
  int paperWidthMm_, paperHeightMm_;
  PageFields original_;
  PageFields fields_;
};

static_assert(DialogModel<PageModel, DocumentTables>);

}  // namespace qel
