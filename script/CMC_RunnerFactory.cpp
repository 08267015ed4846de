#include "script/CMC_RunnerFactory.h"

#include "script/CMC_Array_Runner.h"
#include "script/CMC_BasicCondition_Runner.h"
#include "script/CMC_Behaviour_Runner.h"
#include "script/CMC_CNVLoader_Runner.h"
#include "script/CMC_Class_Runner.h"
#include "script/CMC_Database_Runner.h"
#include "script/CMC_Dummy_Runner.h"
#include "script/CMC_Groupped_Runner.h"
#include "script/CMC_MultiArray_Runner.h"
#include "script/CMC_Object.h"
#include "script/CMC_Quene_Runner.h"
#include "script/CMC_Runner.h"
#include "script/CMC_Structure_Runner.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Rand_Runner.h"
#include "script/CMC_Timer_Runner.h"
#include "script/CMC_Variable_Runner.h"
#include "script/CMC_Vector_Runner.h"

#include <initializer_list>
#include <vector>

using namespace script;

CMC_Runner* CMC_RunnerFactory::pAnimoRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pAppRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pArrayRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pBehaviourRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pButtonRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pCORunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pCNVLoaderRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pConditionRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pDialogRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pEditBoxRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pEpisodeRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pFontRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pGroupRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pImageRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pKeyboardRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pMouseRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pRandRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pSceneRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pSequenceRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pSoundRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pSystemRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pTextRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pTimerRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pVariableRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pNetServerRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pNetClientRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pDummyRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pFilterRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pStaticFilterRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pVectorRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pPathRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pQueneRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pCanvasRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pPatternRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pScrollRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pStructureRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pDatabaseRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pClassRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pVGORunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pMultiArrayRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pJoystickRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pMovieRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pGrBufferRunner = nullptr;
CMC_Runner* CMC_RunnerFactory::pInternetRunner = nullptr;

