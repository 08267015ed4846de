#include "sound/CMovieDecoder.h"

#include "platform/VideoDecoder.h"
#include "sound/CMovieClock.h"
#include "sound/CMovieFrameQueue.h"
#include "sound/CMovieSound.h"

#include <algorithm>

namespace {

// How long the thread sleeps when it waits for the clock; the sound ring is looked after as often.
constexpr uint32_t kWaitMs = 5;

// Frames of sound at `rate` within a span of microseconds, rounded up.
int64_t framesIn(int64_t spanUs, int rate)
{
    return spanUs <= 0 ? 0 : (spanUs * rate + 999999) / 1000000;
}

} // namespace

CMovieDecoder::CMovieDecoder(platform::VideoFile& file, CMovieFrameQueue& queue, CMovieSound& sound,
                             const CMovieClock& clock, int pitchBytes)
    : file_(file), queue_(queue), sound_(sound), clock_(clock), pitchBytes_(pitchBytes),
      soundRate_(static_cast<int>(file.soundFormat().samplesPerSec)), soundChannels_(file.soundFormat().channels)
{
}

CMovieDecoder::~CMovieDecoder()
{
    stop();
}

void CMovieDecoder::start(int64_t fromUs)
{
    stop();
    fromUs = std::max<int64_t>(fromUs, 0);
    // A file just opened is at its start already.
    if (fileRead_ || fromUs > 0)
        file_.seek(fromUs);
    fileRead_ = true;
    queue_.clear();
    offsetUs_ = 0;
    floorUs_ = pictureEndUs_ = fromUs;
    picturesSinceJump_ = 0;
    pictureWaiting_ = false;
    soundWaiting_.clear();
    ended_ = false;
    queue_.decoderStarted();
    thread_.start([this](platform::Thread& self) { run(self); });
}

void CMovieDecoder::stop()
{
    if (!thread_.joinable())
        return;
    thread_.requestStop();
    queue_.kick();
    thread_.join();
}

void CMovieDecoder::setLoop(int64_t startUs, int64_t endUs)
{
    loopStartUs_ = startUs;
    loopEndUs_ = endUs;
}

bool CMovieDecoder::loopRangeSet(int64_t& startUs, int64_t& endUs) const
{
    startUs = loopStartUs_;
    endUs = loopEndUs_;
    return endUs > 0 && endUs > startUs;
}

void CMovieDecoder::run(platform::Thread& self)
{
    while (!self.stopRequested()) {
        const uint64_t pass = queue_.beginPass();
        if (!step())
            queue_.waitForWork(pass, kWaitMs);
    }
    queue_.decoderEnded();
}

bool CMovieDecoder::step()
{
    sound_.update();
    if (!soundWaiting_.empty())
        return flushSound();
    if (pictureWaiting_)
        return deliverPicture();
    if (ended_)
        return false;
    const platform::VideoPiece piece = file_.read();
    switch (piece.kind) {
    case platform::VideoPiece::Picture:
        takePicture(piece);
        break;
    case platform::VideoPiece::Sound:
        takeSound(piece);
        break;
    case platform::VideoPiece::End:
        reachEnd();
        break;
    }
    return true;
}

void CMovieDecoder::takePicture(const platform::VideoPiece& piece)
{
    ++picturesSinceJump_;
    pictureEndUs_ = piece.timeUs + piece.durationUs;
    int64_t loopStart = 0, loopEnd = 0;
    if (loopRangeSet(loopStart, loopEnd) && piece.timeUs >= loopEnd) {
        jumpTo(loopStart, loopEnd);
        return;
    }
    // Pictures gone by before the place reading started from are not shown.
    if (pictureEndUs_ <= floorUs_)
        return;
    pictureWaiting_ = true;
    pictureTimeUs_ = offsetUs_ + piece.timeUs;
}

bool CMovieDecoder::deliverPicture()
{
    uint8_t* buffer = queue_.freeBuffer(clock_.now());
    if (buffer == nullptr)
        return false;
    file_.convertPicture(buffer, pitchBytes_);
    queue_.push(buffer, pictureTimeUs_);
    pictureWaiting_ = false;
    return true;
}

void CMovieDecoder::takeSound(const platform::VideoPiece& piece)
{
    if (soundRate_ <= 0 || soundChannels_ <= 0 || !sound_.isAudible())
        return;
    const auto frames = static_cast<int64_t>(piece.frames);
    // Sound before where reading started, and past the loop's end, is not played.
    const int64_t first = std::min(framesIn(floorUs_ - piece.timeUs, soundRate_), frames);
    int64_t last = frames;
    int64_t loopStart = 0, loopEnd = 0;
    if (loopRangeSet(loopStart, loopEnd))
        last = std::clamp<int64_t>(framesIn(loopEnd - piece.timeUs, soundRate_), first, frames);
    if (last <= first)
        return;
    soundWaiting_.assign(piece.samples + first * soundChannels_, piece.samples + last * soundChannels_);
    soundTaken_ = 0;
    soundTimeUs_ = offsetUs_ + piece.timeUs + first * 1000000 / soundRate_;
    flushSound();
}

bool CMovieDecoder::flushSound()
{
    const size_t frames = soundWaiting_.size() / size_t(soundChannels_);
    const int64_t atUs = soundTimeUs_ + static_cast<int64_t>(soundTaken_) * 1000000 / soundRate_;
    soundTaken_ += sound_.write(atUs, soundWaiting_.data() + soundTaken_ * size_t(soundChannels_), frames - soundTaken_);
    if (soundTaken_ < frames)
        return false;
    soundWaiting_.clear();
    return true;
}

void CMovieDecoder::reachEnd()
{
    // A pass that read no picture at all would loop for ever.
    if (loopEndUs_ == WHOLE_FILE && picturesSinceJump_ > 0) {
        jumpTo(0, pictureEndUs_);
        return;
    }
    queue_.pushEnd(offsetUs_ + std::max(pictureEndUs_, floorUs_));
    ended_ = true;
}

void CMovieDecoder::jumpTo(int64_t fileUs, int64_t passEndUs)
{
    if (!file_.seek(fileUs)) {
        queue_.pushEnd(offsetUs_ + passEndUs);
        ended_ = true;
        return;
    }
    offsetUs_ += passEndUs - fileUs;
    floorUs_ = pictureEndUs_ = fileUs;
    picturesSinceJump_ = 0;
}
