#include "script/CMC_Groupped.h"

#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

#include <algorithm>
#include <cstdint>

namespace {

// ADDCLONES takes its range from scripts; a range wider than this is cut short.
constexpr int64_t kMaxClonesTried = 65536;

} // namespace

CMC_Groupped::CMC_Groupped(CMC_ObjectsContainer* container, CMElement* definition)
    : CMC_Object(container, definition, script::TYPE_GROUP)
{
    initializeBehaviours(container, definition);
}

CMC_Groupped::CMC_Groupped(const CXString& name, CMC_ObjectsContainer* scene) : CMC_Object(name, script::TYPE_GROUP)
{
    setScene(scene);
}

CMC_Groupped::~CMC_Groupped()
{
    beginDestruction();
}

CMC_Groupped* CMC_Groupped::from(CMC_Object* object)
{
    return object != nullptr && object->getType() == script::TYPE_GROUP ? dynamic_cast<CMC_Groupped*>(object) : nullptr;
}

CXString** CMC_Groupped::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}

// ---- members ----------------------------------------------------------------------------------

void CMC_Groupped::dropDeadMembers()
{
    if (std::erase_if(members_, [](const CMC_ObjectRef& member) { return !member.isAlive(); }) > 0)
        indexMembers();
    marker_ = std::min(marker_, static_cast<int>(members_.size()) - 1);
}

void CMC_Groupped::indexMembers()
{
    memberIndex_.clear();
    for (const CMC_ObjectRef& member : members_)
        memberIndex_.insert(member.get());
}

void CMC_Groupped::append(CMC_Object* member)
{
    members_.emplace_back(member);
    memberIndex_.insert(member);
}

void CMC_Groupped::add(CMC_Object* member)
{
    if (member != nullptr && !contains(member))
        append(member);
}

void CMC_Groupped::addClones(const CXString& name, int from, int to)
{
    CMC_ObjectsContainer* scene = getScene();
    if (scene == nullptr)
        return;
    int64_t last = std::min<int64_t>(to, int64_t{from} + kMaxClonesTried - 1);
    for (int64_t i = from; i <= last; ++i) {
        CXString cloneName = name + "_";
        cloneName += static_cast<int>(i);
        if (CMC_Object* clone = scene->getObject(cloneName))
            append(clone);
    }
}

void CMC_Groupped::remove(CMC_Object* member)
{
    auto found = std::find_if(members_.begin(), members_.end(), [member](const CMC_ObjectRef& ref) { return ref.refersTo(member); });
    if (found != members_.end())
        members_.erase(found);
    dropDeadMembers();
}

void CMC_Groupped::removeAll()
{
    members_.clear();
    memberIndex_.clear();
    dropDeadMembers();
}

bool CMC_Groupped::contains(CMC_Object* member)
{
    // The index holds every member's address, and may hold those of members since gone: only a
    // hit needs the look at the members themselves.
    if (memberIndex_.count(member) == 0)
        return false;
    return std::any_of(members_.begin(), members_.end(), [member](const CMC_ObjectRef& ref) { return ref.refersTo(member); });
}

CMC_Object* CMC_Groupped::get(int index)
{
    dropDeadMembers();
    return index >= 0 && index < getSize() ? members_[static_cast<size_t>(index)].get() : nullptr;
}

int CMC_Groupped::getSize()
{
    dropDeadMembers();
    return static_cast<int>(members_.size());
}

std::vector<CMC_Object*> CMC_Groupped::getMembers()
{
    dropDeadMembers();
    std::vector<CMC_Object*> members;
    members.reserve(members_.size());
    for (const CMC_ObjectRef& member : members_)
        members.push_back(member.get());
    return members;
}

// ---- marker -----------------------------------------------------------------------------------

CMC_Object* CMC_Groupped::memberAtMarker()
{
    return get(marker_);
}

CMC_Object* CMC_Groupped::moveMarker(int64_t step)
{
    int count = getSize();
    if (count == 0)
        return nullptr;
    // Wraps in one step where walking by whole lengths could take billions of rounds.
    int64_t moved = (int64_t{marker_} + step) % count;
    marker_ = static_cast<int>(moved < 0 ? moved + count : moved);
    return memberAtMarker();
}

CMC_Object* CMC_Groupped::next(int n)
{
    return moveMarker(n);
}

CMC_Object* CMC_Groupped::prev(int n)
{
    return moveMarker(-int64_t{n});
}

void CMC_Groupped::resetMarker()
{
    marker_ = -1;
}

int CMC_Groupped::getMarkerPos()
{
    return marker_;
}

void CMC_Groupped::setMarkerPos(int position)
{
    marker_ = std::clamp(position, -1, std::max(getSize() - 1, -1));
}

// ---- copies and text --------------------------------------------------------------------------

CXObject* CMC_Groupped::clone() const
{
    auto* copy = new CMC_Groupped(CXString("cloned"), const_cast<CMC_Groupped*>(this)->getScene());
    for (const CMC_ObjectRef& member : members_) {
        if (member.isAlive())
            copy->append(member.get());
    }
    return copy;
}

CXString CMC_Groupped::toString() const
{
    CXString text;
    bool first = true;
    for (const CMC_ObjectRef& member : members_) {
        if (!member.isAlive())
            continue;
        if (!first)
            text += ",";
        text += member.get()->getName();
        first = false;
    }
    return text;
}
