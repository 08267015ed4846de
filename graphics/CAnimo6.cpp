#include "graphics/CAnimo6.h"

#include "foundation/CMElement.h"
#include "graphics/CFrame.h"

#include <algorithm>

CAnimo6::CAnimo6(CWindow* window) : CAnimo(window)
{
}

CAnimo6::CAnimo6(CWindow* window, const CXString& file) : CAnimo(window, file)
{
}

CAnimo6::CAnimo6(CAnimo& other) : CAnimo(other)
{
}

CAnimo6::CAnimo6(CAnimo6& other) : CAnimo(other)
{
}

CAnimo6::CAnimo6(CWindow* window, CMElement* element) : CAnimo(window)
{
    bool releaseWhenHidden = element->getPropertyBoolValue("RELEASEAFTERUSE");
    bool preload = element->isPropertyAvailable("PRELOAD") ? element->getPropertyBoolValue("PRELOAD") : true;
    setFilename(element->getPropertyValue("FILENAME"));
    if (getFileName().IsString() && preload)
        Load(getFileName());
    // Release after use is set only now, so hiding here keeps the frames just loaded.
    if (!element->getPropertyBoolValue("VISIBLE"))
        Visible(false);
    toRelease(releaseWhenHidden);
}

CXObject* CAnimo6::clone() const
{
    return new CAnimo6(const_cast<CAnimo6&>(*this));
}

CXPoint CAnimo6::ClientCoords(CXPoint p)
{
    return p - getPosition() - CGraphicsObject::GetPosition();
}

CXRect CAnimo6::getRect()
{
    CFrame* frame = GetFrame(-1);
    return frame != nullptr ? frame->getRect() + getPosition() : CXRect();
}

int CAnimo6::GetMaxWidth() const
{
    int widest = 0;
    for (int i = 0; i < GetNOF(); ++i)
        widest = std::max(widest, GetFrame(i)->Width());
    return widest;
}

int CAnimo6::GetMaxHeight() const
{
    int highest = 0;
    for (int i = 0; i < GetNOF(); ++i)
        highest = std::max(highest, GetFrame(i)->Height());
    return highest;
}

bool CAnimo6::isPlaying(const char* eventName) const
{
    return IsPlaying() && getCurrentEventName() == eventName;
}

void CAnimo6::FlipH()
{
    forEachFrame([](CFrame& frame) { frame.FlipH(); });
}

void CAnimo6::FlipV()
{
    forEachFrame([](CFrame& frame) { frame.FlipV(); });
}

void CAnimo6::resetFlips()
{
    forEachFrame([](CFrame& frame) { frame.resetFlips(); });
}

bool CAnimo6::isAt(CXPoint p, bool useAlpha)
{
    CFrame* frame = GetFrame(-1);
    if (frame == nullptr)
        return false;
    // The frame stands at its own place within the animation, without the animation's moves.
    return frame->isAt(p - GetPosition() + frame->GetPosition(), useAlpha);
}

void CAnimo6::replace_color(short from, short to)
{
    forEachFrame([from, to](CFrame& frame) { frame.replace_color(from, to); });
    Invalidate();
}

template <class Operation>
void CAnimo6::onCurrentFrame(Operation operation)
{
    CFrame* frame = GetFrame(-1);
    if (frame == nullptr)
        return;
    operation(*frame);
    // Packed frames are unpacked around the change and packed again: their planes move.
    updateWithCurrentFrame();
    Invalidate();
}

void CAnimo6::mergeAlpha(CXPoint at, CGraphicsObject* stamp)
{
    onCurrentFrame([at, stamp](CFrame& frame) { frame.mergeAlpha(at, stamp); });
}

void CAnimo6::restoreAlpha(CGraphicsObject* stamp)
{
    onCurrentFrame([stamp](CFrame& frame) { frame.restoreAlpha(stamp); });
}

void CAnimo6::mergeAlpha2(CXPoint at, CGraphicsObject* stamp, bool reset)
{
    onCurrentFrame([at, stamp, reset](CFrame& frame) { frame.mergeAlpha2(at, stamp, reset); });
}
