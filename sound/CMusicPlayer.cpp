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
    stream_ = std::make_unique<CSndStream>(window_, path);
    if (stream_->LastError() != 0)
        return;
    fileName_ = path;
    stream_->Play(loop);
}

void CMusicPlayer::stop()
{
    stream_.reset();
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
