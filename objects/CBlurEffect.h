#pragma once

#include "objects/CStaticFilterEffect.h"

#include <cstdint>

// BLUR: every pixel at least SIZE / 2 pixels away from each edge becomes, channel by channel, the
// mean of its own value and the mean of its neighbours in the square of side SIZE / 2 × 2 + 1
// around it (the neighbours' sum divided by SIZE × SIZE − 1); the pixels nearer the edges stay.
// A SIZE below 2 changes nothing, and a channel that comes out beyond its field (even sizes sum
// more neighbours than they divide by) is kept at its largest value.
class CBlurEffect : public CStaticFilterEffect {
public:
    // SIZE (integer, 3).
    struct Params : CStaticFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        int size = 3;
    };

    explicit CBlurEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Pixels) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

    // The blur of `from` into `to` (both width × height, 5-6-5 or 5-5-5 pixels): only the inner
    // pixels of `to` are written.
    static void blur(const uint16_t* from, uint16_t* to, int width, int height, int size, bool is565);

private:
    Params params_;
};
