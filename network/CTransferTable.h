#pragma once

#include "foundation/CHashtable.h"
#include "foundation/CInteger.h"
#include "foundation/CXVector.h"

#include <vector>

class CXSocket;

// The running transfers of a file-transfer manager by their ids. The table owns its entries and
// deletes those still held when it goes.
template <class Entry>
class CTransferTable {
public:
    CTransferTable() : entries_(101, 0.75) {}
    ~CTransferTable()
    {
        for (Entry* entry : snapshot())
            remove(entry->getId());
    }
    CTransferTable(const CTransferTable&) = delete;
    CTransferTable& operator=(const CTransferTable&) = delete;

    void add(int id, Entry* entry) { entries_.put(new CInteger(id), entry); }
    Entry* find(int id) const
    {
        CInteger key(id);
        return static_cast<Entry*>(entries_.get(&key));
    }
    // Takes the entry out without deleting it; null for an unknown id.
    Entry* take(int id)
    {
        Entry* entry = find(id);
        if (entry != nullptr)
            entries_.remove(entry);
        return entry;
    }
    void remove(int id) { delete take(id); }
    // Removes the entries of transfers on the socket.
    void removeOn(const CXSocket* socket)
    {
        for (Entry* entry : snapshot()) {
            if (entry->getSocket() == socket)
                remove(entry->getId());
        }
    }
    // The entries now, in table order: a list that later changes of the table leave alone.
    std::vector<Entry*> snapshot() const
    {
        std::vector<Entry*> entries;
        CXVector* elements = entries_.getElements();
        for (int i = 0; elements != nullptr && i < elements->getSize(); ++i)
            entries.push_back(static_cast<Entry*>((*elements)[i]));
        return entries;
    }
    int getCount() const { return entries_.getSize(); }

private:
    CHashtable entries_;
};
