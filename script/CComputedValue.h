#pragma once

class CMC_Variable;

// A variable whose value is computed when it is read (the EXPRESSION). Runners read every
// argument of this kind through it, so a method sees the value, not the formula.
class CComputedValue {
public:
    virtual ~CComputedValue() = default;

    // Computes the value now; the result stays owned by the source (a pooled temporary that the
    // next computation or the turn's pool reset gives back). Null when nothing could be computed.
    virtual CMC_Variable* computeValue() = 0;
};
