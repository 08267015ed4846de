#pragma once

#include "objects/CStaticFilterEffect.h"

// RANDOMJITTER: every pixel takes the one a random number of columns and rows away, each from
// MAXJITTER / 2 − MAXJITTER + 1 to MAXJITTER / 2, drawn from the engine's random numbers; the
// alpha plane stays. A MAXJITTER below 1 changes nothing.
class CRandomJitterEffect : public CStaticFilterEffect {
public:
    // MAXJITTER (integer, 3).
    struct Params : CStaticFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        int maxJitter = 3;
    };

    explicit CRandomJitterEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Pixels) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

private:
    Params params_;
};
