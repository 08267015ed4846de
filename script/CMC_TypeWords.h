#pragma once

#include "foundation/CXString.h"

// The words scripts use for type identifiers: the TYPE words that getTypeId accepts and the texts
// typeToString gives. Reached through CMC_Object::getTypeId and CMC_Object::typeToString.
namespace script {

// The identifier of a word (exact, case-sensitive); -1 for an unknown word.
int typeIdOfWord(const CXString& word);
// The display text of an identifier; the decimal number for identifiers without one.
CXString textOfTypeId(int type);

} // namespace script
