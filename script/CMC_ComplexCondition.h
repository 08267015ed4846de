#pragma once

#include "script/CMC_BasicCondition.h"

// The COMPLEXCONDITION (type 11): CONDITION1 AND / OR CONDITION2, two condition objects named in
// the definition and looked up anew at every test, so they may be defined later or replaced. The
// second is tested only when the first does not settle the answer; the inner tests always raise
// their own signals. A missing condition tests false without any signal.
class CMC_ComplexCondition : public CMC_BasicCondition {
public:
    enum Operator { AND = 1, OR = 2 };

    // Empty, named "temp", for loading from a compiled scene.
    explicit CMC_ComplexCondition(CMC_ObjectsContainer* container);
    CMC_ComplexCondition(CMC_ObjectsContainer* container, CMElement* definition);
    ~CMC_ComplexCondition() override;

    void serialize(CXArchive* archive) override;
    bool valid(bool raiseSignals) override;

    // AND 1, OR 2; AND for any other word.
    static int resolveOperator(const CXString& word);

    CXString getCondition1() const { return condition1Name_; }
    CXString getCondition2() const { return condition2Name_; }

private:
    CMC_BasicCondition* conditionNamed(const CXString& name);

    CXString condition1Name_;
    CXString condition2Name_;
    CXString operatorText_;
    int operator_ = AND;
};
