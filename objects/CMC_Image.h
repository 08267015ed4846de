#pragma once

#include "graphics/CColor.h"
#include "objects/CMC_GraphicsMedia.h"

#include <memory>

class CImage;

// The IMAGE script object (type 2008): a still picture (CImage) shown, moved, clipped, sampled,
// used as a button or a collision partner, linked to another image's pixels and saved. It plays
// nothing; its pointer handling needs its signals bound and lets every release go on to the
// listeners below.
//
// A clone shows its source's pixels (a view that follows them) and keeps one use of the source's
// shared picture until it is done itself.
class CMC_Image : public CMC_GraphicsMedia {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONCOLLISION", "ONCOLLISIONFINISHED", "ONFOCUSON",
    // "ONFOCUSOFF", "ONCLICK", "ONRELEASE".
    static const CSignalList& signalList();

    // Empty, with an empty name, to be restored from the scene archive or made by CREATE.
    explicit CMC_Image(CMC_ObjectsContainer* container);
    // From a definition: FILENAME, PRELOAD, FLUSHAFTERPLAYED, VISIBLE, TOCANVAS, PRIORITY,
    // MONITORCOLLISION, MONITORCOLLISIONALPHA, ASBUTTON, then the behaviours.
    CMC_Image(CMC_ObjectsContainer* container, CMElement* element);
    // A clone around a copy of a picture, which it owns; named "clone".
    CMC_Image(CMC_ObjectsContainer* container, CImage* copy);
    ~CMC_Image() override;

    // A clone showing this image's pixels, put on the screen at this object's priority when this
    // one is there; null without a picture.
    CXObject* clone() const override;

    // Null before a load.
    CImage* getImage() const;
    void setAsButton(bool asButton, bool switchCursor);
    // Where RESETPOSITION puts the image: where it stood after its construction, or as set.
    CXPoint GetStartingPosition() const { return startingPosition_; }
    void SetStartingPosition(int x, int y) { startingPosition_ = CXPoint(x, y); }
    // The picture's colour at the point; black outside it or without a picture.
    CColor GetPixel(int x, int y);
    // Shows the other image's pixels and alpha from now on, without copying them, at its own
    // position; the size is the other's, so nothing outside its planes is read. Nothing without
    // a picture on either side.
    void link(CMC_Image* source);

protected:
    const CSignalList& signals() const override { return signalList(); }
    bool isShown() override;

    bool takeShared(CResourcesManager* manager, const CXString& file) override;
    void makeEngine() override;
    void readFile(const CXString& file) override;
    void letGo() override;

private:
    // The clone's use of its source's shared picture.
    void holdSourceUse(CImage* source);

    CXPoint startingPosition_;
    CImage* heldSource_ = nullptr;
    std::weak_ptr<const void> heldSourceLife_;
};
