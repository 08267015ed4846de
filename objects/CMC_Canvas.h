#pragma once

#include "objects/CMC_PointerTarget.h"

#include <memory>
#include <vector>

class CCanvas;
class CRefreshScreen;

// The CANVAS script object (type 2020): an engine canvas on the window's screen that scripts
// compose from the pictures of other objects, draw into, bake, save and use as a clickable area.
// Its pointer handling is on from the start, follows the canvas's own visibility and listens at
// priority 0; moves and presses need their signals bound, and releases go on to the listeners
// below.
//
// The IMAGE and TEXT objects put on the canvas by name are remembered (weakly: an object deleted
// meanwhile is skipped), so that a new canvas takes them back and a capture can delete them.
// Clones share the objects remembered.
//
// Definition: WIDTH, HEIGHT, ALPHA, BACKGROUND, PRIORITY. Stored record after the common part:
// width, height, the priority on the screen (ints), whether it has an alpha plane, whether it has
// a background (bools); neither pixels, children, position nor remembered objects.
class CMC_Canvas : public CMC_PointerTarget {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONFOCUSON", "ONFOCUSOFF", "ONCLICK", "ONRELEASE".
    static const CSignalList& signalList();

    // Around the canvas, which it owns and clears, without putting it on the screen; named
    // "temp". Without a canvas: the empty object the scene archive reader restores.
    explicit CMC_Canvas(CMC_ObjectsContainer* container, CCanvas* canvas = nullptr);
    CMC_Canvas(CMC_ObjectsContainer* container, CMElement* element);
    // Takes the canvas off the screen and deletes it.
    ~CMC_Canvas() override;

    // A new canvas in place of the old one, cleared and on the screen at the priority; unless
    // `noReAdd`, the remembered objects' pictures go on it at that priority.
    virtual void create(CXSize size, bool alpha, bool background, int priority, bool noReAdd);
    // The named object's picture goes on the canvas at the priority; an IMAGE or TEXT object is
    // remembered. Nothing for a name without a picture.
    virtual void add(const CXString& name, int priority);
    // The canvas flattens its picture into its background; with `deleteSources` every remembered
    // object its container still holds is taken out of it and deleted, once. The remembered
    // objects are forgotten either way.
    virtual void capture(bool deleteSources);
    void setAsButton(bool asButton, bool switchCursor);

    // The canvas goes, then ONDONE when it is bound.
    bool done(bool wholeContainer) override;
    // A CANVAS around a copy of the canvas, remembering the same objects; null without a canvas.
    CXObject* clone() const override;
    void serialize(CXArchive* archive) override;

    // Null in an empty object.
    CCanvas* getCanvas() const { return canvas_.get(); }
    // The remembered objects still alive, in the order they were added.
    std::vector<CMC_Object*> getAddedObjects() const;

protected:
    const CSignalList& signals() const override { return signalList(); }
    CXRect hitRect() override;
    bool isShown() override;

private:
    CRefreshScreen* screen() const;
    // A new canvas of the screen's pixel format on the screen at the priority.
    void makeCanvas(CXSize size, bool alpha, bool background, int priority);
    // Off the screen (its area drawn again) and deleted.
    void dropCanvas();

    std::unique_ptr<CCanvas> canvas_;
    std::vector<CMC_ObjectRef> added_;
};
