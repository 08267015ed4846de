#pragma once

#include <utility>

class CMC_Object;

// The life token of one script object: it names the object while the object lives and is emptied
// the moment its destruction begins. Weak references share the token, never the object.
struct CMC_LifeToken {
    CMC_Object* object;
    // The object and every reference that shares the token; the last one deletes it.
    unsigned shares;
};

// A weak reference to a script object. Script objects are deleted while much still points at them
// (a name taken over by another object, clones re-made, unloads, RELEASE, DELETE), so every
// reference that may outlive its target is held this way: get() gives null once the target is
// being destroyed, and never a dangling pointer. Main thread only: the token's count is not atomic,
// which keeps taking and dropping references cheap enough for every line a behaviour runs.
class CMC_ObjectRef {
public:
    CMC_ObjectRef() = default;
    // Implicit on purpose: a pointer is stored as a reference wherever one is kept.
    CMC_ObjectRef(CMC_Object* object);
    CMC_ObjectRef(const CMC_ObjectRef& other) noexcept : token_(other.token_) { share(token_); }
    CMC_ObjectRef(CMC_ObjectRef&& other) noexcept : token_(std::exchange(other.token_, nullptr)) {}
    CMC_ObjectRef& operator=(const CMC_ObjectRef& other) noexcept
    {
        share(other.token_);
        release(std::exchange(token_, other.token_));
        return *this;
    }
    CMC_ObjectRef& operator=(CMC_ObjectRef&& other) noexcept
    {
        if (this != &other)
            release(std::exchange(token_, std::exchange(other.token_, nullptr)));
        return *this;
    }
    ~CMC_ObjectRef() { release(token_); }

    CMC_Object* get() const { return token_ != nullptr ? token_->object : nullptr; }
    bool isAlive() const { return get() != nullptr; }
    explicit operator bool() const { return isAlive(); }
    // True when this refers to that very object and it still lives.
    bool refersTo(const CMC_Object* object) const { return object != nullptr && get() == object; }
    void reset() { release(std::exchange(token_, nullptr)); }

private:
    friend class CMC_Object;

    // The object's own share of a new token (null object: a token that is already empty).
    static CMC_ObjectRef makeToken(CMC_Object* object);
    bool hasToken() const { return token_ != nullptr; }
    // The object's destruction has begun: every reference sharing the token reads null from now on.
    void endLife()
    {
        if (token_ != nullptr)
            token_->object = nullptr;
    }

    static void share(CMC_LifeToken* token)
    {
        if (token != nullptr)
            ++token->shares;
    }
    static void release(CMC_LifeToken* token)
    {
        if (token != nullptr && --token->shares == 0)
            delete token;
    }

    CMC_LifeToken* token_ = nullptr;
};

// The same, typed: T must derive from CMC_Object.
template <typename T>
class CMC_Ref {
public:
    CMC_Ref() = default;
    CMC_Ref(T* object) : ref_(object) {}

    T* get() const { return static_cast<T*>(ref_.get()); }
    T* operator->() const { return get(); }
    bool isAlive() const { return ref_.isAlive(); }
    explicit operator bool() const { return ref_.isAlive(); }
    void reset() { ref_.reset(); }

private:
    CMC_ObjectRef ref_;
};
