#pragma once

#include "objects/CStaticFilterEffect.h"

// WAVES: every pixel takes the one OFFSET columns (0 at first) and sin(x × DENSITY) × AMPLITUDE
// rows (truncated; DENSITY 1.0, AMPLITUDE 4 at first) away, x its column, the alpha plane with it.
class CWavesEffect : public CStaticFilterEffect {
public:
    // AMPLITUDE (integer), DENSITY (double), OFFSET (integer).
    struct Params : CStaticFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        int amplitude = 4;
        double density = 1.0;
        int offset = 0;
    };

    explicit CWavesEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Planes) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

private:
    Params params_;
};
