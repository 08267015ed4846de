#include "graphics/CAnimo.h"

#include "foundation/CFile.h"
#include "foundation/IntegerWrap.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CAnimoReader.h"
#include "graphics/CAnimoWriter.h"
#include "graphics/CColor.h"
#include "graphics/CFrameSoundFactory.h"
#include "graphics/CRefreshScreen.h"

using foundation::wrapAdd;
using foundation::wrapSub;

namespace {

// The smallest rectangle holding both; one without area does not count.
CXRect unite(const CXRect& a, const CXRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return a | b;
}

} // namespace

CAnimo::CAnimo(CWindow* window) : CGraphicsObject(window), CPlayable(window)
{
    initialize();
}

CAnimo::CAnimo(CWindow* window, const CXString& file) : CAnimo(window)
{
    Load(file);
}

CAnimo::CAnimo(CAnimo& other)
    : CGraphicsObject(other.getWindow(), other), CPlayable(other.getWindow()), CAnimoEvents(other),
      frames_(other.frames_), author_(other.author_), description_(other.description_),
      currentFrame_(other.currentFrame_), moveX_(other.moveX_), moveY_(other.moveY_), fps_(other.fps_)
{
    initialize();
    setFlagByte(1);
    setName(other.getName());
    updateWithCurrentFrame();
    SetEventFrame(GetCurrentEvent(), GetCurrentFrameInSequence());
}

void CAnimo::initialize()
{
    setType(2);
    SetAutoClip(true);
    if (CAnimationManager* manager = CAnimationManager::installed())
        manager->add(this, nullptr);
}

CAnimo::~CAnimo()
{
    if (CAnimationManager* manager = CAnimationManager::installed())
        manager->remove(this);
    CAnimo::Flush();
}

// ---- playable ------------------------------------------------------------------------------

void CAnimo::play()
{
    Play(GetCurrentEvent(), 0, 15);
}

void CAnimo::stop(bool notify)
{
    Stop();
    if (notify)
        CPlayable::notify(Finished);
}

int CAnimo::previous()
{
    Prev();
    return GetCurrentFrameInSequence();
}

int CAnimo::next()
{
    if (direction_ == Backward)
        Prev();
    else
        Next();
    return GetCurrentFrameInSequence();
}

void CAnimo::setPosition(int x, int y)
{
    CGraphicsObject::setPosition(x, y);
}

void CAnimo::setPosition(CXPoint p)
{
    CGraphicsObject::setPosition(p);
}

void CAnimo::SetGlobalPosition(int x, int y)
{
    CXPoint anchor = getAnchor();
    moveX_ = wrapSub(x, anchor.x);
    moveY_ = wrapSub(y, anchor.y);
    reportPositionChange();
}

void CAnimo::setVisibility(bool visible)
{
    if (visible)
        show();
    else
        hide();
}

void CAnimo::show()
{
    if (!isLoaded() && getFileName().IsString())
        Load(getFileName());
    Visible(true);
}

void CAnimo::hide()
{
    if (releaseAfterUse())
        Flush();
    Visible(false);
}

void CAnimo::alwaysOnTop()
{
    // Only the screen puts itself as an object's canvas.
    if (auto* screen = dynamic_cast<CRefreshScreen*>(GetCanvas()))
        screen->SetFlags(this, 1);
}

// ---- graphics object -----------------------------------------------------------------------

CXPoint CAnimo::getCenterPoint()
{
    return frames_.empty() ? CGraphicsObject::getCenterPoint() : frames_.front()->getCenterPoint();
}

void CAnimo::SetPosition(int x, int y)
{
    for (const auto& frame : frames_)
        frame->SetPosition(x, y);
    if (CFrame* frame = GetFrame(-1))
        placeAt(frame->GetFramePosition());
}

void CAnimo::Move(int dx, int dy)
{
    CXRect before = GetBoundingBox();
    moveX_ = wrapAdd(moveX_, dx);
    moveY_ = wrapAdd(moveY_, dy);
    CXRect moved = unite(before, GetBoundingBox());
    if (GetCanvas() != nullptr)
        GetCanvas()->Invalidate(&moved);
    markInvalidated();
    reportPositionChange();
}

