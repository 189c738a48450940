// The list type of the tool-bar family: a list of references whose read
// access past the end raises a fixed message instead of reading garbage.
// Entries are added and taken at either end at a constant cost.
#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <iterator>
#include <stdexcept>
#include <string>

namespace vx {

// A read of a list past its end ("Index out of bounds in list read access").
class EDbgListError : public std::runtime_error {
  public:
    explicit EDbgListError(const std::string& message) : std::runtime_error(message) {}
};

// A negative index: the framework list's own error.
class EListError : public std::out_of_range {
  public:
    explicit EListError(const std::string& message) : std::out_of_range(message) {}
};

template <typename T>
class TDbgList {
  public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }

    // Item i; i at or past Count raises EDbgListError, a negative i EListError.
    T Items(int i) const {
        Check(i);
        return items_[static_cast<std::size_t>(i)];
    }
    T operator[](int i) const { return Items(i); }
    void Put(int i, T item) {
        Check(i);
        items_[static_cast<std::size_t>(i)] = item;
    }

    int Add(T item) {
        items_.push_back(item);
        return Count() - 1;
    }
    void Insert(int i, T item) {
        if (i < 0 || i > Count()) throw EListError(IndexText(i));
        items_.insert(items_.begin() + i, item);
    }
    void Delete(int i) {
        Check(i);
        items_.erase(items_.begin() + i);
    }
    // Removes the first entry of item; its former index, or -1.
    int Remove(T item) {
        const int i = IndexOf(item);
        if (i >= 0) items_.erase(items_.begin() + i);
        return i;
    }
    // Removes the last entry of item, found from the end; its former
    // index, or -1.
    int RemoveLast(T item) {
        const auto it = std::find(items_.rbegin(), items_.rend(), item);
        if (it == items_.rend()) return -1;
        const auto at = std::next(it).base();
        const int i = static_cast<int>(at - items_.begin());
        items_.erase(at);
        return i;
    }
    int IndexOf(T item) const {
        const auto it = std::find(items_.begin(), items_.end(), item);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    bool Contains(T item) const { return IndexOf(item) >= 0; }
    void Exchange(int i, int j) {
        Check(i);
        Check(j);
        std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
    }
    void Clear() { items_.clear(); }
    T First() const { return Items(0); }
    T Last() const { return Items(Count() - 1); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    static std::string IndexText(int i) {
        return "List index out of bounds (" + std::to_string(i) + ")";
    }
    void Check(int i) const {
        if (i < 0) throw EListError(IndexText(i));
        if (i >= Count()) throw EDbgListError("Index out of bounds in list read access");
    }

    std::deque<T> items_;
};

}  // namespace vx
