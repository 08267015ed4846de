#pragma once

#include <atomic>

namespace platform {

// The process-wide instance of one service: the one a test installed, else a default made on first
// use. Installing null goes back to the default.
template <class Service>
class ServiceSlot {
public:
    using DefaultMaker = Service& (*)();

    explicit constexpr ServiceSlot(DefaultMaker makeDefault) : makeDefault_(makeDefault) {}

    Service& get() const
    {
        Service* installed = installed_.load(std::memory_order_acquire);
        return installed ? *installed : makeDefault_();
    }

    void set(Service* replacement) { installed_.store(replacement, std::memory_order_release); }

private:
    DefaultMaker makeDefault_;
    std::atomic<Service*> installed_{nullptr};
};

} // namespace platform