void CAnimo::Flush()
{
    lastDrawn_ = nullptr;
    dropBorrowedPlanes();
    frames_.clear();
    RemoveAllEvents();
    currentFrame_ = -1;
    setCurrentPosition(-1);
    moveX_ = moveY_ = 0;
    runState_ = Stopped;
    setStatus(0);
    stream_.reset();
    currentSound_.reset();
    release();
    CGraphicsObject::Flush();
}

bool CAnimo::DeCompress()
{
    bool whole = true;
    forEachFrame([&whole](CFrame& frame) { whole = frame.DeCompress() && whole; });
    return whole;
}

bool CAnimo::DeCompressRLE2()
{
    bool whole = true;
    forEachFrame([&whole](CFrame& frame) { whole = frame.DeCompressRLE2() && whole; });
    return whole;
}

void CAnimo::pack(bool freeUnpacked)
{
    forEachFrame([freeUnpacked](CFrame& frame) { frame.pack(freeUnpacked); });
}

void CAnimo::unpack()
{
    forEachFrame([](CFrame& frame) { frame.unpack(); });
}

CColor CAnimo::GetPixel(int x, int y)
{
    CFrame* frame = GetFrame(-1);
    return frame != nullptr ? frame->GetPixel(x, y) : CColor(0, 0, 0);
}

int CAnimo::GetPixel(_channel channel, CXPoint p)
{
    CFrame* frame = lastDrawn_ != nullptr ? lastDrawn_ : GetFrame(-1);
    return frame != nullptr ? frame->GetPixel(channel, p) : 0;
}

void CAnimo::Redraw()
{
    drawCurrentFrame(nullptr);
}

CXPoint CAnimo::GetPosition()
{
    CFrame* frame = GetFrame(-1);
    if (frame == nullptr)
        return CXPoint();
    return frame->GetPosition() + CXPoint(moveX_, moveY_) + currentRecordOffset();
}

CXRect CAnimo::GetBoundingBox()
{
    CFrame* frame = GetFrame(-1);
    if (frame == nullptr)
        return CXRect();
    CXPoint at = frame->GetFramePosition() + CXPoint(moveX_, moveY_) + currentRecordOffset();
    CXRect box(at.x, at.y, wrapAdd(at.x, frame->Width()), wrapAdd(at.y, frame->Height()));
    CXRect clip = GetClippingRect();
    if (clip.Width() != 0 && clip.Height() != 0)
        box = box.Common(clip + GetPosition());
    return box;
}

CGraphicsObject* CAnimo::getDrawn()
{
    CFrame* frame = GetFrame(-1);
    return frame != nullptr ? static_cast<CGraphicsObject*>(frame) : this;
}

void CAnimo::drawCurrentFrame(CGraphicsObject* target)
{
    CFrame* frame = GetFrame(-1);
    if (frame == nullptr)
        return;
    packLastDrawn(frame);
    CXRect clip = frame->GetClippingRect();
    CXPoint offset = frame->GetFramePosition();
    CGraphicsObject* destiny = frame->GetDestiny();
    unsigned char opacity = frame->GetOpacity();
    frame->SetClippingRect(GetClippingRect());
    frame->SetPosition(GetPosition());
    frame->SetOpacity(GetOpacity());
    if (target != nullptr) {
        frame->redraw(target);
    } else {
        frame->SetDestiny(GetDestiny());
        frame->Redraw();
        frame->SetDestiny(destiny);
    }
    frame->SetOpacity(opacity);
    frame->SetPosition(offset);
    frame->SetClippingRect(clip);
    lastDrawn_ = frame;
    // Drawing may convert the frame's planes: show the ones it has now.
    updateWithCurrentFrame();
}

