#pragma once

#include "script/CMC_Runner.h"

class CMC_Double;
class CMC_Integer;
class CMC_String;

// The one runner of INTEGER, STRING, BOOL, DOUBLE and EXPRESSION objects. Every variable answers
// the same method names; what a method does depends on the variable's type, and several serve
// one type only. A method meant for other types does nothing to the variable and gives no value
// (ISUPPERLETTER gives FALSE), and a method missing an argument it needs does nothing either.
class CMC_Variable_Runner : public CMC_Runner {
public:
    enum Method {
        SET = 1,
        SWITCH = 2,
        CLEAR = 3,
        INC = 4,
        DEC = 5,
        ADD = 6,
        MUL = 7,
        RESETINI = 8,
        SETDEFAULT = 9,
        SUB = 10,
        DIV = 11,
        MOD = 12,
        ABS = 13,
        AND = 14,
        OR = 15,
        NOT = 16,
        XOR = 17,
        POWER = 18,
        SQRT = 20,
        CLAMP = 21,
        LENGTH = 22,
        ARCTAN = 23,
        GET = 24,
        MINA = 25,
        MAXA = 26,
        ARCTANEX = 27,
        SINUS = 28,
        COSINUS = 29,
        UPPER = 30,
        FIND = 31,
        CUT = 32,
        REPLACEAT = 33,
        INSERTAT = 34,
        REPLACE = 35,
        ROUND = 36,
        ISUPPERLETTER = 37,
        SGN = 38,
        COPYFILE = 39,
        RANDOM = 40,
        LOG = 41,
        LOWER = 48,
    };

    // Degrees per radian as the engine has always used it (a hair below the true value, so
    // ARCTAN(1) is 44.99999999412422).
    static constexpr double kDegreesPerRadian = 57.29577950560105;
    // Radians per degree rounded to single precision.
    static constexpr double kRadiansPerDegree = static_cast<double>(0.017453292f);
    // INSERTAT makes no text longer than this.
    static constexpr int kMaxInsertedLength = 1 << 24;

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
    // ADD stores without making the copy of the new value it gives.
    CMC_Variable* runForEffect(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // ROUND: truncated, plus one when the truncated hundredths are 50 or more (-2.5 gives -2).
    static int roundHundredths(double value);

private:
    CMC_Variable* runVariable(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments, bool valueRead);
    CMC_Variable* runShared(int id, CMC_Variable* variable, CMC_ObjectsContainer* container, CXVector* arguments, bool valueRead,
                            bool& done);
    CMC_Variable* runInteger(int id, CMC_Integer* variable, CXVector* arguments);
    CMC_Variable* runDouble(int id, CMC_Double* variable, CXVector* arguments);
    CMC_Variable* runString(int id, CMC_String* variable, CXVector* arguments);
    CMC_Variable* runStringEdit(int id, CMC_String* variable, CXVector* arguments);
    CMC_Variable* storeCalculated(CMC_Variable* variable, CXVector* arguments, int operation);
    CMC_Variable* get(CMC_Variable* variable, CXVector* arguments);
    CMC_Variable* copyFile(CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* random(CMC_Variable* variable, CXVector* arguments);
    CMC_Variable* extreme(CMC_Double* variable, CXVector* arguments, bool smallest);
    CMC_Variable* angleOfPoint(CMC_Double* variable, CXVector* arguments);
};
