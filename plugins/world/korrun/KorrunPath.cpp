#include "KorrunPath.h"

#include "KorrunScale.h"

#include <algorithm>
#include <utility>

bool KorrunPath::remove(size_t index)
{
    if (index >= points_.size())
        return false;
    points_.erase(points_.begin() + std::ptrdiff_t(index));
    if (index < next_)
        --next_;
    return true;
}

void KorrunPath::assign(std::vector<b2Vec3> points)
{
    points_ = std::move(points);
    next_ = 0;
}

void KorrunPath::clear()
{
    points_.clear();
    next_ = 0;
}

void KorrunPath::headFor(size_t index)
{
    next_ = std::min(index, points_.size());
}

void KorrunPath::passReached(const b2Vec3& position, float reach, bool loop)
{
    bool restarted = false;
    while (true) {
        if (finished()) {
            if (!loop || restarted || points_.empty())
                return;
            next_ = 0;
            restarted = true;
        }
        if (KorrunScale::length(target() - position) > reach)
            return;
        pass();
    }
}

void KorrunPath::pass()
{
    if (forgetsPassed_)
        points_.erase(points_.begin() + std::ptrdiff_t(next_));
    else
        ++next_;
}

float KorrunPath::remaining(const b2Vec3& position) const
{
    if (finished())
        return 0.0f;
    float way = KorrunScale::length(target() - position);
    for (size_t i = next_ + 1; i < points_.size(); ++i)
        way += KorrunScale::length(points_[i] - points_[i - 1]);
    return way;
}
