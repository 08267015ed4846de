#pragma once

#include "objects/CEffectLink.h"

#include <cstdint>
#include <memory>

// A picture linked to a FILTER's timed effect: whether the effect runs on it, how many timer
// steps it has run, and what the effect keeps for it between steps (its State).
class CFilterLink : public CEffectLink {
public:
    // What an effect keeps per link; the effects derive their own.
    struct State {
        virtual ~State() = default;
    };

    CFilterLink(const Target& target, std::unique_ptr<State> state) : CEffectLink(target), state_(std::move(state)) {}

    bool isRunning() const { return running_; }
    void setRunning(bool running) { running_ = running; }
    // Counted before each step the link runs; it wraps.
    uint32_t getSteps() const { return steps_; }
    void countStep() { ++steps_; }
    // Null for an effect that keeps nothing.
    State* getState() const { return state_.get(); }

private:
    std::unique_ptr<State> state_;
    uint32_t steps_ = 0;
    bool running_ = false;
};
