#include "plugins/extension/CMC_Kulki_Runner.h"

#include "graphics/CAnimo6.h"
#include "graphics/CImage.h"
#include "objects/CMC_Animo.h"
#include "objects/CMC_Image.h"
#include "script/CMC_Bool.h"
#include "script/CMC_VariableFactory.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCentreX = 400.0f;
constexpr float kCentreY = 410.0f;
// Where a target on the centre itself goes.
constexpr float kOffCentreX = 135.0f;
constexpr float kOffCentreY = 413.0f;
constexpr float kDefaultStep = 0.05f;
constexpr int kOverlapPercent = 1;
// The passes a target may take to leave the regions; a pass costs two pixel tests.
constexpr int kMaxPasses = 10000;
// Far off any screen, still a whole number.
constexpr float kFarthest = 1.0e9f;

int truncated(float coordinate)
{
    return static_cast<int>(std::clamp(coordinate, -kFarthest, kFarthest));
}

bool inside(CGraphicsObject* region, float x, float y)
{
    return region != nullptr && region->isAt(CXPoint(truncated(x), truncated(y)), true);
}

CGraphicsObject* regionOf(CMC_Image* image)
{
    return image != nullptr ? image->getImage() : nullptr;
}

void moveTo(CAnimo6* animation, float x, float y)
{
    animation->setPosition(truncated(x), truncated(y));
    animation->Invalidate();
}

} // namespace

void CMC_Kulki_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    registerShow(SHOW);
    registerMethod<&CMC_Kulki_Runner::go>(GO, "GO");
    registerMethod<&CMC_Kulki_Runner::go2>(GO2, "GO2");
    registerMethod<&CMC_Kulki_Runner::go3>(GO3, "GO3");
    registerEmpty(EMPTY);
}

CMC_Variable* CMC_Kulki_Runner::go(CMC_Object*, CMC_ObjectsContainer* container, CXVector* arguments)
{
    const float step = argumentCount(arguments) > 3 ? static_cast<float>(intArgument(arguments, 3)) : kDefaultStep;
    return place(container, arguments, step, 2, 6);
}

CMC_Variable* CMC_Kulki_Runner::go2(CMC_Object*, CMC_ObjectsContainer* container, CXVector* arguments)
{
    return place(container, arguments, static_cast<float>(doubleArgument(arguments, 3)), 2, 3);
}

CMC_Variable* CMC_Kulki_Runner::go3(CMC_Object*, CMC_ObjectsContainer* container, CXVector* arguments)
{
    return place(container, arguments, static_cast<float>(doubleArgument(arguments, 3)), 3, 3);
}

CMC_Variable* CMC_Kulki_Runner::place(CMC_ObjectsContainer* container, CXVector* arguments, float step, int rows, int columns)
{
    CAnimo6* ball = animationOf(container, stringArgument(arguments, 0));
    if (ball == nullptr)
        return CMC_VariableFactory::makeBool(false);
    float x = static_cast<float>(intArgument(arguments, 1));
    float y = static_cast<float>(intArgument(arguments, 2));
    if (x - kCentreX == 0.0f && y - kCentreY == 0.0f) {
        x = kOffCentreX;
        y = kOffCentreY;
    }
    keepOutOfRegions(container, x, y, step);
    const bool hit = touchesGrid(container, ball, rows, columns);
    CAnimo6* replacement = animationOf(container, "SZKULA");
    if (hit) {
        ball->hide();
        moveTo(ball, x, y);
        if (replacement != nullptr) {
            replacement->show();
            moveTo(replacement, x, y);
        }
    } else {
        ball->show();
        moveTo(ball, x, y);
        if (replacement != nullptr)
            replacement->hide();
    }
    return CMC_VariableFactory::makeBool(hit);
}

void CMC_Kulki_Runner::keepOutOfRegions(CMC_ObjectsContainer* container, float& x, float& y, float step)
{
    CGraphicsObject* inner = regionOf(lookUp<CMC_Image>(container, "IN"));
    CGraphicsObject* outer = regionOf(lookUp<CMC_Image>(container, "OUT"));
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        const bool inInner = inside(inner, x, y);
        const bool inOuter = inside(outer, x, y);
        if (!inInner && !inOuter)
            return;
        const float dx = x - kCentreX;
        const float dy = y - kCentreY;
        const float outward = inInner ? step : 0.0f;
        const float inward = inOuter ? step : 0.0f;
        const float nextX = kCentreX + dx + (outward * dx - inward * dx);
        const float nextY = kCentreY + dy + (outward * dy - inward * dy);
        if ((nextX == x && nextY == y) || !std::isfinite(nextX) || !std::isfinite(nextY))
            return;
        x = nextX;
        y = nextY;
    }
}

bool CMC_Kulki_Runner::touchesGrid(CMC_ObjectsContainer* container, CGraphicsObject* ball, int rows, int columns)
{
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            CAnimo6* cell = animationOf(container, CXString().Format("KULA%d%d", row, column));
            if (cell != nullptr && cell->isNear(ball, kOverlapPercent))
                return true;
        }
    }
    return false;
}

CAnimo6* CMC_Kulki_Runner::animationOf(CMC_ObjectsContainer* container, const CXString& name)
{
    CMC_Animo* animo = lookUp<CMC_Animo>(container, name);
    return animo != nullptr ? animo->getAnimo() : nullptr;
}
