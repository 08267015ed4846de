#include "network/CNetVariableMessage.h"

#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"

CNetVariableMessage::CNetVariableMessage(CXSocket* socket, CMC_Variable* variable) : CNetMessage(socket)
{
    CXString name = variable->getName();
    valueOffset_ = HEAD_LENGTH + name.getLength() + 1;
    allocate(VARIABLE, valueOffset_ + variable->getBufferLen());
    putText(HEAD_LENGTH, name);
    variable->netstore(getBuffer() + valueOffset_);
}

CNetVariableMessage::CNetVariableMessage(const CXString& sender, const CNetMessage* raw)
    : CNetMessage(sender, raw), valueOffset_(afterTextAt(HEAD_LENGTH))
{
}

CMC_Variable* CNetVariableMessage::getVariable() const
{
    if (valueOffset_ >= getBufferLen())
        return nullptr;
    return CMC_VariableFactory::netrestore(getBuffer() + valueOffset_, getBufferLen() - valueOffset_);
}
