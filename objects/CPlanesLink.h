#pragma once

#include "graphics/CInvalidateObserver.h"

class CGraphicsObject;

// A picture that shows another picture's planes without owning them (an IMAGE linked to another,
// an IMAGE's clone): the link watches both. When the source changes its planes (a reload, packing,
// release after use) the view shows the new ones; when the source goes, the view shows nothing;
// when the view goes, or takes planes of its own, the link ends. Links end themselves with either
// picture. Main thread only.
class CPlanesLink : public CInvalidateObserver {
public:
    // The view shows the source's planes from now on; an earlier link of the view ends first. A
    // source that follows the view, directly or through others, is not linked.
    static void link(CGraphicsObject* view, CGraphicsObject* source);
    // The view's link ends; its planes stay as they are.
    static void unlink(CGraphicsObject* view);
    // The picture the view follows; null when it follows none.
    static CGraphicsObject* sourceOf(CGraphicsObject* view);

    void onInvalidate(CGraphicsObject* object, CXRect* rect) override;
    void onDestroy(CGraphicsObject* object) override;

private:
    CPlanesLink(CGraphicsObject* view, CGraphicsObject* source);
    ~CPlanesLink() override;
    CPlanesLink(const CPlanesLink&) = delete;
    CPlanesLink& operator=(const CPlanesLink&) = delete;

    // The view shows the source's planes as they are now; whether anything changed.
    bool follow();
    void end();

    CGraphicsObject* view_;
    CGraphicsObject* source_;
};
