#pragma once

class CMC_Variable;
class CXString;

// What a changed NETNOTIFY variable needs from the NETSERVER and NETCLIENT objects: whether they
// can send now (a started server, a connected client) and the sending itself. The network object
// classes implement it beside their CMC_Object base.
class CVariableSender {
public:
    virtual ~CVariableSender() = default;

    virtual bool canSendVariables() = 0;
    // Sends the variable's name and value buffer; an empty recipient means every peer.
    virtual void sendVar(const CXString& recipient, CMC_Variable* variable) = 0;
};
