#include "objects/CMC_Pattern_Runner.h"

#include "foundation/IntegerWrap.h"
#include "graphics/CPattern.h"
#include "objects/CMC_Pattern.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

using foundation::wrapAdd;
using foundation::wrapMul;
using foundation::wrapSub;

namespace {

using S = CMC_Media_Runner::Shared;

const CMC_Media_Runner::Method kMethods[] = {
    {"ADD", CMC_Pattern_Runner::ADD, S::None},
    {"SETGRID", CMC_Pattern_Runner::SETGRID, S::None},
    {"MOVE", CMC_Pattern_Runner::MOVE, S::None},
    {"GETGRAPHICSAT", CMC_Pattern_Runner::GETGRAPHICSAT, S::None},
    {"REMOVE", CMC_Pattern_Runner::REMOVE, S::None},
    {"GETALIASAT", CMC_Pattern_Runner::GETALIASAT, S::None},
    {"GETINFOAT", CMC_Pattern_Runner::GETINFOAT, S::None},
    {"GETALIASINFO", CMC_Pattern_Runner::GETALIASINFO, S::None},
    {"GETCELLCORD", CMC_Pattern_Runner::GETCELLCORD, S::None},
    {"GETALIASATCELL", CMC_Pattern_Runner::GETALIASATCELL, S::None},
    {"SETPOSITION", CMC_Pattern_Runner::SETPOSITION, S::None},
};

CMC_Variable* aliasOrNull(const CXString* alias)
{
    return CMC_VariableFactory::makeString(alias != nullptr ? *alias : CXString("NULL"));
}

} // namespace

void CMC_Pattern_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_Pattern_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* patternObject = dynamic_cast<CMC_Pattern*>(object);
    CPattern* pattern = patternObject != nullptr ? patternObject->getPattern() : nullptr;
    if (pattern == nullptr || id < ADD || id > SETPOSITION)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = patternObject->getScene();
    if (runChange(id, pattern, container, arguments))
        return nullptr;
    return runQuery(id, pattern, container, arguments);
}

bool CMC_Pattern_Runner::runChange(int id, CPattern* pattern, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    switch (id) {
    case ADD:
        pattern->add(stringArgument(arguments, 0), intArgument(arguments, 1), intArgument(arguments, 2),
                     count >= 6 ? intArgument(arguments, 5) : 0, pictureNamed(container, stringArgument(arguments, 3)),
                     intArgument(arguments, 4), CXString());
        return true;
    case SETGRID:
        pattern->setGrid(CXSize(intArgument(arguments, 0), intArgument(arguments, 1)));
        return true;
    case MOVE:
        pattern->move(intArgument(arguments, 0), intArgument(arguments, 1));
        return true;
    case REMOVE:
        if (isNumber(arguments, 0))
            pattern->remove(intArgument(arguments, 0), intArgument(arguments, 1), count >= 3 ? intArgument(arguments, 2) : 0);
        else
            pattern->remove(stringArgument(arguments, 0));
        return true;
    case SETPOSITION:
        placeAt(pattern, intArgument(arguments, 0), intArgument(arguments, 1));
        return true;
    default:
        return false;
    }
}

CMC_Variable* CMC_Pattern_Runner::runQuery(int id, CPattern* pattern, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    int x = intArgument(arguments, 0);
    int y = intArgument(arguments, 1);
    switch (id) {
    case GETGRAPHICSAT: {
        int layer = count >= 5 ? intArgument(arguments, 4) : -1;
        int threshold = count >= 6 ? intArgument(arguments, 5) : 0;
        CGraphicsObject* found = pattern->getGraphicsObject(x, y, boolArgument(arguments, 2), boolArgument(arguments, 3), layer, threshold);
        if (found == nullptr || container == nullptr)
            return CMC_VariableFactory::makeString(found == nullptr ? "NULL" : "UNKNOWN");
        return CMC_VariableFactory::makeString(container->getGraphicsObjectName(found, true));
    }
    case GETALIASAT:
        return aliasOrNull(pattern->getGraphicsObjectAlias(x, y, boolArgument(arguments, 2), boolArgument(arguments, 3)));
    case GETINFOAT:
        appendInfo(pattern, pattern->getEntryAt(x, y, 0, boolArgument(arguments, 2), boolArgument(arguments, 3)), container,
                   stringArgument(arguments, 4));
        return nullptr;
    case GETALIASINFO:
        appendInfo(pattern, pattern->getAliasEntry(stringArgument(arguments, 0)), container, stringArgument(arguments, 1));
        return nullptr;
    case GETCELLCORD:
        return cellOf(pattern, container, arguments);
    case GETALIASATCELL: {
        CPatternEntry* entry = pattern->getEntryAtCell(x, y, count >= 3 ? intArgument(arguments, 2) : 0);
        return aliasOrNull(entry != nullptr ? &entry->getAlias() : nullptr);
    }
    default:
        return nullptr;
    }
}

void CMC_Pattern_Runner::appendInfo(CPattern* pattern, CPatternEntry* entry, CMC_ObjectsContainer* container, const CXString& array)
{
    if (entry == nullptr)
        return;
    CXPoint at = pattern->GetPosition();
    CXSize cell = pattern->getGrid();
    CXSize size = entry->getObject()->Size();
    int values[] = {
        entry->getColumn(),
        entry->getRow(),
        size.cx,
        size.cy,
        wrapAdd(wrapAdd(at.x, wrapMul(entry->getColumn(), cell.cx)), size.cx / 2),
        wrapAdd(wrapAdd(at.y, wrapMul(entry->getRow(), cell.cy)), size.cy / 2),
    };
    appendTo(container, array, CMC_VariableFactory::makeString(entry->getAlias()));
    for (int value : values)
        appendTo(container, array, CMC_VariableFactory::makeInteger(value));
}

CMC_Variable* CMC_Pattern_Runner::cellOf(CPattern* pattern, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CXPoint at = pattern->GetPosition();
    int x = wrapSub(intArgument(arguments, 0), at.x);
    int y = wrapSub(intArgument(arguments, 1), at.y);
    CXSize size = pattern->Size();
    CXSize cell = pattern->getGrid();
    bool inside = x >= 0 && x <= size.cx && y >= 0 && y <= size.cy;
    CXString array = stringArgument(arguments, 2);
    appendTo(container, array, CMC_VariableFactory::makeInteger(x / cell.cx));
    appendTo(container, array, CMC_VariableFactory::makeInteger(y / cell.cy));
    return CMC_VariableFactory::makeBool(inside);
}
