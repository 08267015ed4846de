#pragma once

#include <mutex>

namespace platform {

// A lock the owning thread may take again while it holds it, as script handlers that run inside
// input delivery do.
class CriticalSection {
public:
    void enter() { mutex_.lock(); }
    bool tryEnter() { return mutex_.try_lock(); }
    void leave() { mutex_.unlock(); }

    // Holds the section for one scope.
    class Scoped {
    public:
        explicit Scoped(CriticalSection& section) : section_(section) { section_.enter(); }
        ~Scoped() { section_.leave(); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        CriticalSection& section_;
    };

private:
    std::recursive_mutex mutex_;
};

} // namespace platform
