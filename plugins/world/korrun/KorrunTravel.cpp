#include "KorrunTravel.h"

#include "IKorrun.h"
#include "KorrunScale.h"

#include <algorithm>

void KorrunTravel::start(Mode mode, float speed, float reach)
{
    mode_ = mode;
    speed_ = speed;
    reach_ = reach;
}

bool KorrunTravel::advance(const b2Vec3& position, uint32_t stamp)
{
    KorrunPath& points = way();
    points.passReached(position, reach_, mode_ == Mode::PathLoop);
    if (!points.finished())
        return true;
    if (mode_ != Mode::PathLoop)
        report(IKorrun::kAtGoal, stamp);
    mode_ = Mode::None;
    return false;
}

b2Vec3 KorrunTravel::velocity(const b2Vec3& position, float stepSeconds) const
{
    const b2Vec3 toward = way().target() - position;
    const float distance = KorrunScale::length(toward);
    if (distance <= 0.0f)
        return b2Vec3(0.0f, 0.0f, 0.0f);
    const float speed = std::min(speed_, distance / stepSeconds);
    return (speed / distance) * toward;
}

void KorrunTravel::report(uint32_t state, uint32_t stamp)
{
    goalState_ = state;
    goalStamp_ = stamp;
}
