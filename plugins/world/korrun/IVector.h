#pragma once

#include <cstdint>
#include <vector>

// Body ids that a query of IKorrun found. The library keeps it; callers only read it.
class IVector {
public:
    int32_t GetCount() const { return int32_t(ids_.size()); }
    const uint32_t* GetData() const { return ids_.data(); }

    void Clear() { ids_.clear(); }
    void Add(uint32_t id) { ids_.push_back(id); }

private:
    std::vector<uint32_t> ids_;
};
