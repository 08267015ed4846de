#include "objects/CMC_Sequence.h"

#include "foundation/CMElement.h"
#include "foundation/CResourcesManager.h"
#include "foundation/CXArchive.h"
#include "objects/CDeferredRelease.h"
#include "objects/CSceneResources.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "sound/CMultimediaSequenceCreator.h"
#include "sound/CSequencedPlayable.h"


const CSignalList& CMC_Sequence::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED"};
    return list;
}

CMC_Sequence::CMC_Sequence(CMC_ObjectsContainer* container)
    : CMC_Object("temp", script::TYPE_SEQUENCE), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
}

CMC_Sequence::CMC_Sequence(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_SEQUENCE), window_(CMC_ObjectsContainer::windowOf(container)),
      fileName_(element->getPropertyValue("FILENAME"))
{
    initializeBehaviours(container, element);
}

CMC_Sequence::~CMC_Sequence()
{
    beginDestruction();
    releaseSequence();
}

CXString** CMC_Sequence::getBehavioursList()
{
    return signalList().make();
}

// ---- the tree --------------------------------------------------------------------------------

void CMC_Sequence::init()
{
    // A read that failed is tried again when the tree is asked for; an ONINIT behaviour asking
    // for it must not start another read, and another ONINIT, inside this one.
    if (initializing_)
        return;
    initializing_ = true;
    CMC_ObjectRef alive(this);
    if (sequence_ == nullptr)
        load();
    CMC_Object::init();
    if (alive.isAlive())
        initializing_ = false;
}

void CMC_Sequence::load()
{
    if (fileName_.IsString())
        sequence_ = CMultimediaSequenceCreator::load(window_, fileName_, CSceneResources::defaultManager(), this);
}

CPlayable* CMC_Sequence::getSequence()
{
    if (sequence_ == nullptr && fileName_.IsString() && !initializing_) {
        CMC_ObjectRef alive(this);
        init();
        if (!alive.isAlive())
            return nullptr;
    }
    return sequence_;
}

bool CMC_Sequence::done(bool wholeContainer)
{
    if (wholeContainer)
        releaseSequence();
    return CMC_Object::done(wholeContainer);
}

void CMC_Sequence::releaseSequence()
{
    CPlayable* root = sequence_;
    sequence_ = nullptr;
    if (root == nullptr)
        return;
    // What outlives this object (sounds the resources manager keeps, a tree that waits for the
    // trash) must not tell it anything.
    if (CSequencedPlayable* sequence = CSequencedPlayable::asSequence(root))
        sequence->forgetObserver(this);
    else if (root->getGenericNotifier() == static_cast<CPlayableObserver*>(this))
        root->setGenericNotifier(nullptr);
    CResourcesManager* manager = CSceneResources::defaultManager();
    if (manager != nullptr && manager->contains(static_cast<CSharedMedium*>(root)))
        return;
    CDeferredRelease::release(root, window_);
}

// ---- signals ---------------------------------------------------------------------------------

void CMC_Sequence::raise(const char* signal, const CXString& form)
{
    if (isSignalHandled(signalList().positionOf(signal)))
        onSignal(form);
}

bool CMC_Sequence::onPlayableStarted(CPlayable* playable)
{
    if (playable->isParent())
        raise("ONSTARTED", "ONSTARTED");
    else
        raise("ONSTARTED", CXString("ONSTARTED^") + CXString(playable->getName()).Upper());
    return false;
}

bool CMC_Sequence::onPlayableFinished(CPlayable* playable)
{
    if (playable == sequence_)
        raise("ONFINISHED", "ONFINISHED");
    else
        raise("ONFINISHED", CXString("ONFINISHED^") + CXString(playable->getName()).Upper());
    return false;
}

// ---- scene archive ---------------------------------------------------------------------------

void CMC_Sequence::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring())
        *archive << fileName_;
    else
        *archive >> &fileName_;
}
