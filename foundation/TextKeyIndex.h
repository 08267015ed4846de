#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class CStringHashCode;
class CXObject;

namespace foundation {

// Text keys to the value filed first under each text, by the keys' well-spread hash: the lookup
// CHashtable makes for text keys in one probe, where its own positional hash files thousands of
// texts together. A slot holds the text's bytes by address, so a lookup reads the slot and the
// bytes only. Keys are not owned; a key must stay unchanged while it is here.
class TextKeyIndex {
public:
    // The value filed under an equal text; null when none (found tells a null value apart).
    CXObject* find(const CStringHashCode& key, bool* found = nullptr) const;
    // Files the pair unless an equal text is filed already.
    void addIfAbsent(const CStringHashCode* key, CXObject* value);
    // Whether this very pair is what the key's text finds.
    bool holds(const CStringHashCode* key, const CXObject* value) const;
    // Files the pair in place of what its text found, or forgets the text when key is null.
    void replace(const CStringHashCode& text, const CStringHashCode* key, CXObject* value);
    void clear();

    // The same for texts held elsewhere, whose bytes stay unchanged while they are filed here;
    // true when the pair was filed.
    CXObject* find(std::string_view text) const;
    bool addIfAbsent(std::string_view text, CXObject* value);

private:
    // 24 bytes: the low half of the text hash tells texts apart well enough before their bytes.
    struct Slot {
        uint32_t hash = 0;
        int length = 0;
        // The key's bytes; null for a slot never used, kRemoved for one emptied.
        const char* text = nullptr;
        CXObject* value = nullptr;
    };
    static const char kRemoved[];

    static Slot slotOf(uint64_t hash, const char* text, int length, CXObject* value)
    {
        return Slot{static_cast<uint32_t>(hash), length, text, value};
    }

    static bool isLive(const Slot& slot) { return slot.text != nullptr && slot.text != kRemoved; }
    static Slot slotOf(const CStringHashCode& key, CXObject* value);
    // The slot holding the text, or the first free one on its probe path.
    size_t probe(const CStringHashCode& key) const;
    size_t probe(const Slot& wanted) const;
    bool file(const Slot& slot);
    void grow();

    std::vector<Slot> slots_;
    size_t used_ = 0;
};

} // namespace foundation
