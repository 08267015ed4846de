#pragma once

#include "graphics/CPlayable.h"

#include <memory>

// A playable held by something that may outlive it (a medium that a resources manager or a
// script object deletes when it likes): get() answers null once the playable is deleted, never a
// dangling pointer. Main thread only.
template <class Medium>
class CPlayableRef {
public:
    CPlayableRef() = default;
    // Implicit on purpose: a pointer is stored as a reference wherever one is kept.
    CPlayableRef(Medium* medium)
        : medium_(medium), lifetime_(medium != nullptr ? medium->lifetime() : std::weak_ptr<const void>())
    {
    }

    Medium* get() const { return lifetime_.expired() ? nullptr : medium_; }
    Medium* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    void reset() { *this = CPlayableRef(); }

private:
    Medium* medium_ = nullptr;
    std::weak_ptr<const void> lifetime_;
};
