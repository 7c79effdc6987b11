// The model of the page dialog.
#include "dialogs/page_model.h"

#include <algorithm>

#include "base/c_locale.h"
#include "dialogs/field_checks.h"
#include "platform/messages.h"

namespace qel {

namespace {

using namespace setting_line;

// The strip line of the first field of each row.
constexpr int kRowLines[] = {kFigurePagePrefix, kDataPagePrefix, kResultPagePrefix};
const char* const kRowNames[] = {"figure", "data", "result"};
constexpr const char* kNoneMark = "<無し>";

}  // namespace

PageModel::PageModel(const DocumentTables& tables, Problem problem, int paperWidthMm,
                     int paperHeightMm)
    : problem_(problem), paperWidthMm_(paperWidthMm), paperHeightMm_(paperHeightMm) {
  auto line = [&](int stripLine) -> const std::string& {
    return tables.settingLines[Page(problem, stripLine)];
  };
  for (int r = 0; r < 3; ++r) {
    original_.rows[r] = {line(kRowLines[r]), line(kRowLines[r] + 1), line(kRowLines[r] + 2)};
  }
  original_.top = line(kPageTextTop);
  original_.left = line(kPageTextLeft);
  original_.centered = ToInt(line(kPageTextCentered)) != 0;
  fields_ = original_;
  if (fields_.top.empty() && fields_.left.empty()) ApplyStandardValues();
}

std::string PageModel::WindowTitle() const {
  return std::string(problem_ == Problem::Strip ? "帯状荷重" : "長方形円形荷重") + " > ページ";
}

const std::vector<std::string>& PageModel::PrefixSuggestions() {
  static const std::vector<std::string> list = {"   <無し>", "-", "("};
  return list;
}

const std::vector<std::string>& PageModel::SuffixSuggestions() {
  static const std::vector<std::string> list = {"", "-", ")"};
  return list;
}

std::string PageModel::FieldName(PageRow r, const char* part) {
  return std::string(kRowNames[static_cast<int>(r)]) + part;
}

std::string PageModel::Sample(PageRow r) const {
  const PageText& t = row(r);
  return t.prefix + t.startPage + t.suffix;
}

void PageModel::LeavePrefix(PageRow r) {
  PageText& t = row(r);
  if (t.prefix.find(kNoneMark) != std::string::npos) t.prefix.clear();
  if (!t.suffix.empty()) return;
  if (t.prefix == "(") t.suffix = ")";
  if (t.prefix == "-") t.suffix = "-";
}

void PageModel::ApplyStandardValues() {
  fields_.top = FormatC("%d", largestTop());
  fields_.left = FormatC("%d", std::min(paperWidthMm_ / 2, 150));
  fields_.centered = true;
}

std::optional<ValidationError> PageModel::Validate() const {
  for (PageRow r : kPageRows) {
    const PageText& t = row(r);
    if (auto e = FirstFailure(CheckStoredText(t.prefix, FieldName(r, "PagePrefix")),
                              CheckStoredText(t.startPage, FieldName(r, "StartPage")),
                              CheckStoredText(t.suffix, FieldName(r, "PageSuffix"))))
      return e;
  }
  return FirstFailure(CheckStoredText(fields_.top, "pageTextTop"),
                      CheckStoredText(fields_.left, "pageTextLeft"));
}

ApplyOutcome PageModel::Apply(DocumentTables& tables) const {
  auto write = [&](int stripLine, const std::string& text) {
    tables.settingLines[Page(problem_, stripLine)] = text;
  };
  // Only fields the dialog changed are written; the others keep their lines as they are.
  auto store = [&](int stripLine, const std::string& now, const std::string& was) {
    if (now != was) write(stripLine, now);
  };
  for (int r = 0; r < 3; ++r) {
    const PageText& now = fields_.rows[r];
    const PageText& was = original_.rows[r];
    store(kRowLines[r], now.prefix, was.prefix);
    store(kRowLines[r] + 1, now.startPage, was.startPage);
    store(kRowLines[r] + 2, now.suffix, was.suffix);
  }
  store(kPageTextTop, fields_.top, original_.top);
  store(kPageTextLeft, fields_.left, original_.left);
  if (fields_.centered != original_.centered)
    write(kPageTextCentered, fields_.centered ? "1" : "0");
  ApplyOutcome outcome;
  // A distance beyond the paper is stored all the same: the user may mean another paper.
  if (ToInt(fields_.top) > largestTop())
    outcome.notices.push_back(MessageText(MessageId::FooterOffPaper, fields_.top));
  return outcome;
}

}  // namespace qel
