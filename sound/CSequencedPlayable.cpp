#include "sound/CSequencedPlayable.h"

#include "foundation/CXArray.h"
#include "foundation/CXRandom.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CAnimo.h"
#include "sound/CAnimoEventPlayable.h"
#include "sound/CSound4.h"
#include "sound/CSpeakingAnimation.h"

#include <algorithm>
#include <unordered_set>

namespace {

// The animation a child shows: its own for an animation, an animation event or a speaking
// animation; null for any other child.
CAnimo* animationOf(CPlayable* child)
{
    switch (child->getType()) {
    case 2:
        return dynamic_cast<CAnimo*>(child);
    case CAnimoEventPlayable::TYPE:
        if (auto* event = dynamic_cast<CAnimoEventPlayable*>(child))
            return event->getAnimation();
        return nullptr;
    case CSpeakingAnimation::TYPE:
        if (auto* speaking = dynamic_cast<CSpeakingAnimation*>(child))
            return speaking->getAnimation();
        return nullptr;
    default:
        return nullptr;
    }
}

void addOnce(CXArray* found, void* element)
{
    if (element != nullptr && !found->contains(element))
        found->add(element);
}

} // namespace

CSequencedPlayable::CSequencedPlayable(CWindow* window) : CPlayable(window)
{
    setType(TYPE);
    // The manager's check every 1000 / getFPS() ms moves a SEQUENCE on when a child's end report
    // never comes.
    if (CAnimationManager* manager = CAnimationManager::installed())
        manager->add(this, nullptr);
}

CSequencedPlayable::CSequencedPlayable(CWindow* window, CMElement*) : CSequencedPlayable(window) {}

CSequencedPlayable::~CSequencedPlayable()
{
    for (const CPlayableRef<CPlayable>& held : children_) {
        if (CPlayable* child = held.get())
            letChildGo(child);
    }
    children_.clear();
    media_.clear();
    if (CAnimationManager* manager = CAnimationManager::installed())
        manager->remove(this);
}

void CSequencedPlayable::letChildGo(CPlayable* child)
{
    child->removeNotifier(this);
    if (child->getParentsNo() > 1) {
        child->subParent();
        return;
    }
    // A sound belongs to its resources manager, or to the media the tree handed its root.
    if (child->getType() == CSound4::TYPE)
        return;
    // An animation leaves the screen as it is deleted.
    delete child;
}

// ---- children --------------------------------------------------------------------------------

void CSequencedPlayable::addChild(CPlayable* child)
{
    if (child == nullptr)
        return;
    children_.emplace_back(child);
    child->setParent(this);
    child->addParent();
}

CSequencedPlayable* CSequencedPlayable::asSequence(CPlayable* playable)
{
    return playable != nullptr && playable->getType() == TYPE ? dynamic_cast<CSequencedPlayable*>(playable) : nullptr;
}

void CSequencedPlayable::removeChild(CPlayable* child)
{
    auto held = std::find_if(children_.begin(), children_.end(), [child](const CPlayableRef<CPlayable>& ref) { return ref.get() == child; });
    if (held == children_.end())
        return;
    children_.erase(held);
    child->removeNotifier(this);
    child->subParent();
    if (child->getParentsNo() <= 0)
        child->setParent(nullptr);
}

CPlayable* CSequencedPlayable::getChild(int index) const
{
    return index >= 0 && index < getChildrenCount() ? children_[static_cast<size_t>(index)].get() : nullptr;
}

bool CSequencedPlayable::playsChild(int index) const
{
    CPlayable* child = getChild(index);
    return child != nullptr && child->isPlaying();
}

int CSequencedPlayable::childIndexOf(char code)
{
    // Compared as signed bytes: characters from 128 up name no child.
    const auto value = static_cast<signed char>(code);
    if (value <= '9')
        return value - '1';
    if (value <= 'Z')
        return value - 56;
    return value - 62;
}

void CSequencedPlayable::keepMedia(std::vector<std::unique_ptr<CPlayable>> media)
{
    for (std::unique_ptr<CPlayable>& medium : media)
        media_.push_back(std::move(medium));
}

void CSequencedPlayable::accure(CPlayable* playable)
{
    playable->setVolume(getVolume());
    playable->setPanning(getPanning());
    if (getFrequency() > 0)
        playable->setFrequency(getFrequency());
}

void CSequencedPlayable::startChild(int index, bool withParameter)
{
    CPlayable* child = getChild(index);
    if (child == nullptr)
        return;
    child->setNotifier(this);
    if (withParameter)
        child->setParameter(getParam());
    child->play();
    accure(child);
}

// ---- playing ---------------------------------------------------------------------------------

