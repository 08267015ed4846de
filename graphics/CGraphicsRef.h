#pragma once

#include "graphics/CInvalidateObserver.h"

#include <functional>

class CGraphicsObject;

// A graphics object held by someone who does not own it (a script's picture lent to a dialog or
// to an edit box as its cursor): the reference empties itself when the object is destroyed, and
// then tells its holder when asked to (the holder must not delete other watchers of the object
// there: the object is still telling them). It watches the object, so it can be neither copied
// nor moved. Main thread only.
class CGraphicsRef final : public CInvalidateObserver {
public:
    explicit CGraphicsRef(CGraphicsObject* object = nullptr, std::function<void()> whenGone = {});
    ~CGraphicsRef() override;
    CGraphicsRef(const CGraphicsRef&) = delete;
    CGraphicsRef& operator=(const CGraphicsRef&) = delete;

    // Watches another object (or none).
    void reset(CGraphicsObject* object = nullptr);
    // Null once the object is gone.
    CGraphicsObject* get() const { return object_; }

    void onInvalidate(CGraphicsObject*, CXRect*) override {}
    void onDestroy(CGraphicsObject* object) override;

private:
    CGraphicsObject* object_ = nullptr;
    std::function<void()> whenGone_;
};