void CAnimo::packLastDrawn(CFrame* next)
{
    if (lastDrawn_ == nullptr || lastDrawn_ == next)
        return;
    for (const std::shared_ptr<CFrame>& frame : frames_) {
        if (frame.get() == lastDrawn_ && frame.use_count() == 1)
            frame->bringBackCompressed();
    }
}

void CAnimo::invalidateOnScreen(CXRect rect)
{
    if (isVisible() && GetCanvas() != nullptr)
        GetCanvas()->Invalidate(&rect);
}

// ---- frames --------------------------------------------------------------------------------

CFrame* CAnimo::GetFrame(int frame) const
{
    int index = frame == -1 ? currentFrame_ : frame;
    if (index < 0 || index >= GetNOF())
        return nullptr;
    return frames_[static_cast<size_t>(index)].get();
}

CFrame* CAnimo::GetEventFrame(int event, int position) const
{
    int frame = frameAt(event, position);
    return frame >= 0 ? GetFrame(frame) : nullptr;
}

CFrame* CAnimo::getFrame(const CXString& name) const
{
    int frame = findNamedFrame(name);
    return frame >= 0 ? GetFrame(frame) : nullptr;
}

CFrame* CAnimo::AddFrame(CGraphicsObject* picture)
{
    if (picture == nullptr)
        return nullptr;
    auto* frame = new CFrame(getWindow());
    frame->copyPlanesOf(picture);
    frame->SetPosition(picture->GetPosition().x, picture->GetPosition().y);
    appendFrame(frame);
    return frame;
}

int CAnimo::appendFrame(CFrame* frame)
{
    frames_.emplace_back(frame);
    return GetNOF() - 1;
}

bool CAnimo::RemoveFrame(int frame)
{
    if (frame < 0 || frame >= GetNOF() || usesFrame(frame))
        return false;
    renumberAfterRemoval(frame);
    CFrame* removed = frames_[static_cast<size_t>(frame)].get();
    if (lastDrawn_ == removed)
        lastDrawn_ = nullptr;
    if (currentFrame_ == frame) {
        dropBorrowedPlanes();
        currentFrame_ = -1;
    } else if (currentFrame_ > frame) {
        --currentFrame_;
    }
    frames_.erase(frames_.begin() + frame);
    return true;
}

void CAnimo::Convert(int bpp)
{
    if (GetCompression() != COMPRESSION_NONE)
        return;
    SetBpp(bpp);
    forEachFrame([bpp](CFrame& frame) { frame.Convert(bpp); });
}

void CAnimo::takeCurrentFrame(CXPoint offset)
{
    CFrame* frame = GetFrame(-1);
    if (frame == nullptr)
        return;
    SetDataPtr(frame->GetDataPtr());
    AlphaChannel() = frame->GetChannelAlpha();
    // The planes are read as the frame holds them, packed or not.
    SetCompression(frame->GetCompression());
    setGeometry(frame->Size(), frame->GetBpp());
    SetPitch(frame->GetPitch());
    for (int channel = 0; channel < 4; ++channel)
        SetChannelSize(channel, frame->GetChannelSize(channel));
    placeAt(frame->GetFramePosition() + offset);
}

void CAnimo::updateWithCurrentFrame()
{
    takeCurrentFrame(currentRecordOffset());
}

void CAnimo::dropBorrowedPlanes()
{
    SetDataPtr(nullptr);
    AlphaChannel() = nullptr;
    RedChannel() = nullptr;
    GreenChannel() = nullptr;
    BlueChannel() = nullptr;
}

void CAnimo::placeAt(CXPoint p)
{
    CXPoint at = p + getAnchor();
    CGraphicsObject::SetPosition(at.x, at.y);
}

CXPoint CAnimo::currentRecordOffset() const
{
    _anmFrameInfo3* record = GetFrameInfo(GetCurrentEvent(), GetCurrentFrameInSequence());
    return record != nullptr ? CXPoint(record->x, record->y) : CXPoint();
}

CXPoint CAnimo::getCurrFramePosition() const
{
    CFrame* frame = GetFrame(-1);
    return frame != nullptr ? frame->GetFramePosition() : CXPoint();
}

