#include "KorrunNavigator.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <queue>
#include <utility>

namespace {

// The depth of corners, which take the depth of the way's start.
constexpr float kNoDepth = std::numeric_limits<float>::quiet_NaN();

b2Vec2 planar(const b2Vec3& v)
{
    return b2Vec2(v.x, v.y);
}

b2AABB boundsOf(const b2Vec2& a, const b2Vec2& b)
{
    b2AABB box;
    box.lowerBound = b2Min(a, b);
    box.upperBound = b2Max(a, b);
    return box;
}

} // namespace

void KorrunNavigator::setPoint(uint32_t key, const b2Vec3& point)
{
    points_[key] = point;
    pointsChanged_ = true;
}

void KorrunNavigator::prepare(float radius, const std::vector<KorrunObstacle>& obstacles)
{
    if (!pointsChanged_ && radius == radius_ && obstacles == obstacles_)
        return;
    pointsChanged_ = false;
    radius_ = radius;
    obstacles_ = obstacles;
    grownBounds_.clear();
    for (const KorrunObstacle& obstacle : obstacles_)
        grownBounds_.push_back(obstacle.bounds(radius_));

    std::vector<b2Vec3> candidates;
    for (const auto& [key, point] : points_)
        candidates.push_back(point);
    std::vector<b2Vec2> corners;
    for (const KorrunObstacle& obstacle : obstacles_) {
        if (obstacle.givesCorners())
            obstacle.corners(radius_, corners);
    }
    for (const b2Vec2& corner : corners)
        candidates.emplace_back(corner.x, corner.y, kNoDepth);

    nodes_.clear();
    for (const b2Vec3& candidate : candidates) {
        const bool free = std::none_of(obstacles_.begin(), obstacles_.end(), [&](const KorrunObstacle& obstacle) {
            return obstacle.holds(planar(candidate), radius_);
        });
        if (free)
            nodes_.push_back(candidate);
    }
    links_.assign(nodes_.size(), {});
    linked_.assign(nodes_.size(), false);
}

const std::vector<uint32_t>& KorrunNavigator::linksOf(uint32_t node)
{
    if (linked_[node])
        return links_[node];
    linked_[node] = true;
    const std::vector<float> none;
    const b2Vec2 here = planar(nodes_[node]);
    for (uint32_t other = 0; other < nodes_.size(); ++other) {
        if (other != node && clear(here, planar(nodes_[other]), none))
            links_[node].push_back(other);
    }
    return links_[node];
}

bool KorrunNavigator::clear(const b2Vec2& a, const b2Vec2& b, const std::vector<float>& radii) const
{
    const b2AABB way = boundsOf(a, b);
    for (size_t k = 0; k < obstacles_.size(); ++k) {
        const float radius = radii.empty() ? radius_ : radii[k];
        if (b2TestOverlap(way, grownBounds_[k]) && obstacles_[k].blocks(a, b, radius))
            return false;
    }
    return true;
}

bool KorrunNavigator::find(const b2Vec3& start, const b2Vec3& goal, float radius,
                           const std::vector<KorrunObstacle>& obstacles, std::vector<b2Vec3>& way)
{
    prepare(radius, obstacles);
    const b2Vec2 from = planar(start);
    const b2Vec2 to = planar(goal);
    // A body pressed against an obstacle must still be able to leave it: from the start, only a
    // way that comes closer to an obstacle than the start is already counts as blocked.
    std::vector<float> fromStart(obstacles_.size());
    for (size_t k = 0; k < obstacles_.size(); ++k) {
        if (obstacles_[k].holds(to, radius_))
            return false;
        fromStart[k] = std::min(radius_, obstacles_[k].room(from));
    }
    way.clear();
    if (clear(from, to, fromStart)) {
        way.push_back(goal);
        return true;
    }

    // A* from the nodes the start sees; the goal is node count.
    const size_t goalNode = nodes_.size();
    const std::vector<float> none;
    std::vector<float> cost(goalNode + 1, INFINITY);
    std::vector<size_t> previous(goalNode + 1, SIZE_MAX);
    std::vector<bool> done(goalNode + 1, false);
    using Entry = std::pair<float, size_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    auto position = [&](size_t node) { return node == goalNode ? to : planar(nodes_[node]); };
    auto reach = [&](size_t node, size_t before, float total) {
        if (total >= cost[node])
            return;
        cost[node] = total;
        previous[node] = before;
        open.emplace(total + (to - position(node)).Length(), node);
    };
    for (size_t i = 0; i < goalNode; ++i) {
        if (clear(from, planar(nodes_[i]), fromStart))
            reach(i, SIZE_MAX, (planar(nodes_[i]) - from).Length());
    }
    while (!open.empty()) {
        const size_t node = open.top().second;
        open.pop();
        if (node == goalNode)
            break;
        if (done[node])
            continue;
        done[node] = true;
        const b2Vec2 here = position(node);
        for (uint32_t next : linksOf(uint32_t(node)))
            reach(next, node, cost[node] + (position(next) - here).Length());
        if (clear(here, to, none))
            reach(goalNode, node, cost[node] + (to - here).Length());
    }
    if (previous[goalNode] == SIZE_MAX)
        return false;
    for (size_t node = previous[goalNode]; node != SIZE_MAX; node = previous[node]) {
        const b2Vec3& point = nodes_[node];
        way.emplace_back(point.x, point.y, std::isnan(point.z) ? start.z : point.z);
    }
    std::reverse(way.begin(), way.end());
    way.push_back(goal);
    return true;
}
