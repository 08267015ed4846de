#pragma once

#include "platform/FfmpegByteSource.h"
#include "platform/VideoDecoder.h"

#include <memory>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVIOContext;
struct AVPacket;
struct SwrContext;
struct SwsContext;

namespace platform {

// A video opened by FFmpeg, among the containers and codecs of the games' time only: the best
// picture stream and, when one decodes, the best sound track, read packet by packet from the byte
// source. Pictures are scaled and converted by libswscale, sound is brought to interleaved 16-bit
// frames of one or two channels by libswresample. Frames that do not decode are passed over;
// reading ends when the container ends or a few thousand packets in a row gave nothing.
class FfmpegVideoFile final : public VideoFile {
public:
    // Null when the bytes hold no container FFmpeg knows, no picture stream it decodes, or
    // pictures beyond MAX_SIDE.
    static std::unique_ptr<FfmpegVideoFile> open(std::unique_ptr<FfmpegByteSource> source, VideoPixels pixels);
    ~FfmpegVideoFile() override;
    FfmpegVideoFile(const FfmpegVideoFile&) = delete;
    FfmpegVideoFile& operator=(const FfmpegVideoFile&) = delete;

    int width() const override { return width_; }
    int height() const override { return height_; }
    AudioFormat soundFormat() const override;
    VideoPiece read() override;
    void convertPicture(uint8_t* pixels, int pitchBytes) override;
    bool seek(int64_t timeUs) override;

private:
    FfmpegVideoFile(std::unique_ptr<FfmpegByteSource> source, VideoPixels pixels);

    bool openContainer();
    bool openPictures();
    // A sound track is optional: without one that decodes the video plays silent.
    void openSound();
    // The next decoded picture or sound piece of what was sent to the decoders.
    bool receivePicture(VideoPiece& piece);
    bool receiveSound(VideoPiece& piece);
    // The sound frame received last into 16-bit frames of the track's output format.
    bool convertSound();
    void sendPacket();
    // End of the container: the decoders give what they still hold.
    void drainDecoders();
    // A timestamp of a stream in microseconds from the start of the file.
    int64_t microseconds(int64_t timestamp, int stream) const;
    int64_t pictureDuration() const;

    std::unique_ptr<FfmpegByteSource> source_;
    VideoPixels pixels_;
    AVIOContext* io_ = nullptr;
    AVFormatContext* format_ = nullptr;
    AVCodecContext* pictures_ = nullptr;
    AVCodecContext* sound_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* picture_ = nullptr;
    AVFrame* soundIn_ = nullptr;
    AVFrame* soundOut_ = nullptr;
    SwsContext* scaler_ = nullptr;
    SwrContext* resampler_ = nullptr;
    int pictureStream_ = -1;
    int soundStream_ = -1;
    int width_ = 0;
    int height_ = 0;
    int soundChannels_ = 0;
    int soundRate_ = 0;
    int64_t startUs_ = 0;
    // Where the next picture or sound piece follows when its own time is missing.
    int64_t nextPictureUs_ = 0;
    int64_t nextSoundUs_ = 0;
    bool picturesPending_ = false;
    bool soundPending_ = false;
    bool draining_ = false;
};

} // namespace platform