bool CAnimo::isInside(int x, int y, bool useAlpha)
{
    CFrame* frame = GetFrame(-1);
    return frame != nullptr && frame->isInside(x, y, useAlpha);
}

// ---- showing positions ---------------------------------------------------------------------

void CAnimo::SetFrame(int frame)
{
    if (frame < 0 || frame >= GetNOF())
        return;
    CXRect before = GetFrame(-1) != nullptr && getWindow() != nullptr ? GetBoundingBox() : CXRect();
    currentFrame_ = frame;
    takeCurrentFrame(CXPoint());
    invalidateOnScreen(unite(before, GetBoundingBox()));
}

void CAnimo::SetEventFrame(int event, int position)
{
    int shown = event == -1 ? GetCurrentEvent() : event;
    int at = position == -1 ? 0 : position;
    _annEventInfo3* info = GetEventInfo(shown);
    if (info == nullptr || at < 0 || at >= info->positionCount())
        return;
    if (isVisible())
        Invalidate();
    int frame = frameAt(shown, at);
    if (IsPlaying())
        playFrameSound(shown, at);
    if (_anmFrameInfo3* record = GetFrameInfo(shown, at)) {
        if (GetOpacity() == 255)
            SetOpacity(record->opacity == 255 ? info->opacity : record->opacity);
    }
    SetCurrentEvent(shown);
    setCurrentPosition(at);
    Set(frame, true);
}

int CAnimo::SetEventFrame(int event, const CXString& frameName)
{
    int position = findNamedPosition(event, frameName);
    if (position >= 0)
        SetEventFrame(event, position);
    return position;
}

void CAnimo::SetEventFrame(const CXString& event, int position)
{
    int found = resolveEventName(event);
    if (found >= 0)
        SetEventFrame(found, position);
}

void CAnimo::Set(int frame, bool notify)
{
    if (frame < 0 || frame >= GetNOF())
        return;
    CXRect before = GetBoundingBox();
    if (isVisible())
        Invalidate();
    currentFrame_ = frame;
    if (notify)
        CPlayable::notify(Tick);
    updateWithCurrentFrame();
    if (isVisible() && GetBoundingBox() != before)
        Invalidate();
}

// ---- frame sounds --------------------------------------------------------------------------

void CAnimo::playFrameSound(int event, int position)
{
    if ((animoFlags_ & StreamSounds) != 0) {
        _anmFrameInfo3* record = GetFrameInfo(event, position);
        if (record == nullptr || !record->soundName.IsString())
            return;
        if (stream_ != nullptr)
            stream_->pause();
        stream_.reset(CFrameSoundFactory::stream(getWindow(), record->soundName));
        if (stream_ != nullptr)
            stream_->play();
        return;
    }
    std::shared_ptr<CPlayable> sound = soundAt(event, position);
    if (sound == nullptr)
        return;
    if (currentSound_ != nullptr)
        currentSound_->stop(true);
    currentSound_ = sound;
    sound->play();
}

bool CAnimo::soundStillPlays() const
{
    return (stream_ != nullptr && stream_->isPlaying()) || (currentSound_ != nullptr && currentSound_->isPlaying());
}

void CAnimo::UpdateSoundFX(int event, int position, CPlayable* sound)
{
    if (currentSound_ != nullptr && currentSound_ == soundAt(event, position))
        currentSound_.reset();
    setSound(event, position, sound);
}

// ---- play control --------------------------------------------------------------------------

void CAnimo::Continue()
{
    _annEventInfo3* info = GetEventInfo(GetCurrentEvent());
    if (info == nullptr || info->positionCount() == 0)
        return;
    SetFPS(info->fps == 0 ? 15 : info->fps);
    runState_ = Playing;
    setStatus(StatusPlaying);
    Next();
}

void CAnimo::Play(const CXString& event, int position, int unused)
{
    int found = resolveEventName(event);
    if (found >= 0)
        Play(found, position, unused);
}

