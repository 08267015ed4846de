#include "sound/CTreeSequenceElements.h"

#include "foundation/CFileNameResolver.h"
#include "graphics/CAnimo.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "sound/CAnimoEventPlayable.h"
#include "sound/CSceneMediaLink.h"
#include "sound/CSequenceMedia.h"
#include "sound/CSequencedPlayable.h"
#include "sound/CSound4.h"
#include "sound/CSpeakingAnimation.h"

#include <algorithm>
#include <unordered_set>

CTreeSequenceElements::CTreeSequenceElements(CWindow* window, CResourcesManager* resources)
    : window_(window), resources_(resources), links_(MAX_DEPTH, MAX_PATHS)
{
}

CTreeSequenceElements::~CTreeSequenceElements()
{
    settle(nullptr);
}

// ---- entries ---------------------------------------------------------------------------------

_tse_entry* CTreeSequenceElements::find(const CXString& name) const
{
    auto found = byName_.find(std::string(name.c_str(), static_cast<size_t>(name.getLength())));
    return found != byName_.end() ? found->second : nullptr;
}

void CTreeSequenceElements::add(const CXString& name)
{
    auto entry = std::make_unique<_tse_entry>();
    entry->name = name;
    byName_.emplace(std::string(name.c_str(), static_cast<size_t>(name.getLength())), entry.get());
    entries_.push_back(std::move(entry));
}

void CTreeSequenceElements::setType(const CXString& name, const CXString& type)
{
    _tse_entry* entry = find(name);
    if (entry == nullptr)
        return;
    if (type.equals("SIMPLE"))
        entry->kind = SIMPLE;
    else if (type.equals("SEQUENCE"))
        entry->kind = SEQUENCE;
    else if (type.equals("SPEAKING"))
        entry->kind = SPEAKING;
}

void CTreeSequenceElements::setFileName(const CXString& name, const CXString& value)
{
    if (_tse_entry* entry = find(name))
        entry->fileName = value;
}

void CTreeSequenceElements::setEvent(const CXString& name, const CXString& value)
{
    if (_tse_entry* entry = find(name))
        entry->event = value;
}

CPlayable* CTreeSequenceElements::playableOf(const CXString& name) const
{
    _tse_entry* entry = find(name);
    return entry != nullptr ? entry->playable : nullptr;
}

CSpeakingAnimation* CTreeSequenceElements::speakingOf(const CXString& name) const
{
    _tse_entry* entry = find(name);
    if (entry == nullptr || entry->kind != SPEAKING || entry->playable == nullptr)
        return nullptr;
    return dynamic_cast<CSpeakingAnimation*>(entry->playable);
}

// ---- playables -------------------------------------------------------------------------------

void CTreeSequenceElements::create(_tse_entry* entry, CPlayableObserver* observer)
{
    if (made_.size() >= MAX_MADE)
        return;
    CPlayable* made = nullptr;
    switch (entry->kind) {
    case SIMPLE:
        made = createSimple(entry);
        break;
    case SEQUENCE:
        made = new CSequencedPlayable(window_);
        break;
    case SPEAKING:
        made = new CSpeakingAnimation(window_, resources_);
        break;
    default:
        return;
    }
    entry->playable = made;
    if (made == nullptr)
        return;
    made_.emplace_back(made);
    made->setGenericNotifier(observer);
    made->setName(entry->name);
    observer_ = observer;
}

void CTreeSequenceElements::create(CPlayableObserver* observer)
{
    for (const std::unique_ptr<_tse_entry>& entry : entries_)
        create(entry.get(), observer);
}

int CTreeSequenceElements::eventIndex(CAnimo* animation, const CXString& event)
{
    const int named = animation != nullptr ? animation->resolveEventName(event) : -1;
    return named >= 0 ? named : event.toNumber();
}

CPlayable* CTreeSequenceElements::createSimple(_tse_entry* entry)
{
    CSceneMediaLink* link = CSceneMediaLink::installed();
    if (CMC_Object* animo = link != nullptr ? link->findAnimo(window_, entry->fileName) : nullptr) {
        auto* played = new CAnimoEventPlayable(window_, animo);
        played->setEvent(eventIndex(played->getAnimation(), entry->event));
        return played;
    }
    CFileNameResolver resolver(entry->fileName);
    const CXString& extension = resolver.getExtension();
    bool made = false;
    if (extension.equalsIgnoreCase("ANN")) {
        CAnimo* animation = CSequenceMedia::animation(window_, resources_, entry->fileName, &made);
        CRefreshScreen* screen = window_ != nullptr ? window_->GetRefreshScreenInterface() : nullptr;
        if (made && screen != nullptr)
            screen->put(animation, PRIORITY);
        auto* played = made && resources_ == nullptr ? new CAnimoEventPlayable(window_, std::unique_ptr<CAnimo>(animation))
                                                      : new CAnimoEventPlayable(window_, animation);
        played->setEvent(eventIndex(animation, entry->event));
        return played;
    }
    if (extension.equalsIgnoreCase("WAV")) {
        CSound4* sound = CSequenceMedia::sound(window_, resources_, CSound4::fullPathOf(window_, entry->fileName), &made);
        if (made && resources_ == nullptr)
            ownMedia_.push_back(sound);
        return sound;
    }
    return nullptr;
}

