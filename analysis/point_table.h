// A hash table keyed by lattice points, for the many look-ups of tracing isobars.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace qel {

// Values by 64-bit key (any key but the largest), open addressing with linear probing: no
// allocation per entry, so that filling and reading hundreds of thousands of points costs a
// fraction of what node-based maps cost. Reading from several threads at once is safe.
template <class Value>
class PointTable {
 public:
  explicit PointTable(std::size_t expected = 16) { Rehash(Capacity(expected)); }

  // The value at `key`, or nullptr.
  const Value* Find(std::uint64_t key) const {
    for (std::size_t slot = Slot(key);; slot = (slot + 1) & mask_) {
      if (keys_[slot] == key) return &values_[slot];
      if (keys_[slot] == kEmpty) return nullptr;
    }
  }
  // The value at `key`, made from `initial` if there was none; true when it was made.
  std::pair<Value*, bool> Insert(std::uint64_t key, const Value& initial) {
    if (2 * (size_ + 1) > keys_.size()) Rehash(2 * keys_.size());
    std::size_t slot = Slot(key);
    for (; keys_[slot] != kEmpty; slot = (slot + 1) & mask_)
      if (keys_[slot] == key) return {&values_[slot], false};
    keys_[slot] = key;
    values_[slot] = initial;
    ++size_;
    return {&values_[slot], true};
  }
  std::size_t size() const { return size_; }
  // Every entry, in no particular order.
  template <class Visit>
  void ForEach(Visit visit) const {
    for (std::size_t slot = 0; slot < keys_.size(); ++slot)
      if (keys_[slot] != kEmpty) visit(keys_[slot], values_[slot]);
  }

 private:
  static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
  static std::size_t Capacity(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < 2 * expected)
      capacity *= 2;
    return capacity;
  }
  std::size_t Slot(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  void Rehash(std::size_t capacity) {
    std::vector<std::uint64_t> keys(capacity, kEmpty);
    std::vector<Value> values(capacity);
    keys_.swap(keys);
    values_.swap(values);
    mask_ = capacity - 1;
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c /= 2)
      --shift_;
    size_ = 0;
    for (std::size_t slot = 0; slot < keys.size(); ++slot)
      if (keys[slot] != kEmpty) Insert(keys[slot], values[slot]);
  }

  std::vector<std::uint64_t> keys_;
  std::vector<Value> values_;
  std::size_t mask_ = 0, size_ = 0;
  int shift_ = 64;
};

}  // namespace qel
