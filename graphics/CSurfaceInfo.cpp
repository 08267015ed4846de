#include "graphics/CSurfaceInfo.h"

#include "graphics/CDirectDrawSurface.h"

CSurfaceInfo::CSurfaceInfo(uint32_t tickMs, std::unique_ptr<CDirectDrawSurface> copy, const CXRect& rect)
    : tickMs_(tickMs), copy_(std::move(copy)), rect_(rect)
{
}

CSurfaceInfo::~CSurfaceInfo() = default;
