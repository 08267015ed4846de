#include "sound/CMovie.h"

#include "foundation/CFile.h"
#include "foundation/CXTimer.h"
#include "graphics/CWindow.h"
#include "platform/VideoDecoder.h"
#include "sound/CMovieClock.h"
#include "sound/CMovieDecoder.h"
#include "sound/CMovieFrameQueue.h"
#include "sound/CMovieSound.h"

#include <algorithm>
#include <cstring>

namespace {

// The timer's period: every turn.
constexpr unsigned kTurnMs = 0;

} // namespace

CMovie::CMovie(CWindow* window) : CDirectDrawSurface(window), CPlayable(window), clock_(std::make_unique<CMovieClock>()) {}

CMovie::CMovie(CWindow* window, const CXString& file) : CMovie(window)
{
    openFile(file);
}

CMovie::~CMovie()
{
    releaseStream();
}

bool CMovie::hasStream() const
{
    return video_ != nullptr;
}

bool CMovie::openFile(const CXString& file)
{
    Invalidate();
    releaseStream();
    setFilename(file);
    if (!file.IsString()) {
        setErrorCode(ERROR_NOT_FOUND);
        return false;
    }
    auto opened = std::make_unique<CFile>(getWindow(), file, CFile::READ | CFile::BINARY);
    if (opened->LastError() != 0) {
        setErrorCode(ERROR_NOT_FOUND);
        return false;
    }
    const auto pixels = getWindow() != nullptr && getWindow()->GetBpp() == 15 ? platform::VideoPixels::Rgb555
                                                                            : platform::VideoPixels::Rgb565;
    std::unique_ptr<platform::VideoFile> video = platform::videoDecoder().open(*opened->GetHandle(), pixels);
    if (video == nullptr) {
        setErrorCode(ERROR_NOT_PLAYABLE);
        return false;
    }
    return attachVideo(std::move(opened), std::move(video));
}

bool CMovie::attachVideo(std::unique_ptr<CFile> file, std::unique_ptr<platform::VideoFile> video)
{
    createVideoSurface(video->width(), video->height());
    if (GetDataPtr() == nullptr) {
        releaseStream();
        return false;
    }
    setErrorCode(0);
    const int pitchBytes = GetPitch() * 2;
    file_ = std::move(file);
    video_ = std::move(video);
    queue_ = std::make_unique<CMovieFrameQueue>(size_t(pitchBytes) * size_t(Height()) + platform::VideoFile::PADDING_BYTES);
    sound_ = std::make_unique<CMovieSound>(video_->soundFormat());
    decoder_ = std::make_unique<CMovieDecoder>(*video_, *queue_, *sound_, *clock_, pitchBytes);
    decoder_->setLoop(loopStartUs_, loopEndUs_);
    return true;
}

void CMovie::createVideoSurface(int width, int height)
{
    // The video's own size, in the display's 16-bit format.
    setSize(CXSize(width, height));
    SetBpp(getWindow() != nullptr && getWindow()->GetBpp() == 15 ? 15 : 16);
    SetPitch(width);
    create_surface(true);
    if (GetDataPtr() != nullptr)
        std::memset(GetDataPtr(), 0, size_t(GetPitch()) * 2 * size_t(height));
}

void CMovie::releaseStream()
{
    stopTimer();
    decoder_.reset();
    sound_.reset();
    queue_.reset();
    video_.reset();
    file_.reset();
    setStatus(0);
    SetDirectDrawSurfaceInterface(nullptr);
    setSize(CXSize(0, 0));
}

void CMovie::setRange(int64_t startMs, int64_t endMs)
{
    loopStartUs_ = startMs * 1000;
    loopEndUs_ = endMs < 0 ? CMovieDecoder::WHOLE_FILE : endMs * 1000;
    if (decoder_ != nullptr)
        decoder_->setLoop(loopStartUs_, loopEndUs_);
}

void CMovie::play()
{
    if (!hasStream()) {
        stop(true);
        return;
    }
    setStatus(StatusPlaying);
    restartAt(0);
    startTimer();
    notify(Started);
    Invalidate();
}

void CMovie::restartAt(int64_t timeUs)
{
    decoder_->stop();
    const bool playing = (getStatus() & StatusPlaying) != 0;
    if (playing)
        clock_->start(timeUs);
    else
        clock_->set(timeUs);
    sound_->start(timeUs, playing);
    decoder_->start(timeUs);
}

void CMovie::stop(bool notifyFinished)
{
    stopTimer();
    if (decoder_ != nullptr) {
        decoder_->stop();
        sound_->stop();
    }
    clock_->hold();
    setStatus(0);
    if (notifyFinished)
        notify(Finished);
}

void CMovie::pause()
{
    if ((getStatus() & StatusPlaying) == 0)
        return;
    clock_->hold();
    sound_->hold();
    setStatus(StatusPaused);
}

void CMovie::resume()
{
    if ((getStatus() & StatusPaused) == 0)
        return;
    clock_->release();
    sound_->release();
    setStatus(StatusPlaying);
}

void CMovie::seekTime(int64_t time)
{
    if (!hasStream() || getStatus() == 0)
        return;
    restartAt(std::max<int64_t>(time, 0) / 10);
}

void CMovie::onTimer(int id)
{
    if (hasStream() && getStatus() != 0)
        showDuePicture();
}

void CMovie::showDuePicture()
{
    const int64_t now = clock_->now();
    const size_t bytes = size_t(GetPitch()) * 2 * size_t(Height());
    uint8_t* surface = GetDataPtr();
    if (surface != nullptr && queue_->takeDue(now, [&](const uint8_t* pixels) { std::memcpy(surface, pixels, bytes); })) {
        Invalidate();
        notify(Tick);
    }
    // The observers may have stopped it, or opened another file.
    if (hasStream() && getStatus() != 0 && queue_->endDue(now))
        stop(true);
}

void CMovie::startTimer()
{
    CXTimer* timers = getWindow() != nullptr ? getWindow()->GetTimerInterface() : nullptr;
    if (timers == nullptr || timerId_ != 0)
        return;
    timerId_ = timers->newId();
    timers->add(timerId_, kTurnMs, static_cast<CTimerNotificator*>(this));
}

void CMovie::stopTimer()
{
    if (timerId_ == 0)
        return;
    getWindow()->GetTimerInterface()->remove(timerId_);
    timerId_ = 0;
}

void CMovie::Redraw()
{
    auto* target = dynamic_cast<CDirectDrawSurface*>(GetDestiny());
    if (target == nullptr) {
        CGraphicsObject::Redraw();
        return;
    }
    const CXRect whole(0, 0, Width(), Height());
    CXRect part = GetClippingRect();
    part = part.IsEmpty() ? whole : part.Common(whole);
    if (part.Width() <= 0 || part.Height() <= 0)
        return;
    const CXPoint at = GetPosition();
    target->Blt(this, at.x + part.left, at.y + part.top, &part);
}

void CMovie::waitForDecoder()
{
    if (queue_ != nullptr)
        queue_->settle();
}
