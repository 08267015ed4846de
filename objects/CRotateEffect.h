#pragma once

#include "objects/CStaticFilterEffect.h"

// ROTATE: the picture turned by ANGLE degrees (0 at first) about its centre, into a picture just
// large enough for the turned corners, which stays centred where the picture was; what no pixel
// covers is black and, with an alpha plane, transparent.
class CRotateEffect : public CStaticFilterEffect {
public:
    // ANGLE (double).
    struct Params : CStaticFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        double angle = 0.0;
    };

    explicit CRotateEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Geometry) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

private:
    Params params_;
};
