#pragma once

#include "foundation/CDataBuffer.h"
#include "foundation/CXSize.h"

// A data buffer seen as rows of `width` elements. The cursor rules of CDataBuffer hold: moves stop
// at the block's ends.
class CDataBuffer2Dim : public CDataBuffer {
public:
    CDataBuffer2Dim(CXSize size, int elementSize);
    CDataBuffer2Dim(const void* source, CXSize size, int elementSize);

    virtual int getWidth() const;
    virtual int getHeight() const;
    // The cursor to column x of row y (element x + y * width).
    virtual void at(int x, int y);
    virtual void nextLine();
    virtual void prevLine();
    CDataBuffer2Dim* clone() const override;

private:
    int width_;
    int height_;
};
