#pragma once

#include "objects/CFilterEffect.h"
#include "objects/CFilterParams.h"
#include "objects/CWaterRipple.h"

#include <cstdint>
#include <memory>
#include <vector>

// WATER: ripples running out from the picture's centre. Each step every pixel (but those an
// alpha plane makes transparent) takes the unaltered pixel m columns and m rows away, kept within
// the picture, where m is sin(phase + d) × FACTOR truncated, d the pixel's distance from the
// centre and the phase the link's step count modulo 51. It never finishes; stopping leaves the
// picture as the last step made it.
//
// The link keeps the unaltered pixels and the distances' sines and cosines (CWaterRipple), made
// when it is linked; it works on the picture drawn then (an animation's frame of that moment)
// while it is still drawn at that size.
class CWaterEffect : public CFilterEffect {
public:
    static constexpr int kPhases = 51;

    // FACTOR (double, 1.1).
    struct Params : CFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        double factor = 1.1;
    };

    explicit CWaterEffect(CWindow* window);

    CFilterParams& params() override { return params_; }

protected:
    struct State : CFilterLink::State {
        CGraphicsObject* picture = nullptr;
        std::vector<uint16_t> unaltered;
        std::unique_ptr<CWaterRipple> ripple;
    };

    std::unique_ptr<CFilterLink::State> createState(CGraphicsObject* picture) override;
    bool step(CFilterLink& link, CGraphicsObject* picture) override;

private:
    Params params_;
    float sinPhase_[kPhases];
    float cosPhase_[kPhases];
};
