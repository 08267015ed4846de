#include "objects/CMC_Sound.h"

#include "foundation/CMElement.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CXArchive.h"
#include "objects/CMediaRelease.h"
#include "objects/CSceneResources.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "sound/CSound4.h"

#include <utility>

const CSignalList& CMC_Sound::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED", "ONRESUMED"};
    return list;
}

CMC_Sound::CMC_Sound(CMC_ObjectsContainer* container)
    : CMC_Object("temp", script::TYPE_SOUND), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
}

CMC_Sound::CMC_Sound(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_SOUND), window_(CMC_ObjectsContainer::windowOf(container)),
      preload_(element->getPropertyBoolValue("PRELOAD")), flushAfterPlayed_(element->getPropertyBoolValue("FLUSHAFTERPLAYED"))
{
    initSound(element->getPropertyValue("FILENAME"));
    initializeBehaviours(container, element);
}

CMC_Sound::~CMC_Sound()
{
    beginDestruction();
    releaseSound();
}

CXString** CMC_Sound::getBehavioursList()
{
    return signalList().make();
}

// ---- the sound -------------------------------------------------------------------------------

void CMC_Sound::initSound(const CXString& file)
{
    // No name is no file: never mapped into the sound folder, never shared.
    takeSound(file.IsString() ? CSound4::fullPathOf(window_, file) : file);
}

void CMC_Sound::takeSound(const CXString& path)
{
    releaseSound();
    CResourcesManager* manager = path.IsString() ? CSceneResources::managerFor(this) : nullptr;
    sound_ = CSceneResources::take<CSound4>(manager, path);
    if (sound_ == nullptr) {
        sound_ = new CSound4(window_, path, flushAfterPlayed_, preload_);
        if (manager != nullptr)
            manager->add(sound_);
    }
    shared_ = manager != nullptr;
    sound_->addNotifier(this);
}

void CMC_Sound::releaseSound()
{
    if (sound_ == nullptr)
        return;
    sound_->removeNotifier(this);
    CMediaRelease::release(std::exchange(sound_, nullptr), std::exchange(shared_, false));
}

bool CMC_Sound::done(bool wholeContainer)
{
    // A sound of its own stays until the object goes; a shared one is given back now.
    if (shared_)
        releaseSound();
    return CMC_Object::done(wholeContainer);
}

// ---- signals ---------------------------------------------------------------------------------

void CMC_Sound::raise(const char* signal)
{
    if (isSignalHandled(signalList().positionOf(signal)))
        onSignal(signal);
}

bool CMC_Sound::onPlayableStarted(CPlayable*)
{
    raise("ONSTARTED");
    return false;
}

bool CMC_Sound::onPlayableFinished(CPlayable*)
{
    raise("ONFINISHED");
    return false;
}

bool CMC_Sound::onPlayableResumed(CPlayable*)
{
    raise("ONRESUMED");
    return false;
}

// ---- stored record ---------------------------------------------------------------------------

void CMC_Sound::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive->isStoring()) {
        *archive << (sound_ != nullptr ? sound_->getFileName() : CXString()) << preload_ << flushAfterPlayed_;
        return;
    }
    CXString path;
    *archive >> &path >> &preload_ >> &flushAfterPlayed_;
    // The record holds the path in the sound folder already.
    if (archive->LastError() == 0)
        takeSound(path);
}
