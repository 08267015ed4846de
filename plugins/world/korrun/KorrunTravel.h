#pragma once

#include "KorrunPath.h"

#include <box2d/b2_math.h>

#include <cstdint>

// A body's way points: its route (passed points forgotten; found paths land here) and its path
// (kept, for patrols), the travel that carries the body along one of them step by step, and the
// goal state that the end of a route leaves for one MoveObjects call.
class KorrunTravel {
public:
    enum class Mode { None, Route, Path, PathLoop };

    KorrunPath& route() { return route_; }
    KorrunPath& path() { return path_; }

    void start(Mode mode, float speed, float reach);
    void stop() { mode_ = Mode::None; }
    bool travelling() const { return mode_ != Mode::None; }
    Mode mode() const { return mode_; }

    // Passes the points reached from position; false once the travel is over (the end of a route
    // or a path that does not loop is the goal, reported with the call's stamp).
    bool advance(const b2Vec3& position, uint32_t stamp);
    // The velocity that carries the body from position towards its next point in one step of
    // stepSeconds at most, so it never overshoots; only while travelling.
    b2Vec3 velocity(const b2Vec3& position, float stepSeconds) const;

    // Goal states of IsAtGoal; a report is seen up to the call of its stamp.
    void report(uint32_t state, uint32_t stamp);
    uint32_t goal(uint32_t latestStamp) const { return goalStamp_ >= latestStamp ? goalState_ : 0; }

private:
    KorrunPath& way() { return mode_ == Mode::Route ? route_ : path_; }
    const KorrunPath& way() const { return mode_ == Mode::Route ? route_ : path_; }

    KorrunPath route_{true};
    KorrunPath path_{false};
    Mode mode_ = Mode::None;
    float speed_ = 0.0f;
    float reach_ = 0.0f;
    uint32_t goalState_ = 0;
    uint32_t goalStamp_ = 0;
};