void CAnimo::Play(_animoevent event, int position, int)
{
    Invalidate();
    _annEventInfo3* info = GetEventInfo(event);
    if (info == nullptr || info->positionCount() == 0)
        return;
    _annEventInfo3* current = GetEventInfo(GetCurrentEvent());
    int refusing = animoFlags_ | (current != nullptr ? current->flags : 0);
    if (IsPlaying() && (refusing & RefusePlayWhilePlaying) != 0)
        return;
    if (current != nullptr)
        current->loopCounter = 0;
    playedEvent_ = event;
    SetCurrentEvent(event);
    if (!isVisible())
        Visible(true);
    if (fps_ == 0)
        fps_ = 15;
    runState_ = Playing;
    setStatus(StatusPlaying);
    SetEventFrame(event, position);
    CPlayable::notify(Started);
}

void CAnimo::Stop()
{
    if (IsPlaying())
        StopNoNotify();
}

void CAnimo::StopNoNotify()
{
    if (!IsPlaying())
        return;
    if (stream_ != nullptr)
        stream_->pause();
    _annEventInfo3* info = GetEventInfo(GetCurrentEvent());
    int eventFlags = info != nullptr ? info->flags : 0;
    if ((eventFlags & _annEventInfo3::HideOnStop) != 0)
        Visible(false);
    runState_ = Stopped;
    setStatus(0);
    if (((eventFlags | animoFlags_) & KeepSoundOnStop) == 0 && currentSound_ != nullptr) {
        std::shared_ptr<CPlayable> sound = std::move(currentSound_);
        sound->stop(true);
    }
}

void CAnimo::Pause()
{
    if (IsPlaying()) {
        runState_ = Paused;
        setStatus(StatusPaused);
    }
}

void CAnimo::Resume()
{
    if (runState_ == Paused) {
        runState_ = Playing;
        setStatus(StatusPlaying);
    }
}

bool CAnimo::chainToNextEvent()
{
    int following = GetCurrentEvent() + 1;
    if (GetNOFInEvent(following) == 0)
        return false;
    SetCurrentEvent(following);
    return true;
}

bool CAnimo::stopWithinStep()
{
    stop(true);
    // Showing the rest of the step would overwrite what the restarted play shows.
    return !IsPlaying();
}

bool CAnimo::showStep(int p, int before)
{
    int event = GetCurrentEvent();
    int count = GetNOFInEvent(event);
    int frame = frameAt(event, p < count ? p : count - 1);
    SetEventFrame(event, p);
    return frame != before;
}

_annEventInfo3* CAnimo::eventToStep()
{
    if (frames_.empty())
        return nullptr;
    _annEventInfo3* info = GetEventInfo(GetCurrentEvent());
    if (info == nullptr)
        SetEventFrame(GetCurrentEvent(), GetCurrentFrameInSequence());
    return info;
}

bool CAnimo::Next()
{
    int before = currentFrame_;
    invalidateOnScreen(GetBoundingBox());
    _annEventInfo3* info = eventToStep();
    if (info == nullptr)
        return false;
    int position = GetCurrentFrameInSequence();
    int p = position + 1;
    int count = info->positionCount();
    int loopPoint = info->loopPoint;
    bool chaining = (animoFlags_ & ChainEvents) != 0;
    if (loopPoint == 0) {
        if (p < count)
            return showStep(p, before);
        if (!chaining)
            stop(true);
        else if (chainToNextEvent())
            SetEventFrame(GetCurrentEvent(), 0);
        else
            SetEventFrame(GetCurrentEvent(), count - 1);
        return false;
    }
    if (p <= loopPoint) {
        SetEventFrame(GetCurrentEvent(), p);
        return false;
    }
    if ((info->flags & _annEventInfo3::PingPong) != 0) {
        p = position - 1;
        direction_ = Backward;
    } else if ((info->flags & _annEventInfo3::LoopWhileSound) != 0 && !soundStillPlays()) {
        // The sound has ended: the event runs out to its end, every other position.
        bool pastEnd = p >= count;
        if (!pastEnd && position + 2 < count) {
            p = position + 2;
        } else if (chaining && chainToNextEvent()) {
            p = 0;
        } else if (chaining && pastEnd) {
            stop(true);
            return false;
        } else if (!chaining && !stopWithinStep()) {
            return false;
        }
    } else if (info->loopCount == 0 || ++info->loopCounter < info->loopCount) {
        p = info->loopBack;
    } else {
        info->loopCounter = 0;
        if (!stopWithinStep())
            return false;
    }
    return showStep(p, before);
}

