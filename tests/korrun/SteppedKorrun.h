#pragma once

#include "plugins/world/korrun/IKorrun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

// A Korrun world on a clock the test turns, and short forms of its queries.
struct SteppedKorrun {
    static constexpr uint32_t kOrdinary = uint32_t(IKorrun::kOrdinary);

    SteppedKorrun() { korrun.SetClock([this] { return clock; }); }
    SteppedKorrun(const SteppedKorrun&) = delete;
    SteppedKorrun& operator=(const SteppedKorrun&) = delete;

    // Moves the clock on and runs MoveObjects; the milliseconds simulated.
    float turn(uint32_t milliseconds = 20)
    {
        clock += milliseconds;
        float simulated = -1.0f;
        EXPECT_EQ(korrun.MoveObjects(&simulated), IKorrun::kOk);
        return simulated;
    }
    void turns(int count, uint32_t milliseconds = 20)
    {
        for (int i = 0; i < count; ++i)
            turn(milliseconds);
    }

    // A circle of radius r at (x, y) with mass 1 (0: fixed).
    void ball(uint32_t id, float x, float y, float r = 10.0f, float mass = 1.0f)
    {
        ASSERT_EQ(korrun.AddBody(id, x, y, 0, r, r, 0, IKorrun::kEllipse, IKorrun::kOrdinary, mass, 0, 0), IKorrun::kOk);
    }
    // A fixed box of half sizes hx, hy centred at (x, y).
    void wall(uint32_t id, float x, float y, float hx, float hy)
    {
        ASSERT_EQ(korrun.AddBody(id, x, y, 0, hx, hy, 0, IKorrun::kBox, IKorrun::kOrdinary, 0, 0, 0), IKorrun::kOk);
    }

    struct Place {
        float x = NAN, y = NAN, z = NAN;
    };
    Place place(uint32_t id)
    {
        Place at;
        EXPECT_EQ(korrun.GetPosition(id, &at.x, &at.y, &at.z), IKorrun::kOk);
        return at;
    }
    float speed(uint32_t id)
    {
        float value = -1.0f;
        EXPECT_EQ(korrun.GetSpeed(id, &value), IKorrun::kOk);
        return value;
    }
    uint32_t goal(uint32_t id)
    {
        uint32_t state = 99;
        EXPECT_EQ(korrun.IsAtGoal(id, &state), IKorrun::kOk);
        return state;
    }
    bool touching(uint32_t id)
    {
        bool any = false;
        EXPECT_EQ(korrun.GetCollision(id, &any), IKorrun::kOk);
        return any;
    }

    IKorrun korrun;
    uint32_t clock = 1000;
};

// A world file in memory, read through a real FILE* as the plug-in hands it over.
class WorldText {
public:
    explicit WorldText(const std::string& text) : file_(std::tmpfile())
    {
        std::fwrite(text.data(), 1, text.size(), file_);
        std::rewind(file_);
    }
    ~WorldText() { std::fclose(file_); }
    WorldText(const WorldText&) = delete;
    WorldText& operator=(const WorldText&) = delete;
    std::FILE* get() const { return file_; }

private:
    std::FILE* file_;
};
