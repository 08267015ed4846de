#pragma once

#include "objects/CFilterEffect.h"
#include "objects/CFilterParams.h"

// What the three fades share: a value that goes from START by SPEED each step, given to the
// picture as its opacity (truncated, and kept within 0 to 255) whenever its whole part changes.
class CFadeEffect : public CFilterEffect {
public:
    // SPEED (0.1 at first), START, END: doubles.
    struct Params : CFilterParams {
        Params(double startValue, double endValue) : start(startValue), end(endValue) {}
        void setProperty(const CXString& name, const CXString& value) override;

        double speed = 0.1;
        double start;
        double end;
    };

    CFilterParams& params() override { return params_; }

protected:
    struct State : CFilterLink::State {
        double value = 0.0;
        bool rising = true;
    };

    CFadeEffect(CWindow* window, double start, double end) : CFilterEffect(window), params_(start, end) {}

    // The value after the state's; `finished` when the fade is at its end.
    virtual double next(State& state, bool& finished) = 0;
    const Params& fade() const { return params_; }

    std::unique_ptr<CFilterLink::State> createState(CGraphicsObject* picture) override;
    // The value starts at START, rising, and the picture takes it at once.
    void prepare(CFilterLink& link, CGraphicsObject* picture) override;
    bool step(CFilterLink& link, CGraphicsObject* picture) override;

private:
    static void showValue(CGraphicsObject* picture, double value);

    Params params_;
};
