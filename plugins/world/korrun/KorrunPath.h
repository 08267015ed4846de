#pragma once

#include <box2d/b2_math.h>

#include <cstddef>
#include <vector>

// Points in world units that a body is led along, and the one it is heading for. A route forgets
// the points it has passed; a path keeps them and can start over.
class KorrunPath {
public:
    explicit KorrunPath(bool forgetsPassed) : forgetsPassed_(forgetsPassed) {}

    void add(const b2Vec3& point) { points_.push_back(point); }
    // False when there is no such point.
    bool remove(size_t index);
    void assign(std::vector<b2Vec3> points);
    void clear();

    size_t size() const { return points_.size(); }
    const b2Vec3& at(size_t index) const { return points_[index]; }
    // True once every point is passed (always for an empty one).
    bool finished() const { return next_ >= points_.size(); }
    // The point headed for; only while not finished.
    const b2Vec3& target() const { return points_[next_]; }
    size_t targetIndex() const { return next_; }
    // Heads for the point at index; at or beyond the end the path is finished.
    void headFor(size_t index);

    // Passes the points within reach of position, in order; a looping path starts over after its
    // last point (once a call, so a path of points all within reach cannot spin).
    void passReached(const b2Vec3& position, float reach, bool loop);
    // The way left from position: to the point headed for, then from point to point to the end.
    float remaining(const b2Vec3& position) const;

private:
    void pass();

    bool forgetsPassed_;
    std::vector<b2Vec3> points_;
    size_t next_ = 0;
};
