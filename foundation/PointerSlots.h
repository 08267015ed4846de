#pragma once

#include <cstdint>

namespace foundation {

// The storage behind CXArray and CXVector: a pointer array that doubles once the count passes
// capacity x load factor. Every operation keeps count <= capacity x load factor < capacity, so the
// slot at `count` always exists once the array does: it is made by the first write, as most lists
// stay empty. Elements are never owned.
class PointerSlots {
public:
    PointerSlots(int size, float loadFactor);
    ~PointerSlots();
    PointerSlots(const PointerSlots&) = delete;
    PointerSlots& operator=(const PointerSlots&) = delete;

    int count() const { return count_; }
    int capacity() const { return capacity_; }
    float loadFactor() const { return loadFactor_; }

    // Element at index, null outside [0, count).
    void* element(int index) const { return index >= 0 && index < count_ ? items_[index] : nullptr; }
    // Any slot, null outside [0, capacity): the sparse-table use of CXArray.
    void* slot(int index) const;

    void doubleSize();
    // Inline: lists are filled in the hottest loops (a parser adds every element and property).
    void add(void* element)
    {
        items()[count_++] = element;
        if (overLoad(count_))
            doubleSize();
    }
    void addAll(const PointerSlots& other);
    int find(const void* element) const;
    bool replace(const void* old, void* replacement);
    void remove(const void* element);
    void removeAt(int index);
    void removeAll() { count_ = 0; }
    // Writes a slot below count; null and no change elsewhere.
    void* setElement(int index, void* element)
    {
        if (index < 0 || index >= count_)
            return nullptr;
        void* previous = items_[index];
        items_[index] = element;
        return previous;
    }
    // Writes any slot, growing the capacity until the index lies within the load; count stays.
    void* setSlot(int index, void* element);
    // Inserts at an index within [0, count] (clamped), moving the later elements up.
    void insertElement(int index, void* element);
    // Inserts at any non-negative index, growing the capacity as setSlot does.
    void insertSlot(int index, void* element);
    // Takes the first or last element out; null when empty.
    void* takeFirst();
    void* takeLast();
    // Makes this a copy of `other`: its capacity, load factor and slots (all, or the count only).
    void copyFrom(const PointerSlots& other, bool allSlots);
    // Copies the elements into target's first slots and sets its count, growing it when needed.
    void copyInto(PointerSlots& target) const;

private:
    // The array, made when first written.
    void** items()
    {
        if (items_ == nullptr)
            items_ = allocateSlots(capacity_);
        return items_;
    }
    bool overLoad(int64_t count) const { return static_cast<double>(count) > static_cast<double>(capacity_) * loadFactor_; }
    static void** allocateSlots(int capacity);
    // Doubles until `index` lies within the load; false when that would pass the index limit.
    bool growForIndex(int index);
    void makeRoomAt(int index);

    float loadFactor_;
    void** items_;
    int capacity_;
    int count_;
};

} // namespace foundation
