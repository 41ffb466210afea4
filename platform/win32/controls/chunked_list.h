// A sequence addressed by index whose inserts and erases anywhere cost
// about the square root of its length: elements live in blocks of bounded
// size, and a table of the blocks' first indexes finds an element. A
// sorted list box takes its items in any order, and a plain vector would
// move half of them for each one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

namespace win32::controls {

template <class T>
class ChunkedList {
 public:
  static constexpr size_t kBlock = 512;

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear() {
    blocks_.clear();
    starts_.clear();
    size_ = 0;
  }

  T& operator[](size_t index) {
    const size_t b = BlockOf(index);
    return blocks_[b][index - starts_[b]];
  }
  const T& operator[](size_t index) const { return const_cast<ChunkedList&>(*this)[index]; }

  void insert(size_t index, T value) {
    if (blocks_.empty()) {
      blocks_.emplace_back().reserve(kBlock);
      starts_.push_back(0);
    }
    // An index at the end goes into the last block.
    const size_t b = index == size_ ? blocks_.size() - 1 : BlockOf(index);
    std::vector<T>& block = blocks_[b];
    block.insert(block.begin() + static_cast<std::ptrdiff_t>(index - starts_[b]), std::move(value));
    ++size_;
    for (size_t i = b + 1; i < starts_.size(); ++i) ++starts_[i];
    if (block.size() > 2 * kBlock) Split(b);
  }

  void erase(size_t index) {
    const size_t b = BlockOf(index);
    std::vector<T>& block = blocks_[b];
    block.erase(block.begin() + static_cast<std::ptrdiff_t>(index - starts_[b]));
    --size_;
    for (size_t i = b + 1; i < starts_.size(); ++i) --starts_[i];
    if (block.empty()) {
      blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
      starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(b));
    }
  }

  template <class Ref, class List>
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = Ref*;
    using reference = Ref&;
    Iterator(List* list, size_t block, size_t offset) : list_(list), block_(block), offset_(offset) {}
    Ref& operator*() const { return list_->blocks_[block_][offset_]; }
    Ref* operator->() const { return &**this; }
    Iterator& operator++() {
      if (++offset_ == list_->blocks_[block_].size()) {
        ++block_;
        offset_ = 0;
      }
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator& o) const { return block_ == o.block_ && offset_ == o.offset_; }

   private:
    List* list_;
    size_t block_;
    size_t offset_;
  };
  using iterator = Iterator<T, ChunkedList>;
  using const_iterator = Iterator<const T, const ChunkedList>;
  iterator begin() { return iterator(this, 0, 0); }
  iterator end() { return iterator(this, blocks_.size(), 0); }
  const_iterator begin() const { return const_iterator(this, 0, 0); }
  const_iterator end() const { return const_iterator(this, blocks_.size(), 0); }

 private:
  size_t BlockOf(size_t index) const {
    return static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), index) - starts_.begin()) - 1;
  }
  void Split(size_t b) {
    std::vector<T>& block = blocks_[b];
    std::vector<T> tail(std::make_move_iterator(block.begin() + kBlock), std::make_move_iterator(block.end()));
    block.erase(block.begin() + kBlock, block.end());
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b + 1), std::move(tail));
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(b + 1), starts_[b] + kBlock);
  }

  std::vector<std::vector<T>> blocks_;
  std::vector<size_t> starts_;
  size_t size_ = 0;
};

}  // namespace win32::controls
