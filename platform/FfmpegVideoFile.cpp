#include "platform/FfmpegVideoFile.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

constexpr int kIoBufferBytes = 32768;
// Packets read for one piece before the reader gives up on the file.
constexpr int kPacketsPerPiece = 4096;
constexpr AVRational kMicroseconds{1, 1000000};
// A picture of a stream that tells no frame rate shows this long.
constexpr int64_t kDefaultPictureUs = 40000;
// Sound outside these rates is not played: converting it would cost far more than it is worth.
constexpr int kLowestRate = 4000;
constexpr int kHighestRate = 192000;
constexpr int kMostChannels = 64;

// What the games' videos were: AVI, MPEG, ASF and QuickTime files with the codecs of their time.
// Nothing else is opened, so hostile files meet only these readers.
constexpr const char* kContainers = "avi,mpeg,mpegts,mpegvideo,asf,mov";
constexpr const char* kCodecs =
    "rawvideo,mjpeg,cinepak,msvideo1,msrle,indeo2,indeo3,indeo4,indeo5,mpeg1video,mpeg2video,mpeg4,msmpeg4v1,"
    "msmpeg4v2,msmpeg4,h263,h264,wmv1,wmv2,wmv3,vc1,svq1,svq3,qtrle,smc,rpza,"
    "pcm_u8,pcm_s16le,pcm_s16be,pcm_s24le,pcm_alaw,pcm_mulaw,adpcm_ms,adpcm_ima_wav,adpcm_ima_qt,mp1,mp2,mp3,"
    "gsm_ms,wmav1,wmav2,ac3,aac,qdm2";

bool playableSound(int rate, int channels)
{
    return rate >= kLowestRate && rate <= kHighestRate && channels > 0 && channels <= kMostChannels;
}

int readBytes(void* opaque, uint8_t* buffer, int size)
{
    if (size <= 0)
        return 0;
    const size_t got = static_cast<FfmpegByteSource*>(opaque)->read(buffer, static_cast<size_t>(size));
    return got == 0 ? AVERROR_EOF : static_cast<int>(got);
}

int64_t seekBytes(void* opaque, int64_t offset, int whence)
{
    auto* source = static_cast<FfmpegByteSource*>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE)
        return source->size();
    return source->seek(offset, whence);
}

// FFmpeg's own reports of damaged input go nowhere.
void silenceLibraries()
{
    static const bool silenced = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)silenced;
}

AVCodecContext* openDecoder(const AVStream* stream)
{
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (codec == nullptr || av_match_list(codec->name, kCodecs, ',') <= 0)
        return nullptr;
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (context == nullptr)
        return nullptr;
    // The decoder runs on the movie's own thread already.
    context->thread_count = 1;
    if (avcodec_parameters_to_context(context, stream->codecpar) < 0 || avcodec_open2(context, codec, nullptr) < 0)
        avcodec_free_context(&context);
    return context;
}

} // namespace

FfmpegVideoFile::FfmpegVideoFile(std::unique_ptr<FfmpegByteSource> source, VideoPixels pixels)
    : source_(std::move(source)), pixels_(pixels)
{
}

std::unique_ptr<FfmpegVideoFile> FfmpegVideoFile::open(std::unique_ptr<FfmpegByteSource> source, VideoPixels pixels)
{
    silenceLibraries();
    std::unique_ptr<FfmpegVideoFile> file(new FfmpegVideoFile(std::move(source), pixels));
    if (!file->openContainer() || !file->openPictures())
        return nullptr;
    file->openSound();
    for (unsigned i = 0; i < file->format_->nb_streams; ++i) {
        if (static_cast<int>(i) != file->pictureStream_ && static_cast<int>(i) != file->soundStream_)
            file->format_->streams[i]->discard = AVDISCARD_ALL;
    }
    file->packet_ = av_packet_alloc();
    file->picture_ = av_frame_alloc();
    file->soundIn_ = av_frame_alloc();
    file->soundOut_ = av_frame_alloc();
    if (file->packet_ == nullptr || file->picture_ == nullptr || file->soundIn_ == nullptr || file->soundOut_ == nullptr)
        return nullptr;
    return file;
}

FfmpegVideoFile::~FfmpegVideoFile()
{
    sws_freeContext(scaler_);
    swr_free(&resampler_);
    av_frame_free(&soundOut_);
    av_frame_free(&soundIn_);
    av_frame_free(&picture_);
    av_packet_free(&packet_);
    avcodec_free_context(&sound_);
    avcodec_free_context(&pictures_);
    avformat_close_input(&format_);
    if (io_ != nullptr)
        av_freep(&io_->buffer);
    avio_context_free(&io_);
}

