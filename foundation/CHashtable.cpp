#include "foundation/CHashtable.h"

#include "foundation/CStringHashCode.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

namespace {

// Text keys are the common kind, and the only one the text index files.
const CStringHashCode* asTextKey(const CXObject* key)
{
    return key != nullptr && typeid(*key) == typeid(CStringHashCode) ? static_cast<const CStringHashCode*>(key) : nullptr;
}

} // namespace

CHashtable::CHashtable(int buckets, double loadFactor, bool ownsKeys)
    : buckets_(static_cast<size_t>(buckets > 0 ? buckets : 1)), count_(0),
      loadFactor_(loadFactor > 0.0 && std::isfinite(loadFactor) ? loadFactor : 0.75), ownsKeys_(ownsKeys),
      elements_(101)
{
}

CHashtable::~CHashtable()
{
    clear();
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
    elements_.add(value);
    ++count_;
}

void CHashtable::checkSize()
{
    if (static_cast<double>(buckets_.size()) * loadFactor_ >= static_cast<double>(count_) + 1.0)
        return;
    std::vector<Bucket> old(buckets_.size() * 2);
    old.swap(buckets_);
    count_ = 0;
    elements_.clear();
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
    const int hash = key->getHashcode();
    file(hash, key, value);
    valueHashes_.emplace(value, hash);
    if (const CStringHashCode* text = asTextKey(key))
        textKeys_.addIfAbsent(text, value);
    if (ownsKeys_)
        ++keyUses_[key];
}

CXObject* CHashtable::get(const CXObject* key) const
{
    if (key == nullptr)
        return nullptr;
    // A text query equals text keys only.
    if (const CStringHashCode* text = asTextKey(key))
        return textKeys_.find(*text);
    int hash = key->getHashcode();
    for (const Entry& entry : buckets_[static_cast<size_t>(bucketOf(hash))]) {
        if (entry.hash == hash && key->equals(entry.key))
            return entry.value;
    }
    return nullptr;
}

int CHashtable::bucketOfValue(const CXObject* value) const
{
    auto [first, last] = valueHashes_.equal_range(value);
    if (first == last)
        return -1;
    if (std::next(first) == last)
        return bucketOf(first->second);
    // Held under several keys: the first in bucket order counts.
    int found = static_cast<int>(buckets_.size());
    for (auto it = first; it != last; ++it)
        found = std::min(found, bucketOf(it->second));
    return found;
}

void CHashtable::forgetValue(const CXObject* value, int hash)
{
    auto [first, last] = valueHashes_.equal_range(value);
    for (auto it = first; it != last; ++it) {
        if (it->second == hash) {
            valueHashes_.erase(it);
            return;
        }
    }
}

void CHashtable::refileText(const CXObject* key, const CXObject* value, const Bucket& bucket)
{
    const CStringHashCode* text = asTextKey(key);
    if (text == nullptr || !textKeys_.holds(text, value))
        return;
    // Equal texts have equal hashes, so the next of them is in this bucket.
    for (const Entry& entry : bucket) {
        const CStringHashCode* other = asTextKey(entry.key);
        if (other != nullptr && other->getTextHash() == text->getTextHash() && other->text() == text->text()) {
            textKeys_.replace(*text, other, entry.value);
            return;
        }
    }
    textKeys_.replace(*text, nullptr, nullptr);
}

void CHashtable::remove(const CXObject* value)
{
    const int at = bucketOfValue(value);
    if (at < 0)
        return;
    Bucket& bucket = buckets_[static_cast<size_t>(at)];
    auto found = std::find_if(bucket.begin(), bucket.end(), [value](const Entry& entry) { return entry.value == value; });
    if (found == bucket.end())
        return;
    const Entry removed = *found;
    bucket.erase(found);
    if (bucket.empty())
        Bucket().swap(bucket);
    elements_.remove(value);
    forgetValue(value, removed.hash);
    refileText(removed.key, removed.value, bucket);
    --count_;
    // The same key object may have been put twice: delete it with its last entry only.
    if (ownsKeys_) {
        auto uses = keyUses_.find(removed.key);
        if (uses != keyUses_.end() && --uses->second > 0)
            return;
        if (uses != keyUses_.end())
            keyUses_.erase(uses);
        delete removed.key;
    }
}

bool CHashtable::contains(const CXObject* value) const
{
    return elements_.contains(value);
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
    elements_.clear();
    valueHashes_.clear();
    keyUses_.clear();
    textKeys_.clear();
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
    CXVector* values = getElements();
    for (int i = 0; i < values->getSize(); ++i)
        copy->elements_.add(values->at(i));
    copy->valueHashes_ = valueHashes_;
    copy->textKeys_ = textKeys_;
    return copy;
}
