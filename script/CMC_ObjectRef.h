#pragma once

#include <memory>

class CMC_Object;

// The life token of one script object: it names the object while the object lives and is emptied
// the moment its destruction begins. Weak references share the token, never the object.
struct CMC_LifeToken {
    CMC_Object* object;
};

// A weak reference to a script object. Script objects are deleted while much still points at them
// (a name taken over by another object, clones re-made, unloads, RELEASE, DELETE), so every
// reference that may outlive its target is held this way: get() gives null once the target is
// being destroyed, and never a dangling pointer. Main thread only (the token is not guarded).
class CMC_ObjectRef {
public:
    CMC_ObjectRef() = default;
    // Implicit on purpose: a pointer is stored as a reference wherever one is kept.
    CMC_ObjectRef(CMC_Object* object);

    CMC_Object* get() const { return token_ ? token_->object : nullptr; }
    bool isAlive() const { return get() != nullptr; }
    explicit operator bool() const { return isAlive(); }
    // True when this refers to that very object and it still lives.
    bool refersTo(const CMC_Object* object) const { return object != nullptr && get() == object; }
    void reset() { token_.reset(); }

private:
    std::shared_ptr<CMC_LifeToken> token_;
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
