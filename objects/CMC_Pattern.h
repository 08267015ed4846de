#pragma once

#include "objects/CMC_PointerTarget.h"

#include <memory>

class CPattern;
class CRefreshScreen;

// The PATTERN script object (type 2021): an engine tile pattern of a size, a cell size and a
// number of layers, whose cells scripts fill with the pictures of other objects under aliases,
// and which takes the pointer as a CANVAS does (on from the start, gated on the pattern's own
// visibility, listening at priority 0; releases go on to the listeners below).
//
// Definition: WIDTH, HEIGHT, GRIDX, GRIDY (a cell size below 1 is 1), LAYERS (below 1 is 1),
// VISIBLE, TOCANVAS, PRIORITY. Stored record after the common part: whether the pattern is
// visible (bool), its priority on the screen (-1 when it is not there), width, height, cell width
// and height as made, and the number of layers (ints); the cells are not stored.
class CMC_Pattern : public CMC_PointerTarget {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONFOCUSON", "ONFOCUSOFF", "ONCLICK", "ONRELEASE".
    static const CSignalList& signalList();

    // The empty object the scene archive reader restores; named "temp".
    explicit CMC_Pattern(CMC_ObjectsContainer* container);
    CMC_Pattern(CMC_ObjectsContainer* container, CMElement* element);
    // Deletes the pattern.
    ~CMC_Pattern() override;

    // Unloads before the ordinary objects, whose pictures it shows.
    bool doneFirst() override { return true; }
    // Empties the pattern (it stays), then ONDONE when it is bound.
    bool done(bool wholeContainer) override;
    void serialize(CXArchive* archive) override;

    // Null in an empty object.
    CPattern* getPattern() const { return pattern_.get(); }

protected:
    const CSignalList& signals() const override { return signalList(); }
    CXRect hitRect() override;
    bool isShown() override;

private:
    CRefreshScreen* screen() const;
    // A new pattern of the size, cell size and layers, shown or hidden, and on the screen at the
    // priority when that is 0 or more.
    void makePattern(int layers, bool visible, int priority);

    std::unique_ptr<CPattern> pattern_;
    int width_ = 0;
    int height_ = 0;
    int gridX_ = 0;
    int gridY_ = 0;
};
