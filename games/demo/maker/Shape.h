#pragma once

#include <functional>
#include <numbers>
#include <vector>

constexpr float kPi = std::numbers::pi_v<float>;

// A rectangle in pixels, right and bottom excluded.
struct Box {
    float left;
    float top;
    float right;
    float bottom;
};

struct Point {
    float x;
    float y;
};

// A shape for painting: the signed distance from a point to its edge (negative inside) and the
// box that holds it.
class Shape {
public:
    using Distance = std::function<float(float x, float y)>;

    Shape(Box box, Distance distance) : box_(box), distance_(std::move(distance)) {}

    static Shape disc(float cx, float cy, float radius);
    static Shape ellipse(float cx, float cy, float rx, float ry);
    static Shape rect(float left, float top, float right, float bottom, float cornerRadius = 0);
    // A thick line with round ends.
    static Shape line(Point from, Point to, float halfWidth);
    static Shape polygon(std::vector<Point> corners);
    // A star of `points` tips, the first pointing up when `turn` is 0 (turn in radians).
    static Shape star(float cx, float cy, float outer, float inner, int points, float turn = 0);

    // Both shapes together; this one without the other; where both are.
    Shape unite(const Shape& other) const;
    Shape without(const Shape& other) const;
    Shape meet(const Shape& other) const;
    // The same shape moved; turned by the angle (radians, clockwise) about a point.
    Shape moved(float dx, float dy) const;
    Shape turned(float angle, Point about) const;

    Box box() const { return box_; }
    float distance(float x, float y) const { return distance_(x, y); }

private:
    Box box_;
    Distance distance_;
};
