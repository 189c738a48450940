// `TWgGroupItems`: the ordered list of a group panel's items, owned by the
// group. Adding, removing or moving items, and a change of an item that
// moves the others, make the group lay its items out again; every change
// repaints it.
#pragma once

#include <memory>
#include <vector>

namespace vx {

class TWgGroupItem;
class TWgGroupModel;

class TWgGroupItems {
  public:
    explicit TWgGroupItems(TWgGroupModel& group);
    ~TWgGroupItems();
    TWgGroupItems(const TWgGroupItems&) = delete;
    TWgGroupItems& operator=(const TWgGroupItems&) = delete;

    TWgGroupModel& Group() const { return group_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // The item at an index; out of range raises std::out_of_range with
    // "List index out of bounds (n)".
    TWgGroupItem& Items(int index) const;
    TWgGroupItem& operator[](int index) const { return Items(index); }

    TWgGroupItem& Add();
    TWgGroupItem& Insert(int index);
    void Delete(int index);
    void Clear();
    // Moves an item to another place (an index out of range is clamped).
    void Move(int from, int to);
    int IndexOf(const TWgGroupItem* item) const;
    // The same items as another list: as many items, each assigned from its
    // counterpart.
    void Assign(const TWgGroupItems& source);

    // Changes inside a bracket are told once, at its end.
    void BeginUpdate();
    void EndUpdate();
    // A change: of one item (only it is repainted) or, without an item, of
    // the whole list.
    void Update(TWgGroupItem* item);

  private:
    void Changed();

    TWgGroupModel& group_;
    std::vector<std::unique_ptr<TWgGroupItem>> items_;
    int updateCount_ = 0;
};

}  // namespace vx
