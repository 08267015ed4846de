#pragma once

#include "objects/grbuffer__entry.h"
#include "script/CMC_Object.h"

#include <memory>
#include <vector>

class CGraphicsObject;

// The GRBUFFER script object (type 2026): stamps of a source picture (SOURCE, an object's name)
// in a destination picture (DESTINY, an object's name, or BACKGROUND for the background of the
// window's screen), each keeping the pixels it covered so that it can be undone. Up to 1000
// stamps, each by the index of its slot.
//
// Both pictures are looked up by name whenever they are needed (an animation stands for the frame
// it shows), so a picture deleted meanwhile is never touched: without them stamps are neither made
// nor drawn nor undone. The destination must be a plain 16-bit picture. It has no stored record.
class CMC_GrBuffer : public CMC_Object {
public:
    static constexpr int kSlots = 1000;

    CMC_GrBuffer(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_GrBuffer() override;

    // Raises nothing: the pictures are looked up when used.
    void init() override;
    CXString** getBehavioursList() override;

    // A stamp of the part of the source (empty: all of it) at (x, y) of the destination, in the
    // lowest free slot: its index; -1 when the stamp does not lie wholly inside the destination
    // without touching its right or bottom edge, when the part is inverted, when a picture is
    // missing, or when all the slots are taken. Nothing is drawn yet.
    virtual int create(int x, int y, CXRect part);
    // The stamp's part of the source drawn at its place; with `invalidate` its area is drawn again
    // on the screen.
    virtual void draw(int index, bool invalidate);
    // The pixels the stamp covered put back.
    virtual void undo(int index, bool invalidate);
    // Forgets the stamp, undone first with `undo`. Nothing for a free slot or an index outside the
    // slots.
    using CMC_Object::flush;
    virtual void flush(int index, bool undo, bool invalidate);
    // Every stamp from the last slot down, each undone when `undo` asks (without invalidating);
    // with `invalidate` the whole screen is drawn again.
    virtual void flushAll(bool undo, bool invalidate);
    // The highest index whose stamp covers the point; -1 when none.
    virtual int findAt(int x, int y);

private:
    // The slot's stamp; null for a free slot or an index outside the slots.
    grbuffer__entry* entryAt(int index) const;
    CGraphicsObject* source();
    // The destination when it is a plain 16-bit picture that holds the whole stamp (any stamp
    // when null); null otherwise.
    CGraphicsObject* destination(const grbuffer__entry* stamp);
    void invalidateStamp(CGraphicsObject* destination, const grbuffer__entry& stamp);
    // Copies the stamp's rows between the destination's plane and its backup.
    static void copyRows(CGraphicsObject* destination, const grbuffer__entry& stamp, bool intoBackup);

    CXString source_;
    CXString destiny_;
    std::vector<std::unique_ptr<grbuffer__entry>> entries_;
};
