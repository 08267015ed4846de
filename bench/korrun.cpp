// The simulation library beside Box2D stepped by hand, testbed-style (1/60 s, 8 velocity and 3
// position iterations, sleeping allowed): 50, 200 and 1000 circles and boxes of mass 1 falling
// into a box, the same bodies with the same settings, the same 300 steps from the same start
// (the two simulations end alike to the last bit).
// Then what a scene's MOVEOBJECTS asks of the library for 200 linked bodies (a step and every
// query of every link), and a path search over 200 way points among obstacles, both against the
// millisecond a turn can spare.
#include "bench/RatioReporter.h"
#include "plugins/world/korrun/IKorrun.h"

#include <benchmark/benchmark.h>
#include <box2d/box2d.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int kSteps = 300;
constexpr float kUnitsPerMetre = 100.0f;
constexpr float kRadius = 10.0f;

struct Wall {
    float x, y, halfWidth, halfHeight;
};
// A floor and two sides, in units.
constexpr Wall kWalls[] = {{0, -270, 620, 20}, {-620, 150, 20, 420}, {620, 150, 20, 420}};

struct Placed {
    float x, y;
    bool circle;
};

Placed placed(int index)
{
    return {-580.0f + float(index % 40) * 29.0f, -220.0f + float(index / 40) * 26.0f, index % 2 == 0};
}

void fillKorrun(IKorrun& korrun, int count)
{
    korrun.UseFF(true);
    korrun.SetGravity(0, -1000, 0);
    uint32_t id = 100000;
    for (const Wall& wall : kWalls)
        korrun.AddBody(id++, wall.x, wall.y, 0, wall.halfWidth, wall.halfHeight, 0, IKorrun::kBox, IKorrun::kOrdinary, 0, 0, 0);
    for (int i = 0; i < count; ++i) {
        const Placed body = placed(i);
        korrun.AddBody(uint32_t(i), body.x, body.y, 0, kRadius, kRadius, 0, body.circle ? IKorrun::kEllipse : IKorrun::kBox,
                       IKorrun::kOrdinary, 1, 0, 0);
    }
}

void fillBox2d(b2World& world, int count)
{
    for (const Wall& wall : kWalls) {
        b2BodyDef definition;
        definition.position.Set(wall.x / kUnitsPerMetre, wall.y / kUnitsPerMetre);
        b2PolygonShape box;
        box.SetAsBox(wall.halfWidth / kUnitsPerMetre, wall.halfHeight / kUnitsPerMetre);
        world.CreateBody(&definition)->CreateFixture(&box, 0.0f);
    }
    const float half = kRadius / kUnitsPerMetre;
    for (int i = 0; i < count; ++i) {
        const Placed placedBody = placed(i);
        b2BodyDef definition;
        definition.type = b2_dynamicBody;
        definition.position.Set(placedBody.x / kUnitsPerMetre, placedBody.y / kUnitsPerMetre);
        b2Body* body = world.CreateBody(&definition);
        b2CircleShape circle;
        circle.m_radius = half;
        b2PolygonShape box;
        box.SetAsBox(half, half);
        b2FixtureDef fixture;
        fixture.shape = placedBody.circle ? static_cast<b2Shape*>(&circle) : &box;
        // Mass 1, as the library gives.
        fixture.density = placedBody.circle ? 1.0f / (b2_pi * half * half) : 1.0f / (4.0f * half * half);
        fixture.friction = 0.2f;
        body->CreateFixture(&fixture);
    }
}

// Each iteration: the same 300 steps from the same start; making and unmaking the world is not
// timed.
void korrunSteps(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto korrun = std::make_unique<IKorrun>();
        fillKorrun(*korrun, int(state.range(0)));
        float simulated = 0;
        state.ResumeTiming();
        for (int step = 0; step < kSteps; ++step)
            korrun->MoveObjects(&simulated);
        state.PauseTiming();
        korrun.reset();
        state.ResumeTiming();
    }
}

void box2dSteps(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<b2World>(b2Vec2(0.0f, -10.0f));
        fillBox2d(*world, int(state.range(0)));
        state.ResumeTiming();
        for (int step = 0; step < kSteps; ++step)
            world->Step(1.0f / 60.0f, 8, 3);
        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
}

