#include "Shape.h"

#include <algorithm>
#include <cmath>

namespace {


float length(float x, float y)
{
    return std::sqrt(x * x + y * y);
}

} // namespace

Shape Shape::disc(float cx, float cy, float radius)
{
    return Shape({cx - radius, cy - radius, cx + radius, cy + radius},
                 [=](float x, float y) { return length(x - cx, y - cy) - radius; });
}

Shape Shape::ellipse(float cx, float cy, float rx, float ry)
{
    // Near enough to the true distance for the edge's smoothing.
    const float scale = std::min(rx, ry);
    return Shape({cx - rx, cy - ry, cx + rx, cy + ry},
                 [=](float x, float y) { return (length((x - cx) / rx, (y - cy) / ry) - 1) * scale; });
}

Shape Shape::rect(float left, float top, float right, float bottom, float cornerRadius)
{
    const float cx = (left + right) / 2;
    const float cy = (top + bottom) / 2;
    const float hx = (right - left) / 2 - cornerRadius;
    const float hy = (bottom - top) / 2 - cornerRadius;
    return Shape({left, top, right, bottom}, [=](float x, float y) {
        const float dx = std::abs(x - cx) - hx;
        const float dy = std::abs(y - cy) - hy;
        return length(std::max(dx, 0.0f), std::max(dy, 0.0f)) + std::min(std::max(dx, dy), 0.0f) - cornerRadius;
    });
}

Shape Shape::line(Point from, Point to, float halfWidth)
{
    const Box box{std::min(from.x, to.x) - halfWidth, std::min(from.y, to.y) - halfWidth, std::max(from.x, to.x) + halfWidth,
                  std::max(from.y, to.y) + halfWidth};
    return Shape(box, [=](float x, float y) {
        const float ax = x - from.x;
        const float ay = y - from.y;
        const float bx = to.x - from.x;
        const float by = to.y - from.y;
        const float along = std::clamp((ax * bx + ay * by) / std::max(bx * bx + by * by, 1e-6f), 0.0f, 1.0f);
        return length(ax - bx * along, ay - by * along) - halfWidth;
    });
}

Shape Shape::polygon(std::vector<Point> corners)
{
    Box box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point& p : corners)
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
    return Shape(box, [corners = std::move(corners)](float x, float y) {
        // The distance to the nearest edge, negative where a ray crosses the edges an odd number
        // of times.
        float nearest = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point& a = corners[i];
            const Point& b = corners[j];
            const float ex = b.x - a.x;
            const float ey = b.y - a.y;
            const float along = std::clamp(((x - a.x) * ex + (y - a.y) * ey) / std::max(ex * ex + ey * ey, 1e-6f), 0.0f, 1.0f);
            nearest = std::min(nearest, length(x - a.x - ex * along, y - a.y - ey * along));
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey)
                inside = !inside;
        }
        return inside ? -nearest : nearest;
    });
}

Shape Shape::star(float cx, float cy, float outer, float inner, int points, float turn)
{
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const float angle = turn + kPi * float(i) / float(points);
        const float radius = i % 2 == 0 ? outer : inner;
        corners.push_back({cx + radius * std::sin(angle), cy - radius * std::cos(angle)});
    }
    return polygon(std::move(corners));
}

Shape Shape::unite(const Shape& other) const
{
    const Box box{std::min(box_.left, other.box_.left), std::min(box_.top, other.box_.top), std::max(box_.right, other.box_.right),
                  std::max(box_.bottom, other.box_.bottom)};
    return Shape(box, [a = *this, b = other](float x, float y) { return std::min(a.distance(x, y), b.distance(x, y)); });
}

Shape Shape::without(const Shape& other) const
{
    return Shape(box_, [a = *this, b = other](float x, float y) { return std::max(a.distance(x, y), -b.distance(x, y)); });
}

Shape Shape::meet(const Shape& other) const
{
    const Box box{std::max(box_.left, other.box_.left), std::max(box_.top, other.box_.top), std::min(box_.right, other.box_.right),
                  std::min(box_.bottom, other.box_.bottom)};
    return Shape(box, [a = *this, b = other](float x, float y) { return std::max(a.distance(x, y), b.distance(x, y)); });
}

Shape Shape::moved(float dx, float dy) const
{
    return Shape({box_.left + dx, box_.top + dy, box_.right + dx, box_.bottom + dy},
                 [a = *this, dx, dy](float x, float y) { return a.distance(x - dx, y - dy); });
}

Shape Shape::turned(float angle, Point about) const
{
    // The box of the turned shape: the circle round the pivot that holds every corner.
    float reach = 0;
    for (Point corner : {Point{box_.left, box_.top}, Point{box_.right, box_.top}, Point{box_.left, box_.bottom}, Point{box_.right, box_.bottom}})
        reach = std::max(reach, length(corner.x - about.x, corner.y - about.y));
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Shape({about.x - reach, about.y - reach, about.x + reach, about.y + reach}, [a = *this, about, c, s](float x, float y) {
        const float dx = x - about.x;
        const float dy = y - about.y;
        return a.distance(about.x + dx * c + dy * s, about.y - dx * s + dy * c);
    });
}
