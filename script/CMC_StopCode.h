#pragma once

#include <cstdint>

class CMC_Variable;

// What a behaviour line gives back besides a value: three stop codes, carried in the place of the
// result pointer. BREAK (-1) ends the behaviour and makes its run report true; ONEBREAK (-2) and
// CONTINUE (-3) end only this run, which reports false. Only the line that a behaviour runs passes
// a code on; anywhere a value is expected (an argument, an operand) a code counts as no value.
namespace script {

enum StopCode : int { STOP_BREAK = -1, STOP_ONEBREAK = -2, STOP_CONTINUE = -3 };

inline CMC_Variable* stopResult(StopCode code)
{
    return reinterpret_cast<CMC_Variable*>(static_cast<intptr_t>(code));
}

inline bool isStopCode(const CMC_Variable* result)
{
    auto bits = reinterpret_cast<intptr_t>(result);
    return bits >= STOP_CONTINUE && bits <= STOP_BREAK;
}

// The code of a result; 0 for a value or null.
inline int stopCodeOf(const CMC_Variable* result)
{
    return isStopCode(result) ? static_cast<int>(reinterpret_cast<intptr_t>(result)) : 0;
}

// The result as a value: a stop code becomes null.
inline CMC_Variable* valueOnly(CMC_Variable* result)
{
    return isStopCode(result) ? nullptr : result;
}

} // namespace script