CXString CSequencedPlayable::getParameter() const
{
    const CXString parameter = getParam();
    if (parameter.getLength() < 2)
        return CXString();
    return getMode() == PARAMETER ? parameter.Right(1) : parameter;
}

void CSequencedPlayable::play()
{
    notify(Started);
    switch (getMode()) {
    case SEQUENCE:
        playSequence();
        break;
    case RANDOM:
        playRandom();
        break;
    case PARAMETER:
        playParameter();
        break;
    default:
        break;
    }
}

void CSequencedPlayable::playSequence()
{
    current_ = 0;
    if (children_.empty())
        return;
    setPlayPosition(-1);
    // Children that do not wait start together with the next one.
    for (;;) {
        if (playPosition() >= 0)
            ++current_;
        startChild(current_, true);
        setPlayPosition(playPosition() + 1);
        CPlayable* started = getChild(current_);
        if (playPosition() >= getChildrenCount() - 1 || started == nullptr || started->getWaitMode())
            break;
    }
    setStatus(getStatus() | StatusPlaying);
}

void CSequencedPlayable::playRandom()
{
    if (children_.empty())
        return;
    current_ = CXRandom::random(getChildrenCount());
    startChild(current_, true);
    setStatus(getStatus() | StatusPlaying);
    setPlayPosition(playPosition() + 1);
}

void CSequencedPlayable::playParameter()
{
    const CXString parameter = getParam();
    const int index = parameter.IsString() ? childIndexOf(parameter.GetAt(0)) : -1;
    if (index < 0 || index >= getChildrenCount())
        return;
    setParameter(getParameter());
    current_ = index;
    startChild(index, true);
    setStatus(getStatus() | StatusPlaying);
}

bool CSequencedPlayable::onPlayableFinished(CPlayable* child)
{
    if (isPaused())
        return false;
    const bool wasPlaying = isPlaying();
    if (wasPlaying) {
        if (getMode() == SEQUENCE)
            next();
        else
            stop(false);
    }
    if (getMode() == SEQUENCE && isPlaying())
        return false;
    // A child that started together with others and ends after the sequence has nothing to add.
    if (!wasPlaying && child != getChild(current_))
        return false;
    notify(Finished);
    return false;
}

int CSequencedPlayable::next()
{
    if (!isPlaying() || isPaused())
        return playPosition();
    if (getMode() == SEQUENCE) {
        if (current_ == -1 || playsChild(current_))
            return playPosition();
        if (playPosition() < getChildrenCount() - 1) {
            if (CPlayable* done = getChild(current_))
                setParameter(done->getParam());
            ++current_;
            startChild(current_, true);
            setPlayPosition(playPosition() + 1);
        } else {
            stop(true);
        }
    } else if (getMode() == RANDOM) {
        if (current_ != -1 && !playsChild(current_))
            stop(false);
    }
    return playPosition();
}

void CSequencedPlayable::stop(bool notify)
{
    if (current_ == -1 || !isPlaying())
        return;
    setStatus(0);
    if (CPlayable* child = getChild(current_))
        child->stop(notify);
}

void CSequencedPlayable::pause()
{
    if (!isPlaying() || current_ < 0)
        return;
    if (CPlayable* child = getChild(current_))
        child->pause();
    setStatus(getStatus() | StatusPaused);
}

void CSequencedPlayable::resume()
{
    if (!isPaused() || current_ < 0)
        return;
    if (CPlayable* child = getChild(current_))
        child->resume();
    setStatus(getStatus() & ~StatusPaused);
}

void CSequencedPlayable::seek(int index)
{
    // The child left is stopped for its other observers; its end is no business of the sequence.
    if (CPlayable* child = getChild(current_)) {
        child->removeNotifier(this);
        child->stop(true);
    }
    const int count = getChildrenCount();
    switch (index) {
    case SeekNext:
        current_ = current_ + 1 < count ? current_ + 1 : -1;
        break;
    case SeekPrevious:
        current_ = current_ - 1;
        break;
    case -2:
        current_ = count - 1;
        break;
    case -1:
        current_ = 0;
        break;
    default:
        current_ = index;
        break;
    }
    startChild(current_, false);
}

CPlayable* CSequencedPlayable::getPlaying()
{
    if (!isPlaying() || current_ == -1)
        return nullptr;
    CPlayable* child = getChild(current_);
    return child != nullptr ? child->getPlaying() : nullptr;
}

// ---- the tree --------------------------------------------------------------------------------

