#include "sound/CMusicPlayer.h"

#include "sound/CSndStream.h"

CMusicPlayer::CMusicPlayer(CWindow* window) : window_(window) {}

CMusicPlayer::~CMusicPlayer() = default;

CXString CMusicPlayer::getFileName()
{
    return fileName_;
}

void CMusicPlayer::play(const CXString& path, bool loop)
{
    stream_.reset();
    paused_ = false;
    stream_ = std::make_unique<CSndStream>(window_, path);
    if (stream_->LastError() != 0)
        return;
    fileName_ = path;
    looping_ = loop;
    stream_->Play(loop);
}

void CMusicPlayer::stop()
{
    stream_.reset();
    paused_ = false;
}

void CMusicPlayer::pause()
{
    if (!isPlaying())
        return;
    stream_->Pause();
    paused_ = true;
}

void CMusicPlayer::resume()
{
    if (!paused_)
        return;
    paused_ = false;
    stream_->Resume(looping_);
}

bool CMusicPlayer::isPlaying()
{
    return stream_ && stream_->IsPlaying();
}

void CMusicPlayer::setVolume(int volume)
{
    if (stream_)
        stream_->setVolume(volume);
}

int CMusicPlayer::getVolume()
{
    return stream_ ? stream_->getVolume() : 0;
}

void CMusicPlayer::setPan(int pan)
{
    if (stream_)
        stream_->setPan(pan);
}

void CMusicPlayer::setFreq(int frequency)
{
    if (stream_)
        stream_->setFreq(frequency);
}
