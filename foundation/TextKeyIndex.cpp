#include "foundation/TextKeyIndex.h"

#include "foundation/CStringHashCode.h"

namespace foundation {

size_t TextKeyIndex::probe(const CStringHashCode& key) const
{
    const uint64_t hash = key.getTextHash();
    const size_t mask = slots_.size() - 1;
    size_t firstRemoved = slots_.size();
    for (size_t at = static_cast<size_t>(hash) & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.key == nullptr && !slot.removed)
            return firstRemoved < slots_.size() ? firstRemoved : at;
        if (slot.removed) {
            if (firstRemoved == slots_.size())
                firstRemoved = at;
        } else if (slot.hash == hash && slot.key->text() == key.text()) {
            return at;
        }
    }
}

CXObject* TextKeyIndex::find(const CStringHashCode& key, bool* found) const
{
    const Slot* slot = slots_.empty() ? nullptr : &slots_[probe(key)];
    const bool present = slot != nullptr && slot->key != nullptr;
    if (found != nullptr)
        *found = present;
    return present ? slot->value : nullptr;
}

bool TextKeyIndex::holds(const CStringHashCode* key, const CXObject* value) const
{
    if (slots_.empty())
        return false;
    const Slot& slot = slots_[probe(*key)];
    return slot.key == key && slot.value == value;
}

void TextKeyIndex::addIfAbsent(const CStringHashCode* key, CXObject* value)
{
    // At most half the slots in use, removed ones counted, so every probe path ends soon.
    if ((used_ + 1) * 2 > slots_.size())
        grow();
    Slot& slot = slots_[probe(*key)];
    if (slot.key != nullptr)
        return;
    if (!slot.removed)
        ++used_;
    slot = Slot{key->getTextHash(), key, value, false};
}

void TextKeyIndex::replace(const CStringHashCode& text, const CStringHashCode* key, CXObject* value)
{
    if (slots_.empty())
        return;
    Slot& slot = slots_[probe(text)];
    if (slot.key == nullptr)
        return;
    if (key != nullptr)
        slot = Slot{key->getTextHash(), key, value, false};
    else
        slot = Slot{0, nullptr, nullptr, true};
}

void TextKeyIndex::clear()
{
    slots_.clear();
    used_ = 0;
}

void TextKeyIndex::grow()
{
    std::vector<Slot> old;
    old.swap(slots_);
    size_t live = 0;
    for (const Slot& slot : old)
        live += slot.key != nullptr ? 1 : 0;
    size_t size = 16;
    while (size < (live + 1) * 4)
        size *= 2;
    slots_.assign(size, Slot{});
    used_ = 0;
    for (const Slot& slot : old) {
        if (slot.key == nullptr)
            continue;
        slots_[probe(*slot.key)] = slot;
        ++used_;
    }
}

} // namespace foundation
