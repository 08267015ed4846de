// World files from hostile bytes, read by Create and then once more by Load on top: whatever the
// text, the world that results (or the one kept) is simulated for a while on a fixed clock and
// asked everything a scene asks of its bodies, the way finding included.
#include "plugins/world/korrun/IKorrun.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

// Ids worth asking about: the seeds use small ones.
constexpr uint32_t kIds = 12;

int read(IKorrun& korrun, const uint8_t* data, size_t size, bool load)
{
    std::FILE* file = size == 0 ? nullptr : fmemopen(const_cast<uint8_t*>(data), size, "rb");
    const int status = load ? korrun.Load(file) : korrun.Create(file);
    if (file != nullptr)
        std::fclose(file);
    return status;
}

void ask(IKorrun& korrun, uint32_t id)
{
    float x = 0, y = 0, z = 0, value = 0;
    bool flag = false;
    uint32_t state = 0;
    IVector* touching = nullptr;
    korrun.GetPosition(id, &x, &y, &z);
    korrun.GetSpeed(id, &value);
    korrun.GetAngle(id, &value);
    korrun.GetRotationZ(id, &value);
    korrun.GetMoveVector(id, &x, &y, &z);
    korrun.IsAtGoal(id, &state);
    korrun.GetCollision(id, &flag);
    korrun.GetCollision(id, (id + 1) % kIds, &flag);
    if (korrun.GetAllCollisions(id, &touching) == IKorrun::kOk) {
        for (int32_t i = touching->GetCount() - 1; i >= 0; --i)
            korrun.GetCollision(id, touching->GetData()[i], &flag);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint32_t clock = 0;
    IKorrun korrun;
    korrun.SetClock([&clock] { return clock; });
    read(korrun, data, size, false);
    read(korrun, data, size, true);
    float simulated = 0;
    for (uint32_t id = 0; id < kIds; ++id) {
        korrun.FindPath(id, (id + 3) % kIds, 100, 50, 0, id % 2 == 0);
        korrun.JointSteer(id, 30);
        korrun.JointSpeed(id, 90);
        korrun.SetActivePath(id, 1, true);
    }
    for (int turn = 0; turn < 40; ++turn) {
        clock += 20;
        korrun.MoveObjects(&simulated);
        for (uint32_t id = 0; id < kIds; ++id)
            ask(korrun, id);
    }
    korrun.Break(1);
    korrun.RemoveObject(2);
    clock += 100;
    korrun.MoveObjects(&simulated);
    return 0;
}
