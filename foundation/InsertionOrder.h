#pragma once

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

class CXObject;
class CXVector;

namespace foundation {

// Pointers in the order they were added, where taking out the first occurrence of any one costs a
// logarithm instead of a scan and a shift of everything after it: containers of tens of thousands
// of objects unload one by one. The plain vector form is made again only when it is asked for
// after a change.
class InsertionOrder {
public:
    // `viewSize` is the starting capacity of the vector form.
    explicit InsertionOrder(int viewSize);
    ~InsertionOrder();
    InsertionOrder(const InsertionOrder&) = delete;
    InsertionOrder& operator=(const InsertionOrder&) = delete;

    void add(CXObject* element);
    // Takes out the first occurrence; false when there is none.
    bool remove(const CXObject* element);
    bool contains(const CXObject* element) const { return positions_.count(element) != 0; }
    int getSize() const { return static_cast<int>(order_.size()); }
    void clear();
    // The elements in order. The vector stays this object's and holds until the next change.
    CXVector* view() const;

private:
    std::map<uint64_t, CXObject*> order_;
    // Each element's positions, first first.
    std::unordered_map<const CXObject*, std::vector<uint64_t>> positions_;
    uint64_t nextPosition_ = 0;
    CXVector* view_;
    mutable bool viewStale_ = false;
};

} // namespace foundation
