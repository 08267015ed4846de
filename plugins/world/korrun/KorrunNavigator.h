#pragma once

#include "KorrunObstacle.h"

#include <box2d/b2_math.h>

#include <cstdint>
#include <map>
#include <vector>

// The mesh of way points and the shortest ways over it: A* over the graph of the points that see
// each other past the obstacles. A point's links are found when a search first goes on from it,
// so a search looks only round the way it takes; they are kept while the points, the obstacles
// and the radius stay the same, so repeated searches mostly link their two ends.
class KorrunNavigator {
public:
    void setPoint(uint32_t key, const b2Vec3& point);

    // The shortest way for a body of radius from start to goal: the points after start, goal
    // last. False when there is none (the goal itself in an obstacle, or walled in).
    bool find(const b2Vec3& start, const b2Vec3& goal, float radius, const std::vector<KorrunObstacle>& obstacles,
              std::vector<b2Vec3>& way);

private:
    void prepare(float radius, const std::vector<KorrunObstacle>& obstacles);
    // True when a body goes straight from a to b past every obstacle; radii: the body's radius
    // against each obstacle (empty: the radius of the graph).
    bool clear(const b2Vec2& a, const b2Vec2& b, const std::vector<float>& radii) const;
    const std::vector<uint32_t>& linksOf(uint32_t node);

    std::map<uint32_t, b2Vec3> points_;
    bool pointsChanged_ = true;

    // The graph: the mesh's points and the corners of the obstacles that are free, and links
    // between those that see each other, for the nodes linked so far.
    float radius_ = -1.0f;
    std::vector<KorrunObstacle> obstacles_;
    std::vector<b2AABB> grownBounds_;
    std::vector<b2Vec3> nodes_;
    std::vector<std::vector<uint32_t>> links_;
    std::vector<bool> linked_;
};
