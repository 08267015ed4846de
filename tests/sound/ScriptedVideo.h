#pragma once

// A video decoder whose files a test lays out piece by piece, so movies run their threads, clocks
// and sound without any codec: pictures with their times, and pieces of 16-bit mono sound. Every
// file that exists opens as the layout given; picture k converts to the pixel value k + 1 all over,
// so a surface tells which picture it shows (0: none yet).

#include "AviBytes.h"

#include "platform/VideoDecoder.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace soundtest {

struct ScriptedPiece {
    platform::VideoPiece::Kind kind;
    int64_t timeUs;
    int64_t durationUs;
    // The picture's number, or the first sound sample's index.
    int64_t index;
    size_t frames;
};

struct VideoLayout {
    int width = 16;
    int height = 8;
    uint32_t soundRate = 0;
    std::vector<ScriptedPiece> pieces;
};

// `pictures` pictures of `frameMs` each, each after the sound that plays with it (soundSample).
inline VideoLayout regularLayout(int pictures, int64_t frameMs, uint32_t soundRate = 0)
{
    VideoLayout layout;
    layout.soundRate = soundRate;
    for (int k = 0; k < pictures; ++k) {
        const int64_t timeUs = k * frameMs * 1000;
        if (soundRate > 0) {
            const int64_t first = timeUs * soundRate / 1000000;
            const int64_t until = (timeUs + frameMs * 1000) * soundRate / 1000000;
            layout.pieces.push_back({platform::VideoPiece::Sound, timeUs, 0, first, size_t(until - first)});
        }
        layout.pieces.push_back({platform::VideoPiece::Picture, timeUs, frameMs * 1000, k, 0});
    }
    return layout;
}

class ScriptedVideo final : public platform::VideoFile {
public:
    ScriptedVideo(const VideoLayout& layout, std::atomic<int>& seeks) : layout_(layout), seeks_(seeks) {}

    int width() const override { return layout_.width; }
    int height() const override { return layout_.height; }
    platform::AudioFormat soundFormat() const override
    {
        if (layout_.soundRate == 0)
            return platform::AudioFormat{};
        return platform::AudioFormat{1, layout_.soundRate, layout_.soundRate * 2, 2, 16};
    }
    platform::VideoPiece read() override
    {
        if (next_ >= layout_.pieces.size())
            return platform::VideoPiece{};
        const ScriptedPiece& piece = layout_.pieces[next_++];
        platform::VideoPiece out{piece.kind, piece.timeUs, piece.durationUs, nullptr, 0};
        if (piece.kind == platform::VideoPiece::Picture) {
            picture_ = piece.index;
        } else {
            samples_.resize(piece.frames);
            for (size_t i = 0; i < piece.frames; ++i)
                samples_[i] = soundSample(piece.index + int64_t(i));
            out.samples = samples_.data();
            out.frames = piece.frames;
        }
        return out;
    }
    void convertPicture(uint8_t* pixels, int pitchBytes) override
    {
        for (int y = 0; y < layout_.height; ++y) {
            auto* row = reinterpret_cast<uint16_t*>(pixels + size_t(y) * size_t(pitchBytes));
            std::fill(row, row + layout_.width, uint16_t(picture_ + 1));
        }
    }
    // To the piece after the last picture that starts by then: a key picture every picture, and
    // its sound comes before it.
    bool seek(int64_t timeUs) override
    {
        ++seeks_;
        next_ = 0;
        for (size_t i = 0; i < layout_.pieces.size(); ++i) {
            const ScriptedPiece& piece = layout_.pieces[i];
            if (piece.kind == platform::VideoPiece::Picture && piece.timeUs <= timeUs)
                next_ = i > 0 && layout_.pieces[i - 1].kind == platform::VideoPiece::Sound ? i - 1 : i;
        }
        return true;
    }

private:
    VideoLayout layout_;
    std::atomic<int>& seeks_;
    size_t next_ = 0;
    int64_t picture_ = 0;
    std::vector<int16_t> samples_;
};

class ScriptedDecoder final : public platform::VideoDecoder {
public:
    std::unique_ptr<platform::VideoFile> open(platform::FileHandle&, platform::VideoPixels) override
    {
        return std::make_unique<ScriptedVideo>(layout, seeks);
    }

    VideoLayout layout = regularLayout(10, 40);
    std::atomic<int> seeks{0};
};

} // namespace soundtest
