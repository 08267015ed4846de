#include "foundation/CDataBuffer2Dim.h"

namespace {

// A negative extent makes the block invalid rather than wrapping into a positive area.
int areaOf(CXSize size)
{
    if (size.cx < 0 || size.cy < 0)
        return -1;
    int64_t area = int64_t(size.cx) * size.cy;
    return area > INT32_MAX ? -1 : static_cast<int>(area);
}

} // namespace

CDataBuffer2Dim::CDataBuffer2Dim(CXSize size, int elementSize)
    : CDataBuffer(areaOf(size), elementSize), width_(size.cx), height_(size.cy)
{
}

CDataBuffer2Dim::CDataBuffer2Dim(const void* source, CXSize size, int elementSize)
    : CDataBuffer(source, areaOf(size), elementSize), width_(size.cx), height_(size.cy)
{
}

int CDataBuffer2Dim::getWidth() const
{
    return width_;
}

int CDataBuffer2Dim::getHeight() const
{
    return height_;
}

void CDataBuffer2Dim::at(int x, int y)
{
    moveTo(int64_t(x) + int64_t(y) * width_);
}

void CDataBuffer2Dim::nextLine()
{
    moveTo(cursorIndex() + width_);
}

void CDataBuffer2Dim::prevLine()
{
    moveTo(cursorIndex() - width_);
}

CDataBuffer2Dim* CDataBuffer2Dim::clone() const
{
    auto* copy = new CDataBuffer2Dim(CXSize(width_, height_), getElementSize());
    copy->copyFrom(*this);
    return copy;
}
