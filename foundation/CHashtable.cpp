#include "foundation/CHashtable.h"

#include <algorithm>
#include <cmath>

CHashtable::CHashtable(int buckets, double loadFactor, bool ownsKeys)
    : buckets_(static_cast<size_t>(buckets > 0 ? buckets : 1)), count_(0),
      loadFactor_(loadFactor > 0.0 && std::isfinite(loadFactor) ? loadFactor : 0.75), ownsKeys_(ownsKeys),
      elements_(new CXVector(101, 0.75f))
{
}

CHashtable::~CHashtable()
{
    clear();
    delete elements_;
}

int CHashtable::bucketOf(int hash) const
{
    // Hash codes may be negative (texts with letters above 127, negative integers): fold the
    // remainder into range, the same way everywhere.
    int buckets = static_cast<int>(buckets_.size());
    int remainder = hash % buckets;
    return remainder < 0 ? remainder + buckets : remainder;
}

void CHashtable::file(int hash, CXObject* key, CXObject* value)
{
    buckets_[static_cast<size_t>(bucketOf(hash))].push_back(Entry{hash, key, value});
    elements_->add(value);
    ++count_;
}

void CHashtable::checkSize()
{
    if (static_cast<double>(buckets_.size()) * loadFactor_ >= static_cast<double>(count_) + 1.0)
        return;
    std::vector<Bucket> old(buckets_.size() * 2);
    old.swap(buckets_);
    count_ = 0;
    elements_->removeAll();
    for (const Bucket& bucket : old) {
        for (const Entry& entry : bucket)
            file(entry.hash, entry.key, entry.value);
    }
}

void CHashtable::put(CXObject* key, CXObject* value)
{
    if (key == nullptr)
        return;
    checkSize();
    file(key->getHashcode(), key, value);
}

CXObject* CHashtable::get(const CXObject* key) const
{
    if (key == nullptr)
        return nullptr;
    int hash = key->getHashcode();
    for (const Entry& entry : buckets_[static_cast<size_t>(bucketOf(hash))]) {
        if (entry.hash == hash && key->equals(entry.key))
            return entry.value;
    }
    return nullptr;
}

bool CHashtable::keyHeldElsewhere(const CXObject* key) const
{
    for (const Bucket& bucket : buckets_) {
        for (const Entry& entry : bucket) {
            if (entry.key == key)
                return true;
        }
    }
    return false;
}

void CHashtable::remove(const CXObject* value)
{
    for (Bucket& bucket : buckets_) {
        auto found = std::find_if(bucket.begin(), bucket.end(), [value](const Entry& entry) { return entry.value == value; });
        if (found == bucket.end())
            continue;
        CXObject* key = found->key;
        bucket.erase(found);
        if (bucket.empty())
            Bucket().swap(bucket);
        elements_->remove(value);
        --count_;
        // The same key object may have been put twice: delete it with its last entry only.
        if (ownsKeys_ && !keyHeldElsewhere(key))
            delete key;
        return;
    }
}

bool CHashtable::contains(const CXObject* value) const
{
    return elements_->contains(value);
}

CXVector* CHashtable::getKeys() const
{
    if (count_ == 0)
        return nullptr;
    auto* keys = new CXVector(count_, 0.75f);
    for (const Bucket& bucket : buckets_) {
        for (const Entry& entry : bucket)
            keys->add(entry.key);
    }
    return keys;
}

void CHashtable::clear()
{
    std::vector<CXObject*> keys;
    for (Bucket& bucket : buckets_) {
        for (const Entry& entry : bucket)
            keys.push_back(entry.key);
        Bucket().swap(bucket);
    }
    if (ownsKeys_) {
        // A key object put twice is deleted once.
        std::sort(keys.begin(), keys.end());
        keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
        for (CXObject* key : keys)
            delete key;
    }
    count_ = 0;
    elements_->removeAll();
}

void CHashtable::removeAll()
{
    clear();
}

CXObject* CHashtable::clone() const
{
    auto* copy = new CHashtable(static_cast<int>(buckets_.size()), loadFactor_, false);
    copy->buckets_ = buckets_;
    copy->count_ = count_;
    elements_->copyInto(copy->elements_);
    return copy;
}
