#include "script/CMC_Groupped_Runner.h"

#include "foundation/CXVector.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Groupped.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_String.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"

#include <algorithm>
#include <vector>

namespace {

// The groups whose broadcast is running, innermost last.
std::vector<CMC_ObjectRef>& broadcasting()
{
    static std::vector<CMC_ObjectRef> groups;
    return groups;
}

bool isBroadcasting(CMC_Object* group)
{
    const std::vector<CMC_ObjectRef>& groups = broadcasting();
    return std::any_of(groups.begin(), groups.end(), [group](const CMC_ObjectRef& ref) { return ref.refersTo(group); });
}

} // namespace

void CMC_Groupped_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("ADD", ADD);
    putMethod("REMOVE", REMOVE);
    putMethod("REMOVEALL", REMOVEALL);
    putMethod("GETSIZE", GETSIZE);
    putMethod("GETNAME", GETNAME);
    putMethod("PREV", PREV);
    putMethod("NEXT", NEXT);
    putMethod("ADDCLONES", ADDCLONES);
    putMethod("RESETMARKER", RESETMARKER);
    putMethod("GETMARKERPOS", GETMARKERPOS);
    putMethod("SETMARKERPOS", SETMARKERPOS);
    putMethod("CLONE", CLONE);
    putMethod("GETCLONEINDEX", GETCLONEINDEX);
    putMethod("GETNAMEATMARKER", GETNAMEATMARKER);
    putMethod("CONTAINS", CONTAINS);
}

CMC_Variable* CMC_Groupped_Runner::nameOf(CMC_Object* member)
{
    return member != nullptr ? CMC_VariableFactory::makeString(member->getName()) : nullptr;
}

CMC_Variable* CMC_Groupped_Runner::run(const CXString& name, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int id = resolveMethod(name);
    CMC_Groupped* group = CMC_Groupped::from(object);
    if (id != -1 || group == nullptr)
        return run(id, object, container, arguments);
    broadcast(name, group, container, arguments);
    return nullptr;
}

void CMC_Groupped_Runner::broadcast(const CXString& name, CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (isBroadcasting(group))
        return;
    std::vector<CMC_ObjectRef> members;
    for (CMC_Object* member : group->getMembers())
        members.emplace_back(member);
    broadcasting().emplace_back(group);
    for (const CMC_ObjectRef& member : members) {
        CMC_Object* alive = member.get();
        CMC_Runner* runner = CMC_RunnerFactory::getRunnerFor(alive);
        if (runner == nullptr)
            continue;
        CMC_Object::flush(runner->run(name, alive, container, arguments));
    }
    broadcasting().pop_back();
}

CMC_Variable* CMC_Groupped_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_Groupped* group = CMC_Groupped::from(object);
    if (group == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    int count = argumentCount(arguments);
    switch (id) {
    case GETSIZE:
        return CMC_VariableFactory::makeInteger(group->getSize());
    case GETNAME:
        return count >= 1 ? nameOf(group->get(intArgument(arguments, 0))) : nullptr;
    case PREV:
        return nameOf(group->prev(intArgument(arguments, 0, 1)));
    case NEXT:
        return nameOf(group->next(intArgument(arguments, 0, 1)));
    case GETMARKERPOS:
        return CMC_VariableFactory::makeInteger(group->getMarkerPos());
    case GETNAMEATMARKER:
        return nameOf(group->get(group->getMarkerPos()));
    case CONTAINS: {
        if (count < 1 || container == nullptr)
            return nullptr;
        CMC_Object* member = container->getObject(stringArgument(arguments, 0));
        return CMC_VariableFactory::makeBool(member != nullptr && group->contains(member));
    }
    case CLONE:
        return CMC_Runner::run(CMC_Runner::CLONE, object, container, arguments);
    case GETCLONEINDEX:
        return CMC_Runner::run(CMC_Runner::GETCLONEINDEX, object, container, arguments);
    default:
        if (runListMethod(id, group, container, arguments))
            return nullptr;
        return CMC_Runner::run(id, object, container, arguments);
    }
}

bool CMC_Groupped_Runner::runListMethod(int id, CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    switch (id) {
    case ADD:
        addByNames(group, container, arguments);
        return true;
    case REMOVE:
        if (count >= 1 && container != nullptr)
            group->remove(container->getObject(stringArgument(arguments, 0)));
        return true;
    case REMOVEALL:
        group->removeAll();
        return true;
    case ADDCLONES:
        addClones(group, container, arguments);
        return true;
    case RESETMARKER:
        group->resetMarker();
        return true;
    case SETMARKERPOS:
        if (count >= 1)
            group->setMarkerPos(intArgument(arguments, 0));
        return true;
    default:
        return false;
    }
}

void CMC_Groupped_Runner::addByNames(CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (container == nullptr)
        return;
    for (int i = 0; i < argumentCount(arguments); ++i) {
        if (CMC_Object* member = container->getObject(stringArgument(arguments, i)))
            group->add(member);
        releaseArgument(arguments, i);
    }
}

void CMC_Groupped_Runner::addClones(CMC_Groupped* group, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    if (count < 1 || container == nullptr)
        return;
    CXString name = stringArgument(arguments, 0);
    CMC_Object* source = container->getObject(name);
    if (source == nullptr)
        return;
    int first = intArgument(arguments, 1, 1);
    int last = count >= 3 ? intArgument(arguments, 2) : source->getClonesNo();
    group->addClones(name, first, last);
}
