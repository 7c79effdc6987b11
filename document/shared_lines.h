// Lines of text that the copies of a document share until one of them changes: each copy of
// the document kept for undo costs a pointer for a section it did not change, and a changed
// section shares every line that stayed as it was.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

class SharedLines {
  using Line = std::shared_ptr<const std::string>;
  using Lines = std::vector<Line>;

 public:
  SharedLines() = default;
  SharedLines(const std::vector<std::string>& lines) {
    *this = lines;
  }  // NOLINT: reads as a vector
  SharedLines(std::initializer_list<std::string> lines) { *this = std::vector<std::string>(lines); }
  // Takes `lines`, sharing the text of each line that equals one it holds.
  SharedLines& operator=(const std::vector<std::string>& lines);
  SharedLines& operator=(std::initializer_list<std::string> lines) {
    return *this = std::vector<std::string>(lines);
  }

  std::size_t size() const { return lines_ ? lines_->size() : 0; }
  bool empty() const { return size() == 0; }
  const std::string& operator[](std::size_t index) const { return *(*lines_)[index]; }
  const std::string& back() const { return *lines_->back(); }

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::string*;
    using reference = const std::string&;
    const_iterator() = default;
    explicit const_iterator(Lines::const_iterator at) : at_(at) {}
    reference operator*() const { return **at_; }
    pointer operator->() const { return at_->get(); }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++at_;
      return before;
    }
    bool operator==(const const_iterator&) const = default;

   private:
    Lines::const_iterator at_;
  };
  const_iterator begin() const {
    return lines_ ? const_iterator(lines_->begin()) : const_iterator();
  }
  const_iterator end() const { return lines_ ? const_iterator(lines_->end()) : const_iterator(); }

  // The lines as a vector of their own.
  std::vector<std::string> ToVector() const { return {begin(), end()}; }
  operator std::vector<std::string>() const { return ToVector(); }  // NOLINT: reads as a vector

  void clear() { lines_.reset(); }
  void push_back(std::string line);
  void emplace_back(std::string_view line) { push_back(std::string(line)); }

  friend bool operator==(const SharedLines& a, const SharedLines& b);
  friend bool operator==(const SharedLines& a, const std::vector<std::string>& b);

 private:
  // The lines to change: shared with no other copy.
  Lines& Own();

  std::shared_ptr<const Lines> lines_;  // none: no lines
};

}  // namespace qel
