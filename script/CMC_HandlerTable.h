#pragma once

#include "foundation/CHashtable.h"
#include "script/CMC_HandlerEntry.h"

#include <vector>

class CMC_ObjectsContainer;

// The handlers of one script object by signal key: a hash table of keys (owned CStringHashCode) to
// vectors of CMC_HandlerEntry in attach order. The table owns the keys, vectors and entries.
class CMC_HandlerTable {
public:
    explicit CMC_HandlerTable(int buckets = 101);
    ~CMC_HandlerTable();
    CMC_HandlerTable(const CMC_HandlerTable&) = delete;
    CMC_HandlerTable& operator=(const CMC_HandlerTable&) = delete;

    // The entries under exactly this key, or null.
    CXVector* get(const CXString& key) const;
    CXVector* getOrMake(const CXString& key);
    // Takes out and deletes the entries under the key that `matches` accepts; the vector stays,
    // even when empty.
    template <typename Predicate>
    void removeWhere(const CXString& key, Predicate matches);
    // Takes out every entry bound in the container; vectors left empty go with their keys.
    void dropBoundIn(const CMC_ObjectsContainer* container);

    // The keys in the table's order.
    std::vector<CXString> keys() const;
    int entryCount() const;
    bool isEmpty() const { return table_.getSize() == 0; }
    // A copy holding every key but `skippedKey`, with copies of the entries; null when nothing is
    // left to copy.
    CMC_HandlerTable* copyExcept(const CXString& skippedKey) const;

    static CMC_HandlerEntry* entryAt(const CXVector* entries, int index)
    {
        return static_cast<CMC_HandlerEntry*>(entries->at(index));
    }

private:
    static void deleteEntries(CXVector* entries);

    CHashtable table_;
};

template <typename Predicate>
void CMC_HandlerTable::removeWhere(const CXString& key, Predicate matches)
{
    CXVector* entries = get(key);
    if (entries == nullptr)
        return;
    // Walk a copy: deleting an entry may not disturb the walk.
    std::vector<CMC_HandlerEntry*> snapshot;
    for (int i = 0; i < entries->getSize(); ++i)
        snapshot.push_back(entryAt(entries, i));
    for (CMC_HandlerEntry* entry : snapshot) {
        if (matches(entry)) {
            entries->remove(entry);
            delete entry;
        }
    }
}
