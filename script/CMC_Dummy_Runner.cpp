#include "script/CMC_Dummy_Runner.h"

#include "script/CMC_Behaviour.h"
#include "script/CMC_FlowStatements.h"
#include "script/CMC_ObjectStatements.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_ValueStatements.h"

namespace {

template <script::StopCode code>
CMC_Variable* stop(CMC_Dummy_Runner::Call&)
{
    return script::stopResult(code);
}

// The statements, by name and identifier.
using R = CMC_Dummy_Runner;
using Flow = CMC_FlowStatements;
using Values = CMC_ValueStatements;
using Objects = CMC_ObjectStatements;

const CMC_Dummy_Runner::Row kStatements[] = {
    {"IF", R::IF, Flow::ifStatement},
    {"WHILE", R::WHILE, Flow::whileStatement},
    {"RETURN", R::RETURN, Values::returnStatement},
    {"BREAK", R::BREAK, stop<script::STOP_BREAK>},
    {"CONV", R::CONV, Values::convStatement},
    {"MSGBOX", R::MSGBOX, Values::msgboxStatement},
    {"BOOL", R::BOOL, Values::declareStatement<script::TYPE_BOOL>},
    {"DOUBLE", R::DOUBLE, Values::declareStatement<script::TYPE_DOUBLE>},
    {"INT", R::INT, Values::declareStatement<script::TYPE_INTEGER>},
    {"STRING", R::STRING, Values::declareStatement<script::TYPE_STRING>},
    {"LOOP", R::LOOP, Flow::loopStatement},
    {"VALUE", R::VALUE, Values::valueStatement},
    {"RUNONTIMER", R::RUNONTIMER, Objects::runOnTimerStatement},
    {"CREATE", R::CREATE, Objects::createStatement},
    {"GETAPPLICATIONNAME", R::GETAPPLICATIONNAME, Values::applicationNameStatement},
    {"GETCURRENTSCENE", R::GETCURRENTSCENE, Values::currentSceneStatement},
    {"ONEBREAK", R::ONEBREAK, stop<script::STOP_ONEBREAK>},
    {"CONTINUE", R::CONTINUE, stop<script::STOP_CONTINUE>},
    {"FOR", R::FOR, Flow::forStatement},
};

} // namespace

CMC_Behaviour* CMC_Dummy_Runner::Call::behaviour() const
{
    return dynamic_cast<CMC_Behaviour*>(object);
}

void CMC_Dummy_Runner::prepareMthHashSet()
{
    for (const Row& row : kStatements)
        putMethod(row.name, row.id);
}

CMC_Dummy_Runner::Statement CMC_Dummy_Runner::statementOf(int id)
{
    for (const Row& row : kStatements) {
        if (row.id == id)
            return row.statement;
    }
    return nullptr;
}

CMC_Variable* CMC_Dummy_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    Statement statement = statementOf(id);
    if (statement == nullptr)
        return nullptr;
    Call call{*this, object, container, arguments};
    return statement(call);
}
