#include "script/CMC_Dummy_Runner.h"

#include "script/CMC_Behaviour.h"
#include "script/CMC_StopCode.h"

namespace {

template <script::StopCode code>
CMC_Variable* stop(CMC_Dummy_Runner::Call&)
{
    return script::stopResult(code);
}

// The statements, by name and identifier.
const CMC_Dummy_Runner::Row kStatements[] = {
    {"BREAK", CMC_Dummy_Runner::BREAK, stop<script::STOP_BREAK>},
    {"ONEBREAK", CMC_Dummy_Runner::ONEBREAK, stop<script::STOP_ONEBREAK>},
    {"CONTINUE", CMC_Dummy_Runner::CONTINUE, stop<script::STOP_CONTINUE>},
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
