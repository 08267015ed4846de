#pragma once

#include "script/CMC_ObjectRef.h"
#include "script/CMC_Variable.h"

// A value held while more script runs, which may delete it. Pooled temporaries live until the pools
// are done; any other value is watched through its life token and reads as null once it is gone.
class CMC_WatchedValue {
public:
    CMC_WatchedValue() = default;
    explicit CMC_WatchedValue(CMC_Variable* value) { set(value); }

    void set(CMC_Variable* value)
    {
        value_ = value;
        pooled_ = value != nullptr && value->getId() >= 0;
        if (value != nullptr && !pooled_)
            ref_ = CMC_ObjectRef(value);
        else
            ref_.reset();
    }
    void reset() { set(nullptr); }
    CMC_Variable* get() const { return pooled_ || ref_.isAlive() ? value_ : nullptr; }

private:
    CMC_Variable* value_ = nullptr;
    bool pooled_ = false;
    CMC_ObjectRef ref_;
};
