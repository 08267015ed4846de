#include "application/CMC_Episode_Runner.h"

#include "application/CMC_Episode.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

void CMC_Episode_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("NEXT", NEXT);
    putMethod("PREV", PREV);
    putMethod("BACK", BACK);
    putMethod("RESTART", RESTART);
    putMethod("GOTO", GOTO);
    putMethod("GETLATESTSCENE", GETLATESTSCENE);
    putMethod("GETCURRENTSCENE", GETCURRENTSCENE);
}

CMC_Variable* CMC_Episode_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* episode = dynamic_cast<CMC_Episode*>(object);
    if (episode == nullptr || id < NEXT || id > GETCURRENTSCENE)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case NEXT:
        episode->next();
        return nullptr;
    case PREV:
        episode->prev();
        return nullptr;
    case BACK:
        episode->back();
        return nullptr;
    case RESTART:
        episode->restart();
        return nullptr;
    case GOTO:
        return gotoChild(episode, arguments);
    case GETLATESTSCENE:
        return CMC_VariableFactory::makeString(episode->getLatestScene());
    default: {
        // No live scene reads as an empty name.
        CMC_Scene* live = episode->getCurrentScene();
        return CMC_VariableFactory::makeString(live != nullptr ? live->getName() : CXString());
    }
    }
}
