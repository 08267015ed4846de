#include "script/CMC_CreationChain.h"

#include "script/CMC_Array.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Class.h"
#include "script/CMC_ComplexCondition.h"
#include "script/CMC_Condition.h"
#include "script/CMC_Database.h"
#include "script/CMC_Double.h"
#include "script/CMC_Expression.h"
#include "script/CMC_Fifo.h"
#include "script/CMC_Groupped.h"
#include "script/CMC_Integer.h"
#include "script/CMC_Lifo.h"
#include "script/CMC_MultiArray.h"
#include "script/CMC_String.h"
#include "script/CMC_Structure.h"
#include "script/CMC_Timer.h"
#include "script/CMC_Vector.h"

#include <map>
#include <string>

namespace {

struct WordRow {
    const char* word;
    int pass;
    bool withSceneInPasses;
    bool withSceneInResolve;
    bool perFrame;
};

// Values first, then what reads them (conditions, expressions, data), then classes, then media,
// then input and the rest; so behaviours exist before any object binds them.
const WordRow kWords[] = {
    {"BEHAVIOUR", 1, false, false, false},
    {"BOOL", 2, false, false, false},
    {"DOUBLE", 2, false, false, false},
    {"INTEGER", 2, false, false, false},
    {"STRING", 2, false, false, false},
    {"CONDITION", 3, false, false, false},
    {"COMPLEXCONDITION", 3, false, false, false},
    {"EXPRESSION", 3, false, false, false},
    {"ARRAY", 3, false, false, false},
    {"MULTIARRAY", 3, false, false, false},
    {"STRUCT", 3, false, false, false},
    {"DATABASE", 3, false, false, false},
    {"CLASS", 4, true, true, false},
    {"IMAGE", 5, false, false, false},
    {"ANIMO", 5, false, false, false},
    {"VIRTUALGRAPHICSOBJECT", 5, false, true, false},
    {"FONT", 5, false, false, false},
    {"SOUND", 5, false, false, false},
    {"VECTOR", 5, false, false, false},
    {"GRBUFFER", 5, false, true, false},
    {"MOUSE", 6, false, false, false},
    {"KEYBOARD", 6, false, false, false},
    {"JOYSTICK", 6, false, false, false},
    {"TIMER", 6, false, false, false},
    {"BUTTON", 6, false, false, false},
    {"SEQUENCE", 6, false, false, false},
    {"CANVAS_OBSERVER", 6, false, false, false},
    {"GROUP", 6, false, false, false},
    {"TEXT", 6, false, false, false},
    {"FILTER", 6, false, false, false},
    {"STATICFILTER", 6, false, false, false},
    {"EDITBOX", 6, false, false, false},
    {"PATH", 6, false, false, false},
    {"FIFO", 6, false, false, false},
    {"LIFO", 6, false, false, false},
    {"CANVAS", 6, false, false, false},
    {"PATTERN", 6, false, false, false},
    {"DIALOG", 6, false, false, false},
    {"SCROLL", 6, false, false, false},
    {"MOVIE", 6, false, true, false},
    {"INTERNET", 6, false, true, true},
};

const WordRow* rowOf(const CXString& word)
{
    for (const WordRow& row : kWords) {
        if (word == row.word)
            return &row;
    }
    return nullptr;
}

template <typename Variable>
CMC_Object* makeVariable(CMC_ObjectsContainer* container, CMElement* element)
{
    return new Variable(container, element);
}

// The empty objects of the script core's types that have a stored form, as a compiled scene's
// reader builds them before each reads its record.
template <typename Value>
CMC_Object* makeEmptyValue(CMC_ObjectsContainer*)
{
    return new Value(CXString());
}

template <typename Object>
CMC_Object* makeEmptyIn(CMC_ObjectsContainer* container)
{
    return new Object(container);
}

struct Registry {
    std::map<std::string, CMC_CreationChain::Creator> creators;
    std::map<std::string, CMC_CreationChain::EmptyCreator> emptyCreators;
    CMC_CreationChain::InlineBehaviourMaker inlineBehaviourMaker;
    std::map<int, CMC_CreationChain::GraphicsAccessor> graphicsAccessors;

    Registry() { restoreBuiltIns(); }

