#pragma once

#include "foundation/CXObject.h"

class CGraphicsObject;

// One listed graphics object with its drawing priority (not owned). Sorting puts lower priorities
// first and keeps equal ones in the order they came.
class CValidationElement : public CXObject {
public:
    CValidationElement(CGraphicsObject* object, int priority);

    // 1 when the other element's priority is lower.
    int compare(const CXObject* other) const override;

    CGraphicsObject* getObject() const { return object_; }
    int getPriority() const { return priority_; }
    int GetFlags() const { return flags_; }
    void SetFlags(int flags) { flags_ = flags; }
    // Set while a drawing pass has drawn the object whole, so later dirty rectangles skip it.
    bool isDrawn() const { return drawn_; }
    void setDrawn(bool drawn) { drawn_ = drawn; }

private:
    CGraphicsObject* object_;
    int priority_;
    int flags_;
    bool drawn_;
};