namespace {

struct Row {
    CMC_Runner** slot;
    std::vector<int> types;
    CMC_RunnerFactory::Maker builtIn;
    CMC_RunnerFactory::Maker maker;
};

template <typename Runner>
CMC_Runner* makeRunner()
{
    return new Runner();
}

// In the order the runners are made and deleted.
std::vector<Row>& rows()
{
    using F = CMC_RunnerFactory;
    static std::vector<Row> table = {
        {&F::pAnimoRunner, {TYPE_ANIMO}, nullptr, nullptr},
        {&F::pAppRunner, {TYPE_APPLICATION}, nullptr, nullptr},
        {&F::pArrayRunner, {TYPE_ARRAY}, makeRunner<CMC_Array_Runner>, nullptr},
        {&F::pBehaviourRunner, {TYPE_BEHAVIOUR}, makeRunner<CMC_Behaviour_Runner>, nullptr},
        {&F::pButtonRunner, {TYPE_BUTTON}, nullptr, nullptr},
        {&F::pCORunner, {TYPE_CANVASOBSERVER}, nullptr, nullptr},
        {&F::pCNVLoaderRunner, {TYPE_CNVLOADER}, makeRunner<CMC_CNVLoader_Runner>, nullptr},
        {&F::pConditionRunner, {TYPE_CONDITION, TYPE_COMPLEXCONDITION}, makeRunner<CMC_BasicCondition_Runner>, nullptr},
        {&F::pDialogRunner, {TYPE_DIALOG}, nullptr, nullptr},
        {&F::pEditBoxRunner, {TYPE_EDITBOX}, nullptr, nullptr},
        {&F::pEpisodeRunner, {TYPE_EPISODE}, nullptr, nullptr},
        {&F::pFontRunner, {TYPE_FONT}, nullptr, nullptr},
        {&F::pGroupRunner, {TYPE_GROUP}, makeRunner<CMC_Groupped_Runner>, nullptr},
        {&F::pImageRunner, {TYPE_IMAGE}, nullptr, nullptr},
        {&F::pKeyboardRunner, {TYPE_KEYBOARD}, nullptr, nullptr},
        {&F::pMouseRunner, {TYPE_MOUSE}, nullptr, nullptr},
        {&F::pRandRunner, {TYPE_RANDOM}, makeRunner<CMC_Rand_Runner>, nullptr},
        {&F::pSceneRunner, {TYPE_SCENE}, nullptr, nullptr},
        {&F::pSequenceRunner, {TYPE_SEQUENCE}, nullptr, nullptr},
        {&F::pSoundRunner, {TYPE_SOUND}, nullptr, nullptr},
        {&F::pSystemRunner, {TYPE_SYSTEM}, nullptr, nullptr},
        {&F::pTextRunner, {TYPE_TEXT}, nullptr, nullptr},
        {&F::pTimerRunner, {TYPE_TIMER}, makeRunner<CMC_Timer_Runner>, nullptr},
        {&F::pVariableRunner, {TYPE_INTEGER, TYPE_STRING, TYPE_BOOL, TYPE_DOUBLE, TYPE_EXPRESSION}, makeRunner<CMC_Variable_Runner>, nullptr},
        {&F::pNetServerRunner, {TYPE_NETSERVER}, nullptr, nullptr},
        {&F::pNetClientRunner, {TYPE_NETCLIENT}, nullptr, nullptr},
        {&F::pDummyRunner, {TYPE_STATEMENTS}, makeRunner<CMC_Dummy_Runner>, nullptr},
        {&F::pFilterRunner, {TYPE_FILTER}, nullptr, nullptr},
        {&F::pStaticFilterRunner, {TYPE_STATICFILTER}, nullptr, nullptr},
        {&F::pVectorRunner, {TYPE_VECTOR}, makeRunner<CMC_Vector_Runner>, nullptr},
        {&F::pPathRunner, {TYPE_PATH}, nullptr, nullptr},
        {&F::pQueneRunner, {TYPE_FIFO, TYPE_LIFO}, makeRunner<CMC_Quene_Runner>, nullptr},
        {&F::pCanvasRunner, {TYPE_CANVAS}, nullptr, nullptr},
        {&F::pPatternRunner, {TYPE_PATTERN}, nullptr, nullptr},
        {&F::pScrollRunner, {TYPE_SCROLL}, nullptr, nullptr},
        {&F::pStructureRunner, {TYPE_STRUCTURE}, makeRunner<CMC_Structure_Runner>, nullptr},
        {&F::pDatabaseRunner, {TYPE_DATABASE}, makeRunner<CMC_Database_Runner>, nullptr},
        {&F::pClassRunner, {TYPE_CLASS}, makeRunner<CMC_Class_Runner>, nullptr},
        {&F::pVGORunner, {TYPE_VIRTUAL_GRAPHICSOBJECT}, nullptr, nullptr},
        {&F::pMultiArrayRunner, {TYPE_MULTIARRAY}, makeRunner<CMC_MultiArray_Runner>, nullptr},
        {&F::pJoystickRunner, {TYPE_JOYSTICK}, nullptr, nullptr},
        {&F::pMovieRunner, {TYPE_MOVIE}, nullptr, nullptr},
        {&F::pGrBufferRunner, {TYPE_GRBUFFER}, nullptr, nullptr},
        {&F::pInternetRunner, {TYPE_INTERNET}, nullptr, nullptr},
    };
    return table;
}

Row* rowOf(int type)
{
    for (Row& row : rows()) {
        for (int served : row.types) {
            if (served == type)
                return &row;
        }
    }
    return nullptr;
}

} // namespace

void CMC_RunnerFactory::initialize()
{
    done();
    for (Row& row : rows()) {
        const Maker& make = row.maker ? row.maker : row.builtIn;
        if (!make)
            continue;
        CMC_Runner* runner = make();
        if (runner != nullptr)
            runner->prepareMthHashSet();
        *row.slot = runner;
    }
}

void CMC_RunnerFactory::done()
{
    for (Row& row : rows()) {
        delete *row.slot;
        *row.slot = nullptr;
    }
}

CMC_Runner* CMC_RunnerFactory::getRunner(int type)
{
    Row* row = rowOf(type);
    return row != nullptr ? *row->slot : nullptr;
}

CMC_Runner* CMC_RunnerFactory::getRunnerFor(CMC_Object* object)
{
    if (object == nullptr)
        return nullptr;
    CMC_Runner* runner = getRunner(object->getType());
    return runner != nullptr ? runner : object->getRunner();
}

bool CMC_RunnerFactory::registerRunner(int type, Maker maker)
{
    Row* row = rowOf(type);
    if (row == nullptr)
        return false;
    row->maker = std::move(maker);
    return true;
}

void CMC_RunnerFactory::resetRegistrations()
{
    for (Row& row : rows())
        row.maker = nullptr;
}
