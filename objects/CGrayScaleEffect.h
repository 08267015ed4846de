#pragma once

#include "objects/CStaticFilterEffect.h"

// GRAYSCALE: every pixel becomes the grey of its channels' mean.
class CGrayScaleEffect : public CStaticFilterEffect {
public:
    explicit CGrayScaleEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Pixels) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

private:
    CStaticFilterParams params_;
};