void CTreeSequenceElements::setMode(const CXString& name, const CXString& mode)
{
    CPlayable* playable = playableOf(name);
    if (playable == nullptr)
        return;
    if (mode.equals("SEQUENCE"))
        playable->setMode(CSequencedPlayable::SEQUENCE);
    else if (mode.equals("RANDOM"))
        playable->setMode(CSequencedPlayable::RANDOM);
    else if (mode.equals("PARAMETER"))
        playable->setMode(CSequencedPlayable::PARAMETER);
}

void CTreeSequenceElements::setWaitMode(const CXString& name, bool wait)
{
    if (CPlayable* playable = playableOf(name))
        playable->setWaitMode(wait);
}

void CTreeSequenceElements::addSequenceEvent(const CXString& name, const CXString& value, const CXString& event)
{
    if (CPlayable* playable = playableOf(name))
        playable->addEvent(event, value);
}

void CTreeSequenceElements::add(const CXString& child, const CXString& parent)
{
    CPlayable* added = playableOf(child);
    CPlayable* holder = playableOf(parent);
    CSequencedPlayable* sequence = CSequencedPlayable::asSequence(holder);
    if (added != nullptr && sequence != nullptr && links_.count() < MAX_MADE && links_.add(holder, added))
        sequence->addChild(added);
}

void CTreeSequenceElements::show(const CXString& name)
{
    _tse_entry* entry = find(name);
    if (entry != nullptr && entry->playable != nullptr && (entry->kind == SIMPLE || entry->kind == SPEAKING))
        entry->playable->show();
}

void CTreeSequenceElements::hide(const CXString& name)
{
    _tse_entry* entry = find(name);
    if (entry != nullptr && entry->playable != nullptr && (entry->kind == SIMPLE || entry->kind == SPEAKING))
        entry->playable->hide();
}

void CTreeSequenceElements::setPrefix(const CXString& name, const CXString& value)
{
    if (CSpeakingAnimation* speaking = speakingOf(name))
        speaking->setPrefix(value);
}

void CTreeSequenceElements::setAnimoFN(const CXString& name, const CXString& value)
{
    if (CSpeakingAnimation* speaking = speakingOf(name))
        speaking->setAnimation(value);
}

void CTreeSequenceElements::setWAVFN(const CXString& name, const CXString& value)
{
    CSpeakingAnimation* speaking = speakingOf(name);
    if (speaking == nullptr)
        return;
    if (_tse_entry* named = find(value)) {
        // A sound of the tree's own goes with the result; the speaking animation loads its file
        // for itself, so it never holds one that was deleted.
        if (isOwnMedium(named->playable))
            speaking->apply(named->playable->getFileName());
        else
            speaking->apply(named->playable);
        return;
    }
    CSceneMediaLink* link = CSceneMediaLink::installed();
    if (CSound4* sound = link != nullptr ? link->findSound(window_, value) : nullptr)
        speaking->apply(sound);
    else
        speaking->apply(CSound4::fullPathOf(window_, value));
}

void CTreeSequenceElements::setStarting(const CXString& name, bool starting)
{
    if (CSpeakingAnimation* speaking = speakingOf(name))
        speaking->setStarting(starting);
}

void CTreeSequenceElements::setEnding(const CXString& name, bool ending)
{
    if (CSpeakingAnimation* speaking = speakingOf(name))
        speaking->setEnding(ending);
}

// ---- the result ------------------------------------------------------------------------------

bool CTreeSequenceElements::isOwnMedium(const CPlayable* playable) const
{
    return playable != nullptr && std::find(ownMedia_.begin(), ownMedia_.end(), playable) != ownMedia_.end();
}

CPlayable* CTreeSequenceElements::takeRoot(const CXString& name)
{
    CPlayable* root = playableOf(name);
    settle(root);
    return root;
}

void CTreeSequenceElements::settle(CPlayable* root)
{
    std::unordered_set<CPlayable*> reached;
    std::vector<CPlayable*> pending;
    if (root != nullptr)
        pending.push_back(root);
    while (!pending.empty()) {
        CPlayable* playable = pending.back();
        pending.pop_back();
        CSequencedPlayable* sequence = CSequencedPlayable::asSequence(playable);
        if (!reached.insert(playable).second || sequence == nullptr)
            continue;
        for (int i = 0; i < sequence->getChildrenCount(); ++i) {
            if (CPlayable* child = sequence->getChild(i))
                pending.push_back(child);
        }
    }
    // What stays leaves what goes first, so that nothing that stays goes with it.
    for (const auto& [holder, held] : links_.all()) {
        if (reached.count(holder) == 0 && reached.count(held) != 0)
            CSequencedPlayable::asSequence(holder)->removeChild(held);
    }
    for (const CPlayableRef<CPlayable>& made : made_) {
        CPlayable* playable = made.get();
        if (playable == nullptr || reached.count(playable) != 0)
            continue;
        if (playable->getType() == CSound4::TYPE && !isOwnMedium(playable)) {
            // The manager keeps it; the loader's observer no longer hears it.
            if (playable->getGenericNotifier() == observer_)
                playable->setGenericNotifier(nullptr);
            continue;
        }
        delete playable;
    }
    if (CSequencedPlayable* sequence = CSequencedPlayable::asSequence(root)) {
        std::vector<std::unique_ptr<CPlayable>> media;
        for (CPlayable* medium : ownMedia_) {
            if (medium != root && reached.count(medium) != 0)
                media.emplace_back(medium);
        }
        sequence->keepMedia(std::move(media));
    }
    made_.clear();
    ownMedia_.clear();
    links_.clear();
}
