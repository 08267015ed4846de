#pragma once

#include "objects/CStaticFilterEffect.h"

// SCALE: the picture scaled by FACTORX and FACTORY (1.0 at first) to the nearest pixel, its alpha
// plane with it; with BYCENTER it stays centred where it was. Factors that would leave less than
// a pixel either way change nothing.
class CScaleEffect : public CStaticFilterEffect {
public:
    // FACTORX, FACTORY (doubles), BYCENTER (bool).
    struct Params : CStaticFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        double factorX = 1.0;
        double factorY = 1.0;
        bool byCenter = false;
    };

    explicit CScaleEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Geometry) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

private:
    Params params_;
};
