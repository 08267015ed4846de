#include "KorrunObstacle.h"

#include "KorrunBody.h"
#include "KorrunScale.h"

#include <box2d/b2_body.h>
#include <box2d/b2_fixture.h>
#include <box2d/b2_polygon_shape.h>

#include <algorithm>
#include <cmath>

namespace {

// Tolerance of the tests, so ways along the corners are not taken for blocked.
constexpr float kTolerance = 1.0e-2f;
// How far outside the grown outline corners are put.
constexpr float kMargin = 1.0f;
// The most that one corner turns round a vertex.
constexpr float kMaxTurn = KorrunScale::kPi / 2.0f;

float distanceToSegment(const b2Vec2& p, const b2Vec2& a, const b2Vec2& b)
{
    const b2Vec2 ab = b - a;
    const float lengthSquared = b2Dot(ab, ab);
    const float t = lengthSquared > 0.0f ? std::clamp(b2Dot(p - a, ab) / lengthSquared, 0.0f, 1.0f) : 0.0f;
    return (p - (a + t * ab)).Length();
}

bool segmentsCross(const b2Vec2& a, const b2Vec2& b, const b2Vec2& c, const b2Vec2& d)
{
    const float d1 = b2Cross(b - a, c - a);
    const float d2 = b2Cross(b - a, d - a);
    const float d3 = b2Cross(d - c, a - c);
    const float d4 = b2Cross(d - c, b - c);
    return ((d1 > 0.0f) != (d2 > 0.0f)) && ((d3 > 0.0f) != (d4 > 0.0f));
}

float distanceBetweenSegments(const b2Vec2& a, const b2Vec2& b, const b2Vec2& c, const b2Vec2& d)
{
    if (segmentsCross(a, b, c, d))
        return 0.0f;
    return std::min({distanceToSegment(a, c, d), distanceToSegment(b, c, d), distanceToSegment(c, a, b),
                     distanceToSegment(d, a, b)});
}

float angleOf(const b2Vec2& v)
{
    return std::atan2(v.y, v.x);
}

b2Vec2 outwardNormal(const b2Vec2& from, const b2Vec2& to)
{
    b2Vec2 normal(to.y - from.y, from.x - to.x);
    normal.Normalize();
    return normal;
}

} // namespace

KorrunObstacle KorrunObstacle::of(const KorrunBody& body)
{
    KorrunObstacle obstacle;
    obstacle.givesCorners_ = body.meshEnabled();
    const b2Vec3 place = body.position();
    obstacle.centre_ = b2Vec2(place.x, place.y);
    const b2Shape* shape = body.body()->GetFixtureList()->GetShape();
    obstacle.skin_ = KorrunScale::units(shape->m_radius);
    if (shape->GetType() == b2Shape::e_polygon) {
        const auto* polygon = static_cast<const b2PolygonShape*>(shape);
        const b2Transform& transform = body.body()->GetTransform();
        for (int i = 0; i < polygon->m_count; ++i) {
            obstacle.vertices_.push_back(KorrunScale::units(b2Mul(transform, polygon->m_vertices[i])));
            obstacle.vertexReach_ = std::max(obstacle.vertexReach_, (obstacle.vertices_.back() - obstacle.centre_).Length());
        }
    }
    return obstacle;
}

float KorrunObstacle::distanceTo(const b2Vec2& a, const b2Vec2& b) const
{
    if (vertices_.empty())
        return distanceToSegment(centre_, a, b);
    const size_t count = vertices_.size();
    bool inside = true;
    float nearest = INFINITY;
    for (size_t i = 0; i < count; ++i) {
        const b2Vec2& from = vertices_[i];
        const b2Vec2& to = vertices_[(i + 1) % count];
        if (b2Cross(to - from, a - from) < 0.0f)
            inside = false;
        nearest = std::min(nearest, distanceBetweenSegments(a, b, from, to));
    }
    return inside ? 0.0f : nearest;
}

bool KorrunObstacle::blocks(const b2Vec2& a, const b2Vec2& b, float radius) const
{
    const float least = clearance(radius) - kTolerance;
    if (!vertices_.empty() && distanceToSegment(centre_, a, b) - vertexReach_ >= least)
        return false;
    return distanceTo(a, b) < least;
}

bool KorrunObstacle::holds(const b2Vec2& point, float radius) const
{
    return blocks(point, point, radius);
}

float KorrunObstacle::room(const b2Vec2& point) const
{
    return distanceTo(point, point) - skin_ - kTolerance;
}

b2AABB KorrunObstacle::bounds(float radius) const
{
    b2AABB box;
    box.lowerBound = box.upperBound = centre_;
    for (const b2Vec2& vertex : vertices_) {
        box.lowerBound = b2Min(box.lowerBound, vertex);
        box.upperBound = b2Max(box.upperBound, vertex);
    }
    const b2Vec2 grow(clearance(radius), clearance(radius));
    box.lowerBound -= grow;
    box.upperBound += grow;
    return box;
}

void KorrunObstacle::corners(float radius, std::vector<b2Vec2>& out) const
{
    const float distance = clearance(radius) + kMargin;
    if (vertices_.empty()) {
        cornersAt(centre_, 0.0f, 2.0f * KorrunScale::kPi, distance, out);
        return;
    }
    const size_t count = vertices_.size();
    for (size_t i = 0; i < count; ++i) {
        const b2Vec2& before = vertices_[(i + count - 1) % count];
        const b2Vec2& vertex = vertices_[i];
        const b2Vec2& after = vertices_[(i + 1) % count];
        const float from = angleOf(outwardNormal(before, vertex));
        float turn = angleOf(outwardNormal(vertex, after)) - from;
        if (turn < 0.0f)
            turn += 2.0f * KorrunScale::kPi;
        cornersAt(vertex, from, turn, distance, out);
    }
}

// Covers the turn round a vertex from the direction fromAngle with corners, each the meeting
// point of the tangents at distance that bound its share of the turn.
void KorrunObstacle::cornersAt(const b2Vec2& vertex, float fromAngle, float turn, float distance,
                               std::vector<b2Vec2>& out) const
{
    const int count = std::max(1, int(std::ceil(turn / kMaxTurn - 1.0e-4f)));
    const float share = turn / float(count);
    const float reach = distance / std::cos(share / 2.0f);
    for (int i = 0; i < count; ++i) {
        const float angle = fromAngle + (float(i) + 0.5f) * share;
        out.push_back(vertex + reach * b2Vec2(std::cos(angle), std::sin(angle)));
    }
}
