#pragma once

#include "foundation/CXVector.h"
#include "foundation/InsertionOrder.h"
#include "foundation/TextKeyIndex.h"

#include <unordered_map>
#include <vector>

// Maps CXObject keys to CXObject values by the keys' getHashcode and equals. A table that owns its
// keys (every table the engine makes does) deletes them on remove, clear and destruction; values
// are never deleted.
//
// The values are also kept in a list (getElements) in the order of put until the table first
// grows; growing re-files every entry in old-bucket order, and the list then follows that order.
class CHashtable : public CXObject {
public:
    // A bucket count below 1 is taken as 1; a load factor that is not positive as 0.75.
    CHashtable(int buckets = 101, double loadFactor = 0.75, bool ownsKeys = true);
    CHashtable(const CHashtable&) = delete;
    CHashtable& operator=(const CHashtable&) = delete;
    ~CHashtable() override;

    // Files the entry (the table takes the key when it owns keys). An equal key already present
    // is not replaced: both entries are kept and get finds the earlier one. A null key is refused.
    void put(CXObject* key, CXObject* value);
    // The value of the first entry whose key has the same hash code and equals the query key.
    CXObject* get(const CXObject* key) const;
    // Removes the first entry, in bucket order, whose value is this very pointer.
    void remove(const CXObject* value);
    // True when this very pointer is among the values.
    bool contains(const CXObject* value) const;
    // A new vector of every key in bucket order (the caller owns the vector, not the keys); null
    // when the table is empty.
    CXVector* getKeys() const;
    // The table's own list of values; do not change or delete it, and ask for it again after a
    // change of the table.
    CXVector* getElements() const { return elements_.view(); }
    int getSize() const { return count_; }
    int getBucketCount() const { return static_cast<int>(buckets_.size()); }
    // Empties the table, deleting the keys when it owns them.
    void clear();
    // The same as clear.
    void removeAll();
    // A shallow copy (same key and value objects) that does not own the keys.
    CXObject* clone() const override;

private:
    struct Entry {
        int hash; // the key's, kept so a lookup skips other keys without touching them
        CXObject* key;
        CXObject* value;
    };
    using Bucket = std::vector<Entry>;

    int bucketOf(int hash) const;
    void checkSize();
    void file(int hash, CXObject* key, CXObject* value);
    // The bucket holding the first entry, in bucket order, of that value; -1 when none.
    int bucketOfValue(const CXObject* value) const;
    void forgetValue(const CXObject* value, int hash);
    // After the entry of a text key left its bucket: the text now finds the next entry of an equal
    // text in that bucket, if any.
    void refileText(const CXObject* key, const CXObject* value, const Bucket& bucket);

    std::vector<Bucket> buckets_;
    int count_;
    double loadFactor_;
    bool ownsKeys_;
    foundation::InsertionOrder elements_;
    // The key hash of every entry by its value, and how many entries hold each owned key: a
    // removal then looks in one bucket instead of all.
    std::unordered_multimap<const CXObject*, int> valueHashes_;
    std::unordered_map<const CXObject*, int> keyUses_;
    // Text keys find their first entry here, in one probe.
    foundation::TextKeyIndex textKeys_;
};