// A step and, for every linked body, what the scene's MOVEOBJECTS asks: its place, its goal,
// its contacts (all of them when it has any) and its speed.
void linkedBodies(benchmark::State& state)
{
    constexpr int kLinked = 200;
    IKorrun korrun;
    fillKorrun(korrun, kLinked);
    float simulated = 0;
    int64_t signals = 0;
    for (auto _ : state) {
        korrun.MoveObjects(&simulated);
        for (uint32_t id = 0; id < kLinked; ++id) {
            float x, y, z, speed;
            uint32_t goal;
            bool touching = false;
            IVector* all = nullptr;
            korrun.GetPosition(id, &x, &y, &z);
            korrun.IsAtGoal(id, &goal);
            if (korrun.GetCollision(id, &touching) >= 0 && touching && korrun.GetAllCollisions(id, &all) >= 0)
                signals += all->GetCount();
            korrun.GetSpeed(id, &speed);
            benchmark::DoNotOptimize(x + y + z + speed + float(goal));
        }
    }
    state.counters["contact signals per turn"] = double(signals) / double(state.iterations());
}

// 200 mesh way points on a 20 × 10 grid, 30 boxes between them in the way, a search from one
// corner to the other; changed: a way point moves before each search, so the graph is rebuilt.
template <bool changed>
void findPath(benchmark::State& state)
{
    IKorrun korrun;
    korrun.AddBody(1, -600, -300, 0, kRadius, kRadius, 0, IKorrun::kEllipse, IKorrun::kOrdinary, 1, 0, 0);
    for (uint32_t i = 0; i < 200; ++i)
        korrun.AddMeshWayPoint(i, -570.0f + float(i % 20) * 60.0f, -270.0f + float(i / 20) * 60.0f, 0);
    uint32_t cell = 7;
    for (uint32_t wall = 0; wall < 30; ++wall) {
        cell = (cell * 37 + 11) % 171;
        const float x = -540.0f + float(cell % 19) * 60.0f;
        const float y = -240.0f + float(cell / 19) * 60.0f;
        korrun.AddBody(1000 + wall, x, y, 0, 15, 15, 0, IKorrun::kBox, IKorrun::kOrdinary, 0, 0, 0);
        korrun.CollideMesh(1000 + wall, true);
    }
    int found = 0;
    float shift = 0;
    for (auto _ : state) {
        if (changed)
            korrun.AddMeshWayPoint(0, -570.0f + (shift = 1.0f - shift), -270.0f, 0);
        found += korrun.FindPath(1, 1, 600, 300, 0, false) == IKorrun::kOk;
    }
    if (found != int(state.iterations()))
        state.SkipWithError("no way found");
}

} // namespace

// Side by side, so both meet the machine in the same state.
BENCHMARK(korrunSteps)->Name("300 steps/korrun")->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(box2dSteps)->Name("300 steps/box2d")->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(korrunSteps)->Name("300 steps/korrun")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(box2dSteps)->Name("300 steps/box2d")->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(korrunSteps)->Name("300 steps/korrun")->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(box2dSteps)->Name("300 steps/box2d")->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(linkedBodies)->Name("moveobjects/200 linked bodies")->Iterations(kSteps)->Unit(benchmark::kMicrosecond);
BENCHMARK(findPath<false>)->Name("findpath/200 way points, graph kept")->Unit(benchmark::kMicrosecond);
BENCHMARK(findPath<true>)->Name("findpath/200 way points, graph rebuilt")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // CPU time: on a shared machine the wall clock also counts the others' work.
    std::printf("\nCPU time ratios (below 1: the library is faster):\n");
    const std::string fixed = "/iterations:" + std::to_string(kSteps);
    for (const char* count : {"50", "200", "1000"}) {
        std::printf("Steps of %s bodies: Korrun / plain Box2D = %.2f\n", count,
                    reporter.ratio(std::string("300 steps/korrun/") + count, std::string("300 steps/box2d/") + count, true));
    }
    std::printf("\nCPU time against the millisecond a turn can spare:\n");
    for (const std::string& name : {"moveobjects/200 linked bodies" + fixed, std::string("findpath/200 way points, graph kept"),
                                    std::string("findpath/200 way points, graph rebuilt")})
        std::printf("%s: %.3f ms\n", name.c_str(), reporter.cpuTime(name) / 1000.0);
    benchmark::Shutdown();
    return 0;
}
