#include "foundation/PointerSlots.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace foundation {

namespace {
// Index-driven growth (a sparse slot index that may come from a script) stops here: 16M slots.
constexpr int kLargestIndexedCapacity = 1 << 24;
constexpr float kDefaultLoadFactor = 0.75f;
} // namespace

void** PointerSlots::allocateSlots(int capacity)
{
    return new void*[static_cast<size_t>(capacity)]();
}

PointerSlots::PointerSlots(int size, float loadFactor)
    // Outside (0, 1) the slot written by add would not always exist.
    : loadFactor_(loadFactor > 0.0f && loadFactor < 1.0f ? loadFactor : kDefaultLoadFactor),
      items_(nullptr), capacity_(size > 0 ? size : 1), count_(0)
{
}

PointerSlots::~PointerSlots()
{
    delete[] items_;
}

void* PointerSlots::slot(int index) const
{
    return index >= 0 && index < capacity_ && items_ != nullptr ? items_[index] : nullptr;
}

void PointerSlots::doubleSize()
{
    if (capacity_ > INT_MAX / 2)
        std::abort();
    int capacity = capacity_ * 2;
    if (items_ != nullptr) {
        void** items = allocateSlots(capacity);
        std::memcpy(items, items_, static_cast<size_t>(capacity_) * sizeof(void*));
        delete[] items_;
        items_ = items;
    }
    capacity_ = capacity;
}

void PointerSlots::addAll(const PointerSlots& other)
{
    int added = other.count_; // other may be this very list
    if (added == 0)
        return;
    while (overLoad(static_cast<int64_t>(count_) + added))
        doubleSize();
    std::memmove(items() + count_, other.items_, static_cast<size_t>(added) * sizeof(void*));
    count_ += added;
}

int PointerSlots::find(const void* element) const
{
    for (int i = 0; i < count_; ++i) {
        if (items_[i] == element)
            return i;
    }
    return -1;
}

bool PointerSlots::replace(const void* old, void* replacement)
{
    int index = find(old);
    if (index < 0)
        return false;
    items_[index] = replacement;
    return true;
}

void PointerSlots::remove(const void* element)
{
    removeAt(find(element));
}

void PointerSlots::removeAt(int index)
{
    if (index < 0 || index >= count_)
        return;
    std::memmove(items_ + index, items_ + index + 1, static_cast<size_t>(count_ - index - 1) * sizeof(void*));
    --count_;
}

bool PointerSlots::growForIndex(int index)
{
    while (overLoad(index)) {
        if (capacity_ >= kLargestIndexedCapacity)
            return false;
        doubleSize();
    }
    return true;
}

void* PointerSlots::setSlot(int index, void* element)
{
    if (index < 0 || !growForIndex(index))
        return nullptr;
    void** slots = items();
    void* previous = slots[index];
    slots[index] = element;
    return previous;
}

void PointerSlots::makeRoomAt(int index)
{
    if (index < count_)
        std::memmove(items_ + index + 1, items_ + index, static_cast<size_t>(count_ - index) * sizeof(void*));
}

void PointerSlots::insertElement(int index, void* element)
{
    index = std::clamp(index, 0, count_);
    items();
    makeRoomAt(index);
    items_[index] = element;
    ++count_;
    if (overLoad(count_))
        doubleSize();
}

void PointerSlots::insertSlot(int index, void* element)
{
    if (index < 0 || !growForIndex(index))
        return;
    items();
    makeRoomAt(index);
    items_[index] = element;
    ++count_;
    if (overLoad(count_))
        doubleSize();
}

void* PointerSlots::takeFirst()
{
    if (count_ == 0)
        return nullptr;
    void* first = items_[0];
    removeAt(0);
    return first;
}

void* PointerSlots::takeLast()
{
    if (count_ == 0)
        return nullptr;
    return items_[--count_];
}

void PointerSlots::copyFrom(const PointerSlots& other, bool allSlots)
{
    if (&other == this)
        return;
    void** items = nullptr;
    if (other.items_ != nullptr) {
        items = allocateSlots(other.capacity_);
        int copied = allSlots ? other.capacity_ : other.count_;
        std::memcpy(items, other.items_, static_cast<size_t>(copied) * sizeof(void*));
    }
    delete[] items_;
    items_ = items;
    capacity_ = other.capacity_;
    loadFactor_ = other.loadFactor_;
    count_ = other.count_;
}

void PointerSlots::copyInto(PointerSlots& target) const
{
    if (&target == this)
        return;
    while (target.overLoad(count_))
        target.doubleSize();
    if (count_ > 0)
        std::memcpy(target.items(), items_, static_cast<size_t>(count_) * sizeof(void*));
    target.count_ = count_;
}

} // namespace foundation
