#pragma once

#include "graphics/CAnimo.h"

class CMElement;

// The animation the script layer uses (the ANIMO object, the plug-ins): made from a definition
// element, drawn onto any target where it stands, passing sound settings, flips and colour
// changes on to all its parts, and answering hit tests on its current frame.
class CAnimo6 : public CAnimo {
public:
    explicit CAnimo6(CWindow* window);
    CAnimo6(CWindow* window, const CXString& file);
    CAnimo6(CAnimo& other);
    CAnimo6(CAnimo6& other);
    // From the element's FILENAME, PRELOAD (loads at once unless false), VISIBLE and
    // RELEASEAFTERUSE.
    CAnimo6(CWindow* window, CMElement* element);

    // A copy of this animation (see the copy constructor).
    CXObject* clone() const override;
    int getGfxType() override { return 2; }

    // Frees frames and events.
    virtual void flush() { Flush(); }
    // Draws the current frame onto the target where the animation stands.
    void redraw(CGraphicsObject* target) override { drawCurrentFrame(target); }
    // The point relative to where the animation stands.
    CXPoint ClientCoords(CXPoint p) override;
    // The current frame's rectangle moved with the animation.
    CXRect getRect() override;
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    using CAnimo::isPlaying;
    // Plays, and the current event is exactly that one.
    bool isPlaying(const char* eventName) const;
    // The settings go to every sound of the animation; the animation keeps none.
    void setVolume(int volume) override { applyToSounds(&CPlayable::setVolume, volume); }
    void setPanning(int panning) override { applyToSounds(&CPlayable::setPanning, panning); }
    void setFrequency(int frequency) override { applyToSounds(&CPlayable::setFrequency, frequency); }
    void FlipH() override;
    void FlipV() override;
    void resetFlips() override;
    // Whether the current frame shows the point (its pixel there, with `useAlpha`).
    bool isAt(CXPoint p, bool useAlpha);
    // Every frame's pixels.
    void replace_color(short from, short to) override;
    // Stamping goes to the current frame's alpha plane (its pixel coordinates), which the
    // animation then shows again.
    void mergeAlpha(CXPoint at, CGraphicsObject* stamp) override;
    void restoreAlpha(CGraphicsObject* stamp) override;
    void mergeAlpha2(CXPoint at, CGraphicsObject* stamp, bool reset) override;

private:
    // Applies the operation to the current frame, shows its planes again and redraws.
    template <class Operation>
    void onCurrentFrame(Operation operation);
};
