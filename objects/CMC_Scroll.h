#pragma once

#include "objects/CSignalList.h"
#include "script/CMC_Object.h"

#include <vector>

class CGraphicsObject;

// The SCROLL script object (type 2022): a viewport on the screen and the pictures of other
// objects scrolled behind it. Scrolling moves every picture and clips it to the viewport; a
// picture wholly outside is hidden, and shown again once part of it comes back in. It draws
// nothing and owns none of the pictures; those stay on the screen where their owners put them.
//
// A picture is held with its owner: one whose owner was deleted, or no longer shows it (a picture
// loaded anew), is dropped before the next use, never touched again.
//
// Definition: VIEWPORT. Stored record after the common part: the viewport (a rectangle); the
// pictures are not stored.
class CMC_Scroll : public CMC_Object {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONTOP", "ONBOTTOM", "ONLEFT", "ONRIGHT" (raised by nothing).
    static const CSignalList& signalList();

    // The empty object the scene archive reader restores; named "temp", an empty viewport.
    explicit CMC_Scroll(CMC_ObjectsContainer* container);
    CMC_Scroll(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Scroll() override;

    CXString** getBehavioursList() override;
    void serialize(CXArchive* archive) override;

    // The named object's picture ("name" or "name!frame") is clipped to the viewport (its own
    // clipping kept where it has one) and listed. Nothing for a name without a picture.
    void add(const CXString& name);
    // The named object's picture leaves the list (its first place there) unclipped.
    void remove(const CXString& name);
    // Every picture moves up (down, left, right) by n, is clipped again, and the screen is drawn
    // again once.
    void scrollUp(int n);
    void scrollDown(int n);
    void scrollLeft(int n);
    void scrollRight(int n);
    // A new or shifted viewport; the pictures are clipped again.
    void setViewport(const CXRect& viewport);
    void moveViewport(int dx, int dy);
    // The viewport and the pictures move together; the clipping stays as it is.
    void move(int dx, int dy);
    // Every picture is clipped again from nothing.
    void invalidate();

    const CXRect& getViewport() const { return viewport_; }
    // The pictures still held, in the order they were added.
    std::vector<CGraphicsObject*> getPictures();

private:
    struct Picture {
        CMC_ObjectRef owner;
        // What follows "!" in the name it was added by; empty for the owner's picture itself.
        CXString part;
        bool hasPart;
        CGraphicsObject* picture;
    };

    // Drops the pictures whose owners are gone or show another picture.
    void dropStale();
    // The picture's part inside the viewport becomes its clipping rectangle and it shows; with
    // no part inside it hides.
    void clip(CGraphicsObject* picture);
    void scrollBy(int dx, int dy);

    CXRect viewport_;
    std::vector<Picture> pictures_;
};