CPlayable* CSequencedPlayable::get(const CXString& event)
{
    CXString rest = CPlayable::getParameter(event);
    CPlayable* reached = this;
    while (rest.IsString()) {
        CSequencedPlayable* sequence = asSequence(reached);
        if (sequence == nullptr || sequence->getChildrenCount() == 0)
            break;
        CPlayable* child = nullptr;
        if (sequence->getMode() == SEQUENCE || sequence->getMode() == RANDOM) {
            child = sequence->getChild(0);
        } else if (sequence->getMode() == PARAMETER) {
            child = sequence->getChild(childIndexOf(rest.GetAt(0)));
            rest = rest.Right(1);
        }
        if (child == nullptr)
            break;
        reached = child;
    }
    return reached;
}

CXString CSequencedPlayable::getLastPlayedEvent(const CXString& name)
{
    if (!isPlaying() || current_ == -1)
        return CXString();
    if (!name.IsString() || name.equals(getName())) {
        CPlayable* child = getChild(current_);
        if (child == nullptr)
            return CXString();
        CSequencedPlayable* sequence = asSequence(child);
        return sequence != nullptr ? sequence->getLastPlayedEvent(CXString()) : child->getName();
    }
    for (const CPlayableRef<CPlayable>& held : children_) {
        CSequencedPlayable* sequence = asSequence(held.get());
        const CXString found = sequence != nullptr ? sequence->getLastPlayedEvent(name) : CXString();
        if (found.IsString())
            return found;
    }
    return CXString();
}

template <class Visit>
void CSequencedPlayable::walk(Visit& visit, std::unordered_set<const CPlayable*>& walked, bool withSequences) const
{
    for (const CPlayableRef<CPlayable>& held : children_) {
        CPlayable* child = held.get();
        CSequencedPlayable* sequence = asSequence(child);
        if (sequence != nullptr && walked.insert(sequence).second) {
            if (withSequences)
                visit(sequence);
            sequence->walk(visit, walked, withSequences);
        } else if (sequence == nullptr && child != nullptr) {
            visit(child);
        }
    }
}

CXArray* CSequencedPlayable::getAllAnimations()
{
    auto* found = new CXArray(101, 0.75f);
    std::unordered_set<const CPlayable*> walked{this};
    auto collect = [found](CPlayable* child) { addOnce(found, animationOf(child)); };
    walk(collect, walked, false);
    return found;
}

CXArray* CSequencedPlayable::getAllOfType(int type)
{
    auto* found = new CXArray(101, 0.75f);
    std::unordered_set<const CPlayable*> walked{this};
    auto collect = [found, type](CPlayable* child) {
        if (child->getType() == type)
            addOnce(found, child);
    };
    walk(collect, walked, false);
    return found;
}

void CSequencedPlayable::forgetObserver(CPlayableObserver* observer)
{
    std::unordered_set<const CPlayable*> walked{this};
    auto forget = [observer](CPlayable* playable) {
        playable->removeNotifier(observer);
        if (playable->getGenericNotifier() == observer)
            playable->setGenericNotifier(nullptr);
    };
    forget(this);
    walk(forget, walked, true);
}

CAnimo* CSequencedPlayable::pickAnimation(int mode)
{
    std::unique_ptr<CXArray> animations(getAllAnimations());
    for (int i = 0; i < animations->getSize(); ++i) {
        auto* animation = static_cast<CAnimo*>((*animations)[i]);
        if (mode == 1 || animation->isPlaying())
            return animation;
    }
    return nullptr;
}

CXRect CSequencedPlayable::getBoundingBox(int mode)
{
    CAnimo* animation = pickAnimation(mode);
    return animation != nullptr ? animation->GetBoundingBox() : CXRect();
}

CXPoint CSequencedPlayable::getPosition(int mode)
{
    CAnimo* animation = pickAnimation(mode);
    return animation != nullptr ? animation->GetPosition() : CXPoint(0, 0);
}

// ---- place and look --------------------------------------------------------------------------

void CSequencedPlayable::move(int dx, int dy)
{
    std::unique_ptr<CXArray> animations(getAllAnimations());
    for (int i = 0; i < animations->getSize(); ++i)
        static_cast<CAnimo*>((*animations)[i])->move(dx, dy);
}

void CSequencedPlayable::setPosition(int x, int y)
{
    for (const CPlayableRef<CPlayable>& held : children_) {
        if (CPlayable* child = held.get())
            child->setPosition(x, y);
    }
}

void CSequencedPlayable::setVisibility(bool visible)
{
    for (const CPlayableRef<CPlayable>& held : children_) {
        CPlayable* child = held.get();
        if (child != nullptr && child->isVisible() != visible)
            child->setVisibility(visible);
    }
    CPlayable::setVisibility(visible);
}

void CSequencedPlayable::alwaysOnTop()
{
    for (const CPlayableRef<CPlayable>& held : children_) {
        if (CPlayable* child = held.get())
            child->alwaysOnTop();
    }
}
