// Keys, fields and the replacement of lines of the soil profile's section.
#include "document/soil_section_lines.h"

#include <algorithm>
#include <deque>
#include <map>
#include <optional>

#include "base/text_trim.h"

namespace qel {

std::string_view TrimmedSoilView(std::string_view text) {
  return TrimmedBlanks(text, kSoilBlanks);
}

std::string TrimmedSoilText(std::string_view text) {
  return std::string(TrimmedSoilView(text));
}

std::vector<std::string_view> SoilFieldViews(std::string_view value) {
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t comma = value.find(',');
    fields.push_back(TrimmedSoilView(value.substr(0, comma)));
    if (comma == std::string_view::npos) return fields;
    value.remove_prefix(comma + 1);
  }
}

std::string SoilLineKey(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return TrimmedSoilText(line.substr(0, equals));
}

std::string SoilLineValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string() : std::string(line.substr(equals + 1));
}

std::vector<std::string> SoilLineFields(std::string_view value) {
  const std::vector<std::string_view> views = SoilFieldViews(value);
  return {views.begin(), views.end()};
}

namespace {

// Whether two lines say the same: the same key and the same fields, blanks aside.
bool SaySame(const std::string& a, const std::string& b) {
  return SoilLineKey(a) == SoilLineKey(b) &&
         SoilLineFields(SoilLineValue(a)) == SoilLineFields(SoilLineValue(b));
}

// Whether two lines hold the same thing, numbered alike or not: the same key and the same
// fields after the first (a layer or curve renumbered by a row put above it), or, for a line of
// one field, the same field.
bool SameThing(const std::string& a, const std::string& b) {
  if (SoilLineKey(a) != SoilLineKey(b)) return false;
  const std::vector<std::string> fa = SoilLineFields(SoilLineValue(a)),
                                 fb = SoilLineFields(SoilLineValue(b));
  if (fa.size() < 2 || fb.size() < 2) return fa == fb;
  return std::equal(fa.begin() + 1, fa.end(), fb.begin() + 1, fb.end());
}

// Pairs of the longest run of lines that hold the same things in `held` and `next`, in order, as
// (held index, next index). Beyond a size no dialog reaches, lines are paired only where both
// lists begin alike, which keeps the work bounded.
std::vector<std::pair<std::size_t, std::size_t>> SameLines(const std::vector<std::string>& held,
                                                           const std::vector<std::string>& next) {
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  const std::size_t n = held.size(), m = next.size();
  if (n * m > 1000000) {
    for (std::size_t i = 0; i < std::min(n, m) && SameThing(held[i], next[i]); ++i)
      pairs.push_back({i, i});
    return pairs;
  }
  // length[i][j]: the longest common run of held[i..] and next[j..].
  std::vector<std::vector<unsigned>> length(n + 1, std::vector<unsigned>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;)
    for (std::size_t j = m; j-- > 0;)
      length[i][j] = SameThing(held[i], next[j]) ? length[i + 1][j + 1] + 1
                                                 : std::max(length[i + 1][j], length[i][j + 1]);
  for (std::size_t i = 0, j = 0; i < n && j < m;) {
    if (SameThing(held[i], next[j])) {
      pairs.push_back({i++, j++});
    } else if (length[i + 1][j] >= length[i][j + 1]) {
      ++i;
    } else {
      ++j;
    }
  }
  return pairs;
}

}  // namespace

std::vector<std::string> ReplaceSoilLines(const std::vector<std::string>& lines,
                                          const std::vector<std::string>& keys,
                                          const std::vector<std::string>& replacement,
                                          SoilLinesPlace place) {
  const auto ours = [&keys](const std::string& line) {
    return std::find(keys.begin(), keys.end(), SoilLineKey(line)) != keys.end();
  };
  // The section's lines of the dialog's keys, and where they stand.
  std::vector<std::string> held;
  std::vector<std::size_t> heldAt;
  for (std::size_t at = 0; at < lines.size(); ++at) {
    if (!ours(lines[at])) continue;
    held.push_back(lines[at]);
    heldAt.push_back(at);
  }
  // What goes where: `taken[at]` the replacement line that takes the place of line `at` (none:
  // the line is dropped), `before[at]` the replacement lines put before line `at`.
  const std::size_t none = replacement.size();
  std::vector<std::size_t> taken(lines.size(), none);
  std::vector<std::vector<std::size_t>> before(lines.size() + 1);
  // Lines that hold what they held stay where they are. Between two of them, each new line takes
  // the place of the next old line with its key there; the others go before the next line
  // placed in the stretch, else before the line that ends it; after the last such line, after
  // the last line placed (or where the dialog's lines were, or at `place`).
  std::vector<std::pair<std::size_t, std::size_t>> anchors = SameLines(held, replacement);
  anchors.push_back({held.size(), replacement.size()});  // the end of the last stretch
  std::size_t heldFrom = 0, nextFrom = 0;
  std::optional<std::size_t> lastPlaced;
  for (const auto& [heldEnd, nextEnd] : anchors) {
    std::vector<bool> used(heldEnd - heldFrom, false);
    std::vector<std::size_t> pending;
    for (std::size_t j = nextFrom; j < nextEnd; ++j) {
      const std::string key = SoilLineKey(replacement[j]);
      std::size_t i = heldFrom;
      while (i < heldEnd && (used[i - heldFrom] || SoilLineKey(held[i]) != key))
        ++i;
      if (i == heldEnd) {
        pending.push_back(j);
        continue;
      }
      used[i - heldFrom] = true;
      taken[heldAt[i]] = j;
      before[heldAt[i]].insert(before[heldAt[i]].end(), pending.begin(), pending.end());
      pending.clear();
      lastPlaced = std::max(lastPlaced.value_or(0), heldAt[i]);
    }
    if (heldEnd < held.size()) {
      // The line that ends the stretch stays; the new lines left go just before it.
      taken[heldAt[heldEnd]] = nextEnd;
      before[heldAt[heldEnd]].insert(before[heldAt[heldEnd]].end(), pending.begin(), pending.end());
      lastPlaced = std::max(lastPlaced.value_or(0), heldAt[heldEnd]);
    } else if (!pending.empty()) {
      std::size_t at = lines.size();
      if (lastPlaced) {
        at = *lastPlaced + 1;
      } else if (!held.empty()) {
        at = heldAt.front();
      } else if (place == SoilLinesPlace::Front) {
        at = 0;
      } else if (place == SoilLinesPlace::BeforeCurves) {
        const auto curve = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
          return SoilLineKey(line) == "curve";
        });
        at = static_cast<std::size_t>(curve - lines.begin());
      }
      before[at].insert(before[at].end(), pending.begin(), pending.end());
    }
    heldFrom = heldEnd + 1;
    nextFrom = nextEnd + 1;
  }
  std::vector<std::string> result;
  for (std::size_t at = 0; at <= lines.size(); ++at) {
    for (const std::size_t j : before[at])
      result.push_back(replacement[j]);
    if (at == lines.size()) break;
    if (!ours(lines[at])) {
      result.push_back(lines[at]);
    } else if (taken[at] != none) {
      // A line that says what it said keeps its text as typed.
      const std::string& next = replacement[taken[at]];
      result.push_back(SaySame(lines[at], next) ? lines[at] : next);
    }
  }
  return result;
}

}  // namespace qel
