// The simulation library beside Box2D stepped by hand, testbed-style (1/60 s, 8 velocity and 3
// position iterations, sleeping allowed): 50, 200 and 1000 circles and boxes of mass 1 falling
// into a box, the same bodies with the same settings, the same 300 steps from the same start
// (the two simulations end alike to the last bit).
// Then what a scene's MOVEOBJECTS asks of the library for 200 linked bodies (a step and every
// query of every link), the whole MOVEOBJECTS of a scene through the World plug-in with those
// bodies linked to pictures that handle signals, and a path search over 200 way points among
// obstacles, each against the millisecond a turn can spare.
#include "application/CMC_Scene.h"
#include "objects/CObjectTypes.h"
#include "plugins/world/korrun/IKorrun.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Variable.h"
#include "tests/application/HeadlessGame.h"
#include "tests/graphics/ImageBytes.h"
#include "tests/script/ScriptText.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <box2d/box2d.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using scripttest::declared;

namespace {

constexpr int kSteps = 300;
constexpr float kUnitsPerMetre = 100.0f;
constexpr float kRadius = 10.0f;
constexpr int kLinked = 200;
// What a turn can spare for MOVEOBJECTS.
constexpr double kGoalMilliseconds = 1.0;

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

// The walls and `count` bodies as a world file: the library reads it, and the plug-in's WORLD is
// made from it.
std::string worldText(int count)
{
    std::string text = "KORRUN 1\nSetGravity 0 -1000 0\n";
    char line[128];
    auto addBody = [&](uint32_t id, float x, float y, float halfWidth, float halfHeight, int shape, float mass) {
        std::snprintf(line, sizeof line, "AddBody %u %g %g 0 %g %g 0 %d %d %g 0 0\n", unsigned(id), double(x), double(y),
                      double(halfWidth), double(halfHeight), shape, IKorrun::kOrdinary, double(mass));
        text += line;
    };
    uint32_t id = 100000;
    for (const Wall& wall : kWalls)
        addBody(id++, wall.x, wall.y, wall.halfWidth, wall.halfHeight, IKorrun::kBox, 0);
    for (int i = 0; i < count; ++i) {
        const Placed body = placed(i);
        addBody(uint32_t(i), body.x, body.y, kRadius, kRadius, body.circle ? IKorrun::kEllipse : IKorrun::kBox, 1);
    }
    return text;
}

// False when the library refused the file.
bool fillKorrun(IKorrun& korrun, int count)
{
    korrun.UseFF(true);
    std::string text = worldText(count);
    std::FILE* file = fmemopen(text.data(), text.size(), "rb");
    const bool made = file != nullptr && korrun.Create(file) == IKorrun::kOk;
    if (file != nullptr)
        std::fclose(file);
    return made;
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
        if (!fillKorrun(*korrun, int(state.range(0)))) {
            state.SkipWithError("the world file was refused");
            break;
        }
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
    IKorrun korrun;
    if (!fillKorrun(korrun, kLinked)) {
        state.SkipWithError("the world file was refused");
        return;
    }
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

// ---- MOVEOBJECTS through the plug-in ----------------------------------------------------------

std::string pictureName(int body)
{
    // Appended: GCC 12 warns wrongly about a literal before a string in release builds.
    std::string name = "B";
    name += std::to_string(body);
    return name;
}

// GAME -> E -> S, whose scene names World.so: a WORLD made from the world file of the linked
// bodies, and an IMAGE of a picture of its own for each body (objects of one file would share
// it), whose ONSTARTED, ONFINISHED and ANY signals a behaviour counts.
void writeLinkedGame(const TempFolder& folder)
{
    std::ifstream library(WORLD_LIBRARY, std::ios::binary);
    folder.write("World.so", std::string(std::istreambuf_iterator<char>(library), std::istreambuf_iterator<char>()));
    folder.write("Dane/application.def", declared("GAME", "APPLICATION", {"EPISODES=E"}) + declared("E", "EPISODE", {"SCENES=S"}) +
                                             declared("S", "SCENE", {"DLLS=World"}));
    folder.write("Dane/world.txt", worldText(kLinked));
    const graphicstest::Bytes picture = graphicstest::StillImage(20, 20, graphicstest::colourPlane(20, 20)).pik();
    std::string scene = declared("SIGNALS", "INTEGER", {"VALUE=0"}) + declared("COUNTED", "BEHAVIOUR", {"CODE={SIGNALS^INC();}"}) +
                        declared("W", "WORLD", {"FILENAME=world.txt"});
    for (int i = 0; i < kLinked; ++i) {
        const std::string name = pictureName(i);
        folder.write("Dane/" + name + ".IMG", std::string(picture.begin(), picture.end()));
        scene += declared(name, "IMAGE",
                          {"FILENAME=" + name + ".IMG", "ONSIGNAL^ONSTARTED=COUNTED", "ONSIGNAL^ONFINISHED=COUNTED", "ONSIGNAL^ANY=COUNTED"});
    }
    folder.write("Dane/S.cnv", scene);
}

double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// A script line run in the scene, as a behaviour runs it; its value as a whole number.
int runLine(CMC_Scene* scene, const std::string& line)
{
    CMC_Variable* result = CMC_Behaviour::runLine(scene, scene, line.c_str(), nullptr);
    const int value = result != nullptr ? result->toString().toNumber() : 0;
    CMC_Object::flush(result);
    return value;
}

// The same bodies and 300 steps as above, linked in a live scene: each iteration is the script
// line W^MOVEOBJECTS() on the engine's clock, which goes on 17, 17 and 16 ms in turn so that
// every call simulates one step; the window's turn that draws the moved pictures is not timed.
// Also the median of the calls' own CPU times, a figure that the pile's busier turns and
// the other work on a shared machine bend less than the mean.
void linkedPictures(benchmark::State& state)
{
    CObjectTypes::registerAll();
    TempFolder folder;
    writeLinkedGame(folder);
    HeadlessGame game(folder, "");
    CMC_Scene* episode = game.application() != nullptr ? game.application()->getCurrentScene() : nullptr;
    CMC_Scene* scene = episode != nullptr ? episode->getCurrentScene() : nullptr;
    if (scene == nullptr || scene->getObject("W") == nullptr) {
        state.SkipWithError("the scene did not start with its WORLD");
        return;
    }
    for (int i = 0; i < kLinked; ++i)
        runLine(scene, "W^LINK(" + std::to_string(i) + ", \"" + pictureName(i) + "\")");
    constexpr uint32_t kPace[] = {17, 17, 16};
    std::vector<double> calls;
    game.clock.advance(kPace[0]);
    for (auto _ : state) {
        const double before = threadMilliseconds();
        runLine(scene, "W^MOVEOBJECTS()");
        calls.push_back(threadMilliseconds() - before);
        state.PauseTiming();
        game.window().domodal();
        game.clock.advance(kPace[calls.size() % 3]);
        state.ResumeTiming();
    }
    std::nth_element(calls.begin(), calls.begin() + std::ptrdiff_t(calls.size() / 2), calls.end());
    state.counters["median ms"] = calls[calls.size() / 2];
    state.counters["signals handled per call"] = runLine(scene, "SIGNALS^GET()") / double(state.iterations());
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
BENCHMARK(linkedPictures)->Name("moveobjects/200 linked pictures through World.so")->Iterations(kSteps)->Unit(benchmark::kMicrosecond);
BENCHMARK(findPath<false>)->Name("findpath/200 way points, graph kept")->Unit(benchmark::kMicrosecond);
BENCHMARK(findPath<true>)->Name("findpath/200 way points, graph rebuilt")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        // CPU time: on a shared machine the wall clock also counts the others' work.
        std::printf("\nCPU time ratios (below 1: the library is faster):\n");
        const std::string fixed = "/iterations:" + std::to_string(kSteps);
        for (const char* count : {"50", "200", "1000"}) {
            std::printf("Steps of %s bodies: Korrun / plain Box2D = %.2f\n", count,
                        reporter.ratio(std::string("300 steps/korrun/") + count, std::string("300 steps/box2d/") + count, true));
        }
        std::printf("\nCPU time against the millisecond a turn can spare:\n");
        const std::string library = "moveobjects/200 linked bodies" + fixed;
        const std::string throughPlugIn = "moveobjects/200 linked pictures through World.so" + fixed;
        std::printf("%s: %.3f ms\n", library.c_str(), reporter.cpuTime(library) / 1000.0);
        std::printf("%s: %.3f ms, median of the calls %.3f ms (goal: under %.0f ms)\n", throughPlugIn.c_str(),
                    reporter.cpuTime(throughPlugIn) / 1000.0, reporter.counter(throughPlugIn, "median ms"), kGoalMilliseconds);
        for (const char* name : {"findpath/200 way points, graph kept", "findpath/200 way points, graph rebuilt"})
            std::printf("%s: %.3f ms\n", name, reporter.cpuTime(name) / 1000.0);
    });
}
