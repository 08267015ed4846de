#pragma once

#include "objects/CStaticFilterEffect.h"

// NEGATIVE: within the picture's clipping rectangle (all of it without one), every pixel that is
// not transparent gets its channels inverted; green loses its lowest bit.
class CNegativeEffect : public CStaticFilterEffect {
public:
    explicit CNegativeEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Pixels) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

private:
    CStaticFilterParams params_;
};