bool FfmpegVideoFile::openContainer()
{
    auto* buffer = static_cast<uint8_t*>(av_malloc(kIoBufferBytes));
    if (buffer == nullptr)
        return false;
    io_ = avio_alloc_context(buffer, kIoBufferBytes, 0, source_.get(), readBytes, nullptr, seekBytes);
    format_ = avformat_alloc_context();
    if (io_ == nullptr || format_ == nullptr) {
        if (io_ == nullptr)
            av_free(buffer);
        return false;
    }
    format_->pb = io_;
    format_->flags |= AVFMT_FLAG_CUSTOM_IO;
    format_->format_whitelist = av_strdup(kContainers);
    format_->codec_whitelist = av_strdup(kCodecs);
    // A context that fails to open is freed by the call.
    if (avformat_open_input(&format_, nullptr, nullptr, nullptr) < 0)
        return false;
    if (avformat_find_stream_info(format_, nullptr) < 0)
        return false;
    if (format_->start_time != AV_NOPTS_VALUE && format_->start_time > 0)
        startUs_ = format_->start_time;
    return true;
}

bool FfmpegVideoFile::openPictures()
{
    pictureStream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (pictureStream_ < 0)
        return false;
    const AVStream* stream = format_->streams[pictureStream_];
    // A cover picture of a sound file is no video.
    if ((stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0)
        return false;
    width_ = stream->codecpar->width;
    height_ = stream->codecpar->height;
    if (width_ <= 0 || height_ <= 0 || width_ > MAX_SIDE || height_ > MAX_SIDE)
        return false;
    pictures_ = openDecoder(stream);
    return pictures_ != nullptr;
}

void FfmpegVideoFile::openSound()
{
    const int found = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, pictureStream_, nullptr, 0);
    if (found < 0)
        return;
    sound_ = openDecoder(format_->streams[found]);
    if (sound_ == nullptr)
        return;
    const int channels = sound_->ch_layout.nb_channels;
    resampler_ = swr_alloc();
    if (!playableSound(sound_->sample_rate, channels) || resampler_ == nullptr) {
        avcodec_free_context(&sound_);
        return;
    }
    soundStream_ = found;
    soundChannels_ = std::min(channels, 2);
    soundRate_ = sound_->sample_rate;
}

AudioFormat FfmpegVideoFile::soundFormat() const
{
    if (soundStream_ < 0)
        return AudioFormat{};
    const auto blockAlign = static_cast<uint16_t>(2 * soundChannels_);
    return AudioFormat{static_cast<uint16_t>(soundChannels_), static_cast<uint32_t>(soundRate_),
                       static_cast<uint32_t>(soundRate_) * blockAlign, blockAlign, 16};
}

int64_t FfmpegVideoFile::microseconds(int64_t timestamp, int stream) const
{
    return av_rescale_q(timestamp, format_->streams[stream]->time_base, kMicroseconds) - startUs_;
}

int64_t FfmpegVideoFile::pictureDuration() const
{
    if (picture_->pkt_duration > 0) {
        const int64_t us = av_rescale_q(picture_->pkt_duration, format_->streams[pictureStream_]->time_base, kMicroseconds);
        if (us > 0)
            return us;
    }
    const AVRational rate = format_->streams[pictureStream_]->avg_frame_rate;
    if (rate.num > 0 && rate.den > 0) {
        const int64_t us = av_rescale_q(1, av_inv_q(rate), kMicroseconds);
        if (us > 0)
            return us;
    }
    return kDefaultPictureUs;
}

VideoPiece FfmpegVideoFile::read()
{
    VideoPiece piece;
    for (int packets = 0; packets < kPacketsPerPiece; ++packets) {
        if (picturesPending_ && receivePicture(piece))
            return piece;
        if (soundPending_ && receiveSound(piece))
            return piece;
        if (draining_)
            return VideoPiece{};
        sendPacket();
    }
    return VideoPiece{};
}

void FfmpegVideoFile::sendPacket()
{
    if (av_read_frame(format_, packet_) < 0) {
        drainDecoders();
        return;
    }
    // A packet that does not decode is passed over.
    if (packet_->stream_index == pictureStream_)
        picturesPending_ = avcodec_send_packet(pictures_, packet_) >= 0;
    else if (packet_->stream_index == soundStream_)
        soundPending_ = avcodec_send_packet(sound_, packet_) >= 0;
    av_packet_unref(packet_);
}

