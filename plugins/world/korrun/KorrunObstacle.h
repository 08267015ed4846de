#pragma once

#include <box2d/b2_collision.h>
#include <box2d/b2_math.h>

#include <cstdint>
#include <vector>

class KorrunBody;

// A body in the way of path finding, as it stands, in world units: a circle or a convex polygon
// (counter-clockwise) with Box2D's skin. Tests are made against it grown by the radius of the
// body finding its way.
class KorrunObstacle {
public:
    static KorrunObstacle of(const KorrunBody& body);

    bool operator==(const KorrunObstacle& other) const = default;

    // Whether it hands the mesh way points round itself.
    bool givesCorners() const { return givesCorners_; }
    // True when a body of radius going straight from a to b would touch it.
    bool blocks(const b2Vec2& a, const b2Vec2& b, float radius) const;
    // True when a body of radius at point touches it.
    bool holds(const b2Vec2& point, float radius) const;
    // The largest radius a body at point may have without touching it (less than 0 inside it).
    float room(const b2Vec2& point) const;
    // Way points just clear of it for a body of radius: every straight way between two of them
    // next to each other round it is clear of it too.
    void corners(float radius, std::vector<b2Vec2>& out) const;
    b2AABB bounds(float radius) const;

private:
    // How far a body's centre must stay from the outline (shape and skin).
    float clearance(float radius) const { return radius + skin_; }
    float distanceTo(const b2Vec2& a, const b2Vec2& b) const;
    void cornersAt(const b2Vec2& vertex, float fromAngle, float turn, float distance, std::vector<b2Vec2>& out) const;

    bool givesCorners_ = false;
    b2Vec2 centre_{0.0f, 0.0f};
    float skin_ = 0.0f;
    // Empty for a circle, whose radius is then its skin.
    std::vector<b2Vec2> vertices_;
    // The distance of the farthest vertex from the centre: ways farther off pass it at once.
    float vertexReach_ = 0.0f;
};
