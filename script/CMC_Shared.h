#pragma once

#include <utility>

// Shared ownership of a script part (a behaviour's lines, an expression's operands) between its
// owner and the runs under way, which keep it alive should the owner drop it mid-run. Script runs
// on the main thread only, so the count is a plain one: the atomic count of std::shared_ptr would
// cost more than the line it guards.
template <typename T>
class CMC_Shared {
public:
    CMC_Shared() = default;
    CMC_Shared(const CMC_Shared& other) noexcept : box_(other.box_) { share(); }
    CMC_Shared(CMC_Shared&& other) noexcept : box_(std::exchange(other.box_, nullptr)) {}
    CMC_Shared& operator=(const CMC_Shared& other) noexcept
    {
        CMC_Shared copy(other);
        std::swap(box_, copy.box_);
        return *this;
    }
    CMC_Shared& operator=(CMC_Shared&& other) noexcept
    {
        CMC_Shared taken(std::move(other));
        std::swap(box_, taken.box_);
        return *this;
    }
    ~CMC_Shared() { release(); }

    // A new T made from the arguments, with this as its one sharer.
    template <typename... Args>
    static CMC_Shared make(Args&&... args)
    {
        CMC_Shared made;
        made.box_ = new Box{T(std::forward<Args>(args)...), 1};
        return made;
    }

    T* get() const { return box_ != nullptr ? &box_->value : nullptr; }
    T& operator*() const { return box_->value; }
    T* operator->() const { return &box_->value; }
    explicit operator bool() const { return box_ != nullptr; }
    void reset() { CMC_Shared().swapWith(*this); }

private:
    struct Box {
        T value;
        unsigned shares;
    };

    void swapWith(CMC_Shared& other) { std::swap(box_, other.box_); }
    void share()
    {
        if (box_ != nullptr)
            ++box_->shares;
    }
    void release()
    {
        if (box_ != nullptr && --box_->shares == 0)
            delete box_;
    }

    Box* box_ = nullptr;
};
