#include "sound/CSound4.h"

#include "foundation/CDataBuffer.h"
#include "foundation/CFile.h"
#include "foundation/CMElement.h"
#include "graphics/CWindow.h"
#include "platform/AudioBuffer.h"
#include "platform/AudioDevice.h"
#include "sound/CRiffReader.h"
#include "sound/CSoundCodec.h"
#include "sound/CSoundManager.h"

#include <cstring>

platform::AudioDevice* CSound4::CreateDirectSoundInterface(CWindow*)
{
    return platform::audio().open() ? &platform::audio() : nullptr;
}

void CSound4::DestroySoundBuffer()
{
    platform::audio().close();
}

CSound4::CSound4(CWindow* window) : CPlayable(window) {}

CSound4::CSound4(CWindow* window, const CXString& file, bool flushAfterPlayed, bool preload)
    : CPlayable(window), flushAfterPlayed_(flushAfterPlayed)
{
    setType(TYPE);
    if (CSoundManager* manager = CSoundManager::current())
        manager->add(this, false);
    setFilename(file);
    if (preload)
        load();
}

CSound4::CSound4(CWindow* window, CMElement* element)
    : CPlayable(window), loop_(element->getPropertyBoolValue("LOOP")),
      flushAfterPlayed_(element->getPropertyBoolValue("FLUSHAFTERPLAYED"))
{
    setFilename(fullPathOf(window, element->getPropertyValue("FILENAME")));
    if (getFileName().IsString() && element->getPropertyBoolValue("PRELOAD"))
        load();
}

CXString CSound4::fullPathOf(CWindow* window, const CXString& name)
{
    return window ? window->GetSoundFXFullPath(name) : name;
}

CSound4::~CSound4()
{
    if (CSoundManager* manager = CSoundManager::current())
        manager->remove(this);
    Flush();
    setStatus(0);
}

namespace {

// The format tag of a WAVE file's "fmt " chunk; 0 when the file has none.
int formatTagOf(CFile& file)
{
    CRiffReader riff(&file, 0, file.Length());
    WAVEFORMATEX format;
    return riff.readFormat(format) ? format.formatTag : 0;
}

} // namespace

bool CSound4::load()
{
    if (getFileName().endsWith(".SPX"))
        return false;
    CFile file(getWindow(), getFileName(), CFile::READ | CFile::BINARY);
    if (file.LastError() != 0)
        return false;
    Flush();
    CSoundCodec* codec = CSoundCodec::getCodec(formatTagOf(file));
    if (codec == nullptr)
        return false;
    file.Seek(0, 0);
    codec->decode(&file);
    CDataBuffer* data = codec->getData();
    const int bytes = data ? data->getCount() * data->getElementSize() : 0;
    if (bytes > 0)
        buffer_ = codec->getDesc().createBuffer(static_cast<uint32_t>(bytes));
    bool filled = false;
    platform::AudioLock locked;
    if (buffer_ && buffer_->lock(0, static_cast<uint32_t>(bytes), locked)) {
        std::memcpy(locked.first, data->getData(), locked.firstBytes);
        buffer_->unlock(locked);
        filled = true;
    }
    codec->flush();
    if (filled)
        CFileResolver::load();
    return filled;
}

bool CSound4::Load(const CXString& file)
{
    Flush();
    setFilename(file);
    return load();
}

void CSound4::Flush()
{
    if (buffer_)
        buffer_->stop();
    buffer_.reset();
    release();
}

void CSound4::Play()
{
    if (!buffer_ && !load())
        return;
    buffer_->setPosition(static_cast<uint32_t>(resumeOffset_));
    if (CSoundManager* manager = CSoundManager::current())
        manager->play(this);
    buffer_->play(false);
    const bool wasPaused = isPaused();
    resumeOffset_ = 0;
    notifyOnFinish_ = true;
    setStatus(StatusPlaying);
    notify(wasPaused ? Resumed : Started);
}

void CSound4::Play(bool loop)
{
    if (!buffer_ && !load())
        return;
    buffer_->setPosition(0);
    buffer_->play(loop);
    notifyOnFinish_ = true;
    notify(Started);
}

void CSound4::Stop()
{
    if (buffer_)
        buffer_->stop();
    setStatus(0);
}

bool CSound4::IsPlaying() const
{
    return buffer_ && (buffer_->status() & platform::AudioBuffer::PLAYING) != 0;
}

void CSound4::OnWAVFinished()
{
    const bool report = notifyOnFinish_;
    notifyOnFinish_ = true;
    // Before the report: an observer that plays the sound again keeps the buffer it loads.
    if (flushAfterPlayed_)
        Flush();
    if (report)
        notify(Finished);
}

void CSound4::SetPosition(int offset)
{
    if (buffer_ && offset >= 0)
        buffer_->setPosition(static_cast<uint32_t>(offset));
}

void CSound4::play()
{
    resumeOffset_ = 0;
    Play();
}

void CSound4::stop(bool notify)
{
    notifyOnFinish_ = notify;
    Stop();
}

void CSound4::pause()
{
    // A sound whose buffer went with its end report stays "playing" but has nothing to pause.
    if (!buffer_ || (getStatus() & StatusPlaying) == 0)
        return;
    resumeOffset_ = static_cast<int>(buffer_->playCursor());
    Stop();
    setStatus(StatusPaused);
}

void CSound4::resume()
{
    if (isPaused())
        Play();
}

bool CSound4::isPlaying() const
{
    return IsPlaying();
}

void CSound4::seek(int offset)
{
    SetPosition(offset);
}

void CSound4::setVolume(int volume)
{
    if (buffer_)
        buffer_->setVolume(volume);
    CPlayable::setVolume(volume);
}

void CSound4::setPanning(int panning)
{
    if (buffer_)
        buffer_->setPan(panning);
    CPlayable::setPanning(panning);
}

void CSound4::setFrequency(int frequency)
{
    if (buffer_ && frequency >= 0)
        buffer_->setFrequency(static_cast<uint32_t>(frequency));
    CPlayable::setFrequency(frequency);
}