    void restoreBuiltIns()
    {
        creators.clear();
        creators["BOOL"] = makeVariable<CMC_Bool>;
        creators["DOUBLE"] = makeVariable<CMC_Double>;
        creators["INTEGER"] = makeVariable<CMC_Integer>;
        creators["STRING"] = makeVariable<CMC_String>;
        creators["TIMER"] = makeVariable<CMC_Timer>;
        creators["STRUCT"] = makeVariable<CMC_Structure>;
        creators["DATABASE"] = makeVariable<CMC_Database>;
        creators["GROUP"] = makeVariable<CMC_Groupped>;
        creators["CLASS"] = makeVariable<CMC_Class>;
        creators["BEHAVIOUR"] = makeVariable<CMC_Behaviour>;
        creators["CONDITION"] = makeVariable<CMC_Condition>;
        creators["COMPLEXCONDITION"] = makeVariable<CMC_ComplexCondition>;
        creators["EXPRESSION"] = makeVariable<CMC_Expression>;
        creators["ARRAY"] = makeVariable<CMC_Array>;
        creators["MULTIARRAY"] = makeVariable<CMC_MultiArray>;
        creators["FIFO"] = makeVariable<CMC_Fifo>;
        creators["LIFO"] = makeVariable<CMC_Lifo>;
        creators["VECTOR"] = makeVariable<CMC_Vector>;
        emptyCreators.clear();
        emptyCreators["INTEGER"] = makeEmptyValue<CMC_Integer>;
        emptyCreators["STRING"] = makeEmptyValue<CMC_String>;
        emptyCreators["BOOL"] = makeEmptyValue<CMC_Bool>;
        emptyCreators["DOUBLE"] = makeEmptyValue<CMC_Double>;
        emptyCreators["CONDITION"] = makeEmptyIn<CMC_Condition>;
        emptyCreators["COMPLEXCONDITION"] = makeEmptyIn<CMC_ComplexCondition>;
        emptyCreators["EXPRESSION"] = [](CMC_ObjectsContainer* container) { return new CMC_Expression(container, CXString()); };
        emptyCreators["BEHAVIOUR"] = makeEmptyIn<CMC_Behaviour>;
        emptyCreators["TIMER"] = makeEmptyIn<CMC_Timer>;
        emptyCreators["VECTOR"] = [](CMC_ObjectsContainer*) { return new CMC_Vector(nullptr); };
        emptyCreators["FIFO"] = makeEmptyIn<CMC_Fifo>;
        emptyCreators["LIFO"] = makeEmptyIn<CMC_Lifo>;
        emptyCreators["GROUP"] = [](CMC_ObjectsContainer* container) { return new CMC_Groupped(CXString(), container); };
        emptyCreators["ARRAY"] = [](CMC_ObjectsContainer* container) { return new CMC_Array(container, CXString("temp")); };
        inlineBehaviourMaker = [](CMC_ObjectsContainer* container, const CXString& name, const CXString& code) {
            return new CMC_Behaviour(container, name, code);
        };
        graphicsAccessors.clear();
    }
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

int CMC_CreationChain::passOf(const CXString& word)
{
    const WordRow* row = rowOf(word);
    return row != nullptr ? row->pass : 6;
}

bool CMC_CreationChain::isKnownWord(const CXString& word)
{
    return rowOf(word) != nullptr;
}

bool CMC_CreationChain::madeWithSceneInPasses(const CXString& word)
{
    const WordRow* row = rowOf(word);
    return row != nullptr && row->withSceneInPasses;
}

bool CMC_CreationChain::madeWithSceneInResolve(const CXString& word)
{
    const WordRow* row = rowOf(word);
    return row != nullptr && row->withSceneInResolve;
}

bool CMC_CreationChain::isPerFrame(const CXString& word)
{
    const WordRow* row = rowOf(word);
    return row != nullptr && row->perFrame;
}

bool CMC_CreationChain::registerCreator(const CXString& word, Creator creator)
{
    if (!isKnownWord(word))
        return false;
    registry().creators[word.c_str()] = std::move(creator);
    return true;
}

CMC_Object* CMC_CreationChain::create(const CXString& word, CMC_ObjectsContainer* container, CMElement* element)
{
    auto found = registry().creators.find(word.c_str());
    if (found == registry().creators.end() || !found->second)
        return nullptr;
    return found->second(container, element);
}

bool CMC_CreationChain::registerEmptyCreator(const CXString& word, EmptyCreator creator)
{
    if (!isKnownWord(word))
        return false;
    registry().emptyCreators[word.c_str()] = std::move(creator);
    return true;
}

CMC_CreationChain::EmptyCreator CMC_CreationChain::emptyCreatorOf(const CXString& word)
{
    auto found = registry().emptyCreators.find(word.c_str());
    return found != registry().emptyCreators.end() ? found->second : EmptyCreator();
}

CMC_Object* CMC_CreationChain::createEmpty(const CXString& word, CMC_ObjectsContainer* container)
{
    auto found = registry().emptyCreators.find(word.c_str());
    if (found == registry().emptyCreators.end() || !found->second)
        return nullptr;
    return found->second(container);
}

void CMC_CreationChain::setInlineBehaviourMaker(InlineBehaviourMaker maker)
{
    registry().inlineBehaviourMaker = std::move(maker);
}

CMC_Object* CMC_CreationChain::makeInlineBehaviour(CMC_ObjectsContainer* container, const CXString& name, const CXString& code)
{
    const InlineBehaviourMaker& maker = registry().inlineBehaviourMaker;
    return maker ? maker(container, name, code) : nullptr;
}

void CMC_CreationChain::registerGraphicsAccessor(int type, GraphicsAccessor accessor)
{
    registry().graphicsAccessors[type] = std::move(accessor);
}

bool CMC_CreationChain::hasGraphicsAccessor(int type)
{
    return registry().graphicsAccessors.count(type) != 0;
}

CGraphicsObject* CMC_CreationChain::graphicsOf(CMC_Object* object, CMC_ObjectsContainer* container, const CXString* part)
{
    if (object == nullptr)
        return nullptr;
    auto found = registry().graphicsAccessors.find(object->getType());
    if (found == registry().graphicsAccessors.end() || !found->second)
        return nullptr;
    return found->second(object, container, part);
}

void CMC_CreationChain::reset()
{
    registry().restoreBuiltIns();
}
