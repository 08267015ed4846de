#include "script/CMC_HandlerTable.h"

#include "foundation/CStringHashCode.h"

namespace {

// Lookups never call out while the key is in use, so one key serves every table.
CStringHashCode& lookupKey()
{
    static CStringHashCode key(CXString("temp"));
    return key;
}

} // namespace

CMC_HandlerTable::CMC_HandlerTable(int buckets) : table_(buckets, 0.75, true)
{
}

CMC_HandlerTable::~CMC_HandlerTable()
{
    CXVector* vectors = table_.getElements();
    for (int i = 0; i < vectors->getSize(); ++i) {
        auto* entries = static_cast<CXVector*>(vectors->at(i));
        deleteEntries(entries);
        delete entries;
    }
}

void CMC_HandlerTable::deleteEntries(CXVector* entries)
{
    for (int i = 0; i < entries->getSize(); ++i)
        delete entryAt(entries, i);
    entries->removeAll();
}

CXVector* CMC_HandlerTable::get(const CXString& key) const
{
    CStringHashCode& probe = lookupKey();
    probe.set(key.c_str());
    return static_cast<CXVector*>(table_.get(&probe));
}

CXVector* CMC_HandlerTable::getOrMake(const CXString& key)
{
    CXVector* entries = get(key);
    if (entries == nullptr) {
        entries = new CXVector(101, 0.75f);
        table_.put(new CStringHashCode(key), entries);
    }
    return entries;
}

void CMC_HandlerTable::dropBoundIn(const CMC_ObjectsContainer* container)
{
    for (const CXString& key : keys()) {
        removeWhere(key, [container](const CMC_HandlerEntry* entry) { return entry->isBoundIn(container); });
        CXVector* entries = get(key);
        if (entries != nullptr && entries->isEmpty()) {
            table_.remove(entries);
            delete entries;
        }
    }
}

std::vector<CXString> CMC_HandlerTable::keys() const
{
    std::vector<CXString> names;
    CXVector* keyObjects = table_.getKeys();
    if (keyObjects == nullptr)
        return names;
    for (int i = 0; i < keyObjects->getSize(); ++i)
        names.push_back(static_cast<CStringHashCode*>(keyObjects->at(i))->getString());
    delete keyObjects;
    return names;
}

int CMC_HandlerTable::entryCount() const
{
    int count = 0;
    CXVector* vectors = table_.getElements();
    for (int i = 0; i < vectors->getSize(); ++i)
        count += static_cast<CXVector*>(vectors->at(i))->getSize();
    return count;
}

CMC_HandlerTable* CMC_HandlerTable::copyExcept(const CXString& skippedKey) const
{
    auto* copy = new CMC_HandlerTable(11);
    for (const CXString& key : keys()) {
        if (key == skippedKey)
            continue;
        const CXVector* source = get(key);
        auto* entries = new CXVector(source->getCapacity(), 0.75f);
        for (int i = 0; i < source->getSize(); ++i)
            entries->add(entryAt(source, i)->clone());
        copy->table_.put(new CStringHashCode(key), entries);
    }
    if (copy->isEmpty()) {
        delete copy;
        return nullptr;
    }
    return copy;
}
