#include "network/CNetCmdMessage.h"

#include "foundation/CXArray.h"

CNetCmdMessage::CNetCmdMessage(CXSocket* socket, const CXString& command, CXArray* params)
    : CNetMessage(socket), command_(command)
{
    int count = params != nullptr ? params->getSize() : 0;
    int length = HEAD_LENGTH + command.getLength() + 1;
    for (int i = 0; i < count; ++i) {
        addParam(*params->stringAt(i));
        length += params_->stringAt(i)->getLength() + 1;
    }
    allocate(CMD, length);
    int offset = putText(HEAD_LENGTH, command_);
    for (int i = 0; i < count; ++i)
        offset = putText(offset, *params_->stringAt(i));
}

CNetCmdMessage::CNetCmdMessage(const CXString& sender, const CNetMessage* raw)
    : CNetMessage(sender, raw), command_(textAt(HEAD_LENGTH))
{
    for (int offset = afterTextAt(HEAD_LENGTH); offset < getBufferLen(); offset = afterTextAt(offset))
        addParam(textAt(offset));
}

CNetCmdMessage::~CNetCmdMessage()
{
    CXString::releaseToVector(params_);
}

void CNetCmdMessage::addParam(const CXString& param)
{
    if (params_ == nullptr)
        params_ = new CXArray();
    params_->add(new CXString(param));
}
