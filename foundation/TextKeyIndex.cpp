#include "foundation/TextKeyIndex.h"

#include "foundation/CStringHashCode.h"

#include <cstring>

namespace foundation {

const char TextKeyIndex::kRemoved[] = "";

TextKeyIndex::Slot TextKeyIndex::slotOf(const CStringHashCode& key, CXObject* value)
{
    return slotOf(key.getTextHash(), key.text().c_str(), key.text().getLength(), value);
}

size_t TextKeyIndex::probe(const CStringHashCode& key) const
{
    return probe(slotOf(key, nullptr));
}

size_t TextKeyIndex::probe(const Slot& wanted) const
{
    const uint32_t hash = wanted.hash;
    const char* text = wanted.text;
    const int length = wanted.length;
    const size_t mask = slots_.size() - 1;
    size_t firstRemoved = slots_.size();
    for (size_t at = static_cast<size_t>(hash) & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.text == nullptr)
            return firstRemoved < slots_.size() ? firstRemoved : at;
        if (slot.text == kRemoved) {
            if (firstRemoved == slots_.size())
                firstRemoved = at;
        } else if (slot.hash == hash && slot.length == length && std::memcmp(slot.text, text, static_cast<size_t>(length)) == 0) {
            return at;
        }
    }
}

CXObject* TextKeyIndex::find(const CStringHashCode& key, bool* found) const
{
    const Slot* slot = slots_.empty() ? nullptr : &slots_[probe(key)];
    const bool present = slot != nullptr && isLive(*slot);
    if (found != nullptr)
        *found = present;
    return present ? slot->value : nullptr;
}

bool TextKeyIndex::holds(const CStringHashCode* key, const CXObject* value) const
{
    if (slots_.empty())
        return false;
    const Slot& slot = slots_[probe(*key)];
    // Distinct key objects hold distinct bytes: the address tells the key.
    return slot.text == key->text().c_str() && slot.value == value;
}

void TextKeyIndex::addIfAbsent(const CStringHashCode* key, CXObject* value)
{
    file(slotOf(*key, value));
}

bool TextKeyIndex::file(const Slot& filed)
{
    // At most about six slots in ten in use, removed ones counted, so that probe paths stay short.
    if ((used_ + 1) * 5 > slots_.size() * 3)
        grow();
    Slot& slot = slots_[probe(filed)];
    if (isLive(slot))
        return false;
    if (slot.text == nullptr)
        ++used_;
    slot = filed;
    return true;
}

CXObject* TextKeyIndex::find(std::string_view text) const
{
    if (slots_.empty())
        return nullptr;
    const auto length = static_cast<int>(text.size());
    const Slot& slot = slots_[probe(slotOf(CStringHashCode::textHashOf(text.data(), length), text.data(), length, nullptr))];
    return isLive(slot) ? slot.value : nullptr;
}

bool TextKeyIndex::addIfAbsent(std::string_view text, CXObject* value)
{
    const auto length = static_cast<int>(text.size());
    return file(slotOf(CStringHashCode::textHashOf(text.data(), length), text.data(), length, value));
}

void TextKeyIndex::replace(const CStringHashCode& text, const CStringHashCode* key, CXObject* value)
{
    if (slots_.empty())
        return;
    Slot& slot = slots_[probe(text)];
    if (!isLive(slot))
        return;
    if (key != nullptr)
        slot = slotOf(*key, value);
    else
        slot = slotOf(0, kRemoved, 0, nullptr);
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
        live += isLive(slot) ? 1 : 0;
    size_t size = 16;
    while (size < (live + 1) * 2)
        size *= 2;
    slots_.assign(size, Slot{});
    used_ = 0;
    const size_t mask = size - 1;
    for (const Slot& slot : old) {
        if (!isLive(slot))
            continue;
        size_t at = static_cast<size_t>(slot.hash) & mask;
        while (slots_[at].text != nullptr)
            at = (at + 1) & mask;
        slots_[at] = slot;
        ++used_;
    }
}

} // namespace foundation
