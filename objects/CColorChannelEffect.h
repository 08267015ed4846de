#pragma once

#include "objects/CStaticFilterEffect.h"

// COLORCHANNEL: keeps the channels CHANNELS names ("R", "G", "B", capitals only; "RGB" at first)
// and clears the others; green loses its lowest bit either way.
class CColorChannelEffect : public CStaticFilterEffect {
public:
    struct Params : CStaticFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        CXString channels = "RGB";
    };

    explicit CColorChannelEffect(CWindow* window) : CStaticFilterEffect(window, Changes::Pixels) {}

    CStaticFilterParams& params() override { return params_; }
    void apply(CGraphicsObject* picture) override;

private:
    Params params_;
};
