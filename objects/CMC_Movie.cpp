#include "objects/CMC_Movie.h"

#include "foundation/CMElement.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "sound/CMovie.h"

const CSignalList& CMC_Movie::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED", "ONFRAMEUPDATED"};
    return list;
}

CMC_Movie::CMC_Movie(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_MOVIE)
{
    CWindow* window = CMC_ObjectsContainer::windowOf(container);
    const CXString file = element->getPropertyValue("FILENAME");
    const int priority = element->getPropertyIntValue("PRIORITY");
    movie_ = file.IsString() ? std::make_unique<CMovie>(window, file) : std::make_unique<CMovie>(window);
    CRefreshScreen* screen = window != nullptr ? window->GetRefreshScreenInterface() : nullptr;
    if (priority >= 0 && screen != nullptr)
        screen->put(movie_.get(), priority);
    movie_->addNotifier(this);
    movie_->SetPosition(element->getPropertyPointValue("POSITION"));
    initializeBehaviours(container, element);
}

CMC_Movie::~CMC_Movie()
{
    beginDestruction();
    // The movie stops before it goes, and tells nobody.
    movie_->removeNotifier(this);
}

CXString** CMC_Movie::getBehavioursList()
{
    return signalList().make();
}

void CMC_Movie::raise(const char* signal)
{
    if (isSignalHandled(signalList().positionOf(signal)))
        onSignal(signal);
}

bool CMC_Movie::onPlayableStarted(CPlayable*)
{
    raise("ONSTARTED");
    return false;
}

bool CMC_Movie::onPlayableTick(CPlayable*)
{
    raise("ONFRAMEUPDATED");
    return false;
}

bool CMC_Movie::onPlayableFinished(CPlayable*)
{
    raise("ONFINISHED");
    return false;
}