bool CAnimo::Prev()
{
    int before = currentFrame_;
    _annEventInfo3* info = eventToStep();
    if (info == nullptr)
        return false;
    int position = GetCurrentFrameInSequence();
    int p = position - 1;
    int loopPoint = info->loopPoint;
    if (loopPoint == 0) {
        if (p >= 0)
            return showStep(p, before);
        stop(true);
        return false;
    }
    if (p >= info->loopBack) {
        SetEventFrame(GetCurrentEvent(), p);
        return false;
    }
    if ((info->flags & _annEventInfo3::PingPong) != 0) {
        p = position + 1;
        direction_ = Forward;
    } else if ((info->flags & _annEventInfo3::LoopWhileSound) != 0 && !soundStillPlays()) {
        if (p == 0) {
            if (!stopWithinStep())
                return false;
            p = loopPoint;
        }
    } else {
        p = loopPoint;
    }
    return showStep(p, before);
}

void CAnimo::playReverse(const CXString& event, int start)
{
    int found = -1;
    if (event.getLength() > 9 && event.endsWith("_reverse") && (found = GetEventNo(event)) >= 0) {
        start = GetCurrentFrameInSequence();
    } else if ((found = GetEventNo(event + "_reverse")) < 0) {
        int forward = GetEventNo(event);
        if (forward >= 0 && addReversedCopy(forward) >= 0)
            playReverse(event, start);
        return;
    }
    if (start == -1)
        start = GetNOFInEvent(found) - GetCurrentFrameInSequence();
    if (GetCurrentFrameInSequence() < GetNOFInEvent(found))
        Play(found, start, 0);
}

// ---- settings ------------------------------------------------------------------------------

unsigned char CAnimo::GetAttachedFilter(CXObject** filter) const
{
    if (filter != nullptr)
        *filter = filter_.filter;
    return filter_.kind;
}

unsigned char CAnimo::GetAttachedChangeFilter(CXObject** filter) const
{
    if (filter != nullptr)
        *filter = changeFilter_.filter;
    return changeFilter_.kind;
}

// ---- files ---------------------------------------------------------------------------------

int CAnimo::Load(const CXString& name)
{
    Flush();
    log(("Loading file " + name + "...").c_str(), false);
    CFile file;
    if (file.Open(getWindow(), name, CFile::READ | CFile::BINARY) != 0) {
        log(" - Failed.\n", false);
        setErrorCode(CFile::NOT_FOUND);
        return LastError();
    }
    int error = Load(&file);
    file.Close();
    if (error != 0)
        return error;
    setFilename(name);
    log(" - Succesfull.\n", false);
    load();
    Visible(true);
    setCurrentPosition(0);
    setFileName(name);
    int first = getFirstEvent();
    SetCurrentEvent(first);
    SetEventFrame(first, 0);
    return LastError();
}

int CAnimo::Load(CFile* file)
{
    setErrorCode(CAnimoReader::read(*this, file));
    return LastError();
}

void CAnimo::Save(const CXString& name, _compression code)
{
    CFile file;
    if (file.Open(getWindow(), name, CFile::BINARY | CFile::UPDATE) != 0)
        return;
    CAnimoWriter::write(*this, &file, code);
    file.Close();
}

void CAnimo::Save(CFile* file, _compression code)
{
    CAnimoWriter::writeOldHead(*this, file, code);
}
