#pragma once

#include "foundation/CXRect.h"
#include "objects/CFilterEffect.h"
#include "objects/CFilterParams.h"

#include <cstdint>
#include <vector>

// WAVING: every tenth step the picture becomes its unaltered pixels shifted up and down by a sine
// wave along its columns, sin(a / 10 + x × DENSITY) × AMPLITUDE rows (truncated) for column x, the
// alpha plane with them, where a is the link's phase counter, 0 to 100 and round again. It never
// finishes; stopping or unlinking leaves the last wave.
//
// The link keeps a copy of the unaltered planes from its first wave on, and works on the picture
// drawn then (an animation's frame of that moment) while it is still drawn at that size.
class CWavingEffect : public CFilterEffect {
public:
    // AMPLITUDE (integer, 4), DENSITY (double, 1.0).
    struct Params : CFilterParams {
        void setProperty(const CXString& name, const CXString& value) override;

        int amplitude = 4;
        double density = 1.0;
    };

    explicit CWavingEffect(CWindow* window) : CFilterEffect(window) {}

    CFilterParams& params() override { return params_; }

protected:
    struct State : CFilterLink::State {
        int phase = 0;
        CGraphicsObject* picture = nullptr;
        int width = 0;
        int height = 0;
        std::vector<uint16_t> colour;
        std::vector<uint8_t> alpha;
        std::vector<CXPoint> offsets;
    };

    std::unique_ptr<CFilterLink::State> createState(CGraphicsObject* picture) override;
    bool step(CFilterLink& link, CGraphicsObject* picture) override;

private:
    // The picture with its unaltered planes back (saved the first time); null when it is no
    // longer the one saved.
    static CGraphicsObject* unaltered(State& state, CGraphicsObject* graphics);
    void wave(State& state, CGraphicsObject* picture) const;

    Params params_;
};