void FfmpegVideoFile::drainDecoders()
{
    draining_ = true;
    picturesPending_ = avcodec_send_packet(pictures_, nullptr) >= 0;
    soundPending_ = sound_ != nullptr && avcodec_send_packet(sound_, nullptr) >= 0;
}

bool FfmpegVideoFile::receivePicture(VideoPiece& piece)
{
    while (avcodec_receive_frame(pictures_, picture_) >= 0) {
        if (picture_->width <= 0 || picture_->height <= 0 || picture_->format < 0)
            continue;
        const int64_t timestamp = picture_->best_effort_timestamp;
        piece.kind = VideoPiece::Picture;
        piece.timeUs = timestamp != AV_NOPTS_VALUE ? microseconds(timestamp, pictureStream_) : nextPictureUs_;
        piece.durationUs = pictureDuration();
        nextPictureUs_ = piece.timeUs + piece.durationUs;
        return true;
    }
    picturesPending_ = false;
    return false;
}

bool FfmpegVideoFile::receiveSound(VideoPiece& piece)
{
    while (avcodec_receive_frame(sound_, soundIn_) >= 0) {
        if (!convertSound())
            continue;
        const int64_t timestamp = soundIn_->best_effort_timestamp;
        piece.kind = VideoPiece::Sound;
        piece.timeUs = timestamp != AV_NOPTS_VALUE ? microseconds(timestamp, soundStream_) : nextSoundUs_;
        piece.samples = reinterpret_cast<const int16_t*>(soundOut_->data[0]);
        piece.frames = static_cast<size_t>(soundOut_->nb_samples);
        nextSoundUs_ = piece.timeUs + static_cast<int64_t>(piece.frames) * 1000000 / soundRate_;
        return true;
    }
    soundPending_ = false;
    return false;
}

bool FfmpegVideoFile::convertSound()
{
    if (!playableSound(soundIn_->sample_rate, soundIn_->ch_layout.nb_channels))
        return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        av_frame_unref(soundOut_);
        av_channel_layout_default(&soundOut_->ch_layout, soundChannels_);
        soundOut_->sample_rate = soundRate_;
        soundOut_->format = AV_SAMPLE_FMT_S16;
        if (swr_convert_frame(resampler_, soundOut_, soundIn_) >= 0)
            return soundOut_->nb_samples > 0 && soundOut_->data[0] != nullptr;
        // The track changed its layout or rate: the converter starts again from this frame.
        swr_close(resampler_);
    }
    return false;
}

void FfmpegVideoFile::convertPicture(uint8_t* pixels, int pitchBytes)
{
    const AVPixelFormat to = pixels_ == VideoPixels::Rgb565 ? AV_PIX_FMT_RGB565LE : AV_PIX_FMT_RGB555LE;
    scaler_ = sws_getCachedContext(scaler_, picture_->width, picture_->height, static_cast<AVPixelFormat>(picture_->format),
                                   width_, height_, to, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (scaler_ == nullptr || picture_->data[0] == nullptr)
        return;
    uint8_t* planes[4] = {pixels, nullptr, nullptr, nullptr};
    int pitches[4] = {pitchBytes, 0, 0, 0};
    sws_scale(scaler_, picture_->data, picture_->linesize, 0, picture_->height, planes, pitches);
}

bool FfmpegVideoFile::seek(int64_t timeUs)
{
    // Rounded down: the picture showing at the time, not the next one.
    const int64_t target = av_rescale_q_rnd(std::max<int64_t>(timeUs, 0) + startUs_, kMicroseconds,
                                            format_->streams[pictureStream_]->time_base, AV_ROUND_DOWN);
    if (av_seek_frame(format_, pictureStream_, target, AVSEEK_FLAG_BACKWARD) < 0 &&
        avformat_seek_file(format_, pictureStream_, INT64_MIN, target, target, 0) < 0)
        return false;
    avcodec_flush_buffers(pictures_);
    if (sound_ != nullptr) {
        avcodec_flush_buffers(sound_);
        swr_close(resampler_);
    }
    picturesPending_ = soundPending_ = draining_ = false;
    nextPictureUs_ = nextSoundUs_ = std::max<int64_t>(timeUs, 0);
    return true;
}

} // namespace platform
