#pragma once

#include "network/CNetMessage.h"

class CMC_Variable;

// A variable's name and its value record (the variable's own network form: a type word, then
// the value).
class CNetVariableMessage : public CNetMessage {
public:
    CNetVariableMessage(CXSocket* socket, CMC_Variable* variable);
    CNetVariableMessage(const CXString& sender, const CNetMessage* raw);

    const char* getVariableName() const { return textAt(HEAD_LENGTH); }
    // The record's type word; 0 when the frame holds none.
    int getVariableType() const { return wordAt(valueOffset_); }
    // A pooled temporary holding the received value, to be given back to the pools; null for a
    // record of no known type or one cut short.
    CMC_Variable* getVariable() const;
    int getValueOffset() const { return valueOffset_; }

private:
    int valueOffset_;
};
