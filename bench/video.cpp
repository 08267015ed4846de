// Real time per picture of an 800 x 600 JPEG clip (50 pictures, looped), decoded, converted to
// 16-bit 5-6-5 pixels and handed over for showing.
//
// "engine" is a playing CMovie: its decoder thread reads and converts a picture into its queue,
// and the movie's turn puts the due one into its surface; each iteration is one picture, the
// clock stepped by its 40 ms once the decoder has refilled the queue. The peer "libav" is the bare
// loop over the same file: av_read_frame, avcodec_send_packet / avcodec_receive_frame and
// sws_scale into one buffer, with the same decoder settings and scaler. After the table the
// program prints the ratio and what share of the clip's 40 ms frame time a picture takes.
#include "sound/AviBytes.h"

#include "bench/RatioReporter.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/ManualClock.h"
#include "platform/VideoDecoder.h"
#include "sound/CMovie.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kFrames = 50;

// Moving gradients with fine detail, so the pictures cost what real ones do.
void texture(int frame, int x, int y, uint8_t* rgb)
{
    rgb[0] = uint8_t(x / 4 + frame * 5);
    rgb[1] = uint8_t(y / 3 + frame * 3);
    rgb[2] = uint8_t(((x ^ y) & 31) * 4 + frame);
}

const std::filesystem::path& clipFile()
{
    static const std::filesystem::path file = [] {
        const std::filesystem::path path = std::filesystem::temp_directory_path() / "tamzora_bench_clip.avi";
        const std::string bytes = soundtest::aviBytes(
            {.width = kWidth, .height = kHeight, .frames = kFrames, .jpeg = true, .texture = texture});
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }();
    return file;
}

void engine(benchmark::State& state)
{
    platform::ManualClock clock;
    platform::HeadlessDisplay display;
    platform::HeadlessHostWindow host{platform::WindowSettings{}};
    platform::DriveMap drives;
    // The engine names files the games' way: the clip's folder as drive B:.
    drives.set('B', clipFile().parent_path().string(), platform::DriveType::Fixed);
    platform::setDrives(&drives);
    platform::setClock(&clock);
    platform::setDisplay(&display);
    display.openWindowed(&host, kWidth, kHeight);
    {
        const std::string name = "B:\\" + clipFile().filename().string();
        CMovie movie(nullptr, name.c_str());
        if (!movie.hasStream()) {
            state.SkipWithError("the clip does not open");
        } else {
            movie.setRange(0, -1);
            movie.play();
            for (auto _ : state) {
                movie.waitForDecoder();
                clock.advance(40);
                movie.onTimer(0);
            }
        }
    }
    display.close();
    platform::setDisplay(nullptr);
    platform::setClock(nullptr);
    platform::setDrives(nullptr);
}

void libav(benchmark::State& state)
{
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, clipFile().c_str(), nullptr, nullptr) < 0 || avformat_find_stream_info(format, nullptr) < 0) {
        state.SkipWithError("the clip does not open");
        return;
    }
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec* codec = avcodec_find_decoder(format->streams[stream]->codecpar->codec_id);
    AVCodecContext* decoder = avcodec_alloc_context3(codec);
    decoder->thread_count = 1;
    avcodec_parameters_to_context(decoder, format->streams[stream]->codecpar);
    avcodec_open2(decoder, codec, nullptr);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    SwsContext* scaler = nullptr;
    std::vector<uint8_t> pixels(size_t(kWidth) * kHeight * 2 + platform::VideoFile::PADDING_BYTES);
    uint8_t* planes[4] = {pixels.data(), nullptr, nullptr, nullptr};
    int pitches[4] = {kWidth * 2, 0, 0, 0};
    for (auto _ : state) {
        while (avcodec_receive_frame(decoder, frame) < 0) {
            if (av_read_frame(format, packet) < 0) {
                av_seek_frame(format, stream, 0, AVSEEK_FLAG_BACKWARD);
                avcodec_flush_buffers(decoder);
                continue;
            }
            if (packet->stream_index == stream)
                avcodec_send_packet(decoder, packet);
            av_packet_unref(packet);
        }
        scaler = sws_getCachedContext(scaler, frame->width, frame->height, AVPixelFormat(frame->format), kWidth, kHeight,
                                      AV_PIX_FMT_RGB565LE, SWS_BILINEAR, nullptr, nullptr, nullptr);
        sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, planes, pitches);
        benchmark::DoNotOptimize(pixels.data());
    }
    sws_freeContext(scaler);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
}

BENCHMARK(engine)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(libav)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    av_log_set_level(AV_LOG_QUIET);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.realTime("engine/min_time:2.000/real_time");
    const double peer = reporter.realTime("libav/min_time:2.000/real_time");
    if (ours > 0 && peer > 0)
        std::printf("\n800x600 JPEG picture: engine %.2f ms, libav %.2f ms, ratio %.2f (goal 1.2); %.0f%% of the 40 ms frame time\n",
                    ours, peer, ours / peer, ours / 40.0 * 100.0);
    std::filesystem::remove(clipFile());
    return 0;
}
