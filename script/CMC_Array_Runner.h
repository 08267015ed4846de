#pragma once

#include "script/CMC_Runner.h"

class CMC_Array;

// The methods of ARRAY objects. Indices from scripts are checked by every method: INSERTAT,
// REMOVEAT and CHANGEAT ignore one outside the elements, GET gives the STRING "NULL" for it, and
// the single-element arithmetic, CLAMPAT and SWAP ignore it too.
class CMC_Array_Runner : public CMC_Runner {
public:
    enum Method {
        ADD = 1,
        GETSIZE = 2,
        INSERTAT = 3,
        REMOVEAT = 4,
        CHANGEAT = 5,
        REMOVEALL = 6,
        GET = 7,
        REMOVE = 8,
        FIND = 9,
        CONTAINS = 10,
        SAVEINI = 11,
        LOADINI = 12,
        PREV = 13,
        NEXT = 14,
        ADDCLONES = 15,
        RESETMARKER = 16,
        GETMARKERPOS = 17,
        SETMARKERPOS = 18,
        SUM = 19,
        SUMA = 20,
        SUB = 21,
        SUBA = 22,
        MUL = 23,
        MULA = 24,
        DIV = 25,
        DIVA = 32,
        MIN = 33,
        MAX = 34,
        GETSUMVALUE = 35,
        SORT = 36,
        LOAD = 37,
        SAVE = 38,
        REVERSEFIND = 39,
        MULAT = 40,
        DIVAT = 41,
        ADDAT = 42,
        SUBAT = 43,
        MODAT = 44,
        CLAMPAT = 45,
        DIR = 46,
        COMPARE = 47,
        SENDONCHANGE = 48,
        SHIFTLEFT = 49,
        SHIFTRIGHT = 50,
        ROTATELEFT = 51,
        ROTATERIGHT = 52,
        SWAP = 53,
        FINDALL = 54,
        SORTMANY = 55,
        MAXD = 56,
        MIND = 57,
        COPYTO = 58,
        FILL = 59,
        RANDOMFILL = 60,
    };

    // Starting points of MIN / MIND and MAX / MAXD: a result that no element passes.
    static constexpr int kMinStart = 1000000;
    static constexpr int kMaxStart = 0;

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;


private:
    CMC_Variable* runElements(int id, CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments, bool& done);
    CMC_Variable* runArithmetic(int id, CMC_Array* array, CXVector* arguments, bool& done);
    CMC_Variable* runQueries(int id, CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments, bool& done);
    void addEach(CMC_Array* array, CXVector* arguments, int from);
    void combineRange(int id, CMC_Array* array, CXVector* arguments);
    void clampAt(CMC_Array* array, CXVector* arguments);
    void addClones(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments);
    void listFolder(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* findAll(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments);
    void copyTo(CMC_Array* array, CMC_ObjectsContainer* container, CXVector* arguments);
    void fill(CMC_Array* array, CXVector* arguments);
    void randomFill(CMC_Array* array, CXVector* arguments);
    static CMC_Variable* element(CMC_Array* array, int index);
    static CMC_Variable* extremeInteger(CMC_Array* array, bool smallest);
    static CMC_Variable* extremeDouble(CMC_Array* array, bool smallest);
    static CMC_Variable* integerSum(CMC_Array* array);
};
