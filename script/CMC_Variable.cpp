#include "script/CMC_Variable.h"

#include "foundation/CConfig.h"
#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "foundation/LittleEndian.h"
#include "script/CGameConfigLink.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Cast.h"
#include "script/CMC_Double.h"
#include "script/CMC_Expression.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "script/CVariableSender.h"

namespace {

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

// The network object of that name when it can send now.
CVariableSender* readySender(CMC_ObjectsContainer* container, const char* name)
{
    auto* sender = dynamic_cast<CVariableSender*>(container->getObject(name));
    return sender != nullptr && sender->canSendVariables() ? sender : nullptr;
}

} // namespace

CMC_Variable::CMC_Variable(const CXString& name, int type) : CMC_Object(name, type), poolIndex_(-1)
{
}

CMC_Variable::CMC_Variable(const CXString& name, int type, int poolIndex) : CMC_Object(name, type), poolIndex_(poolIndex)
{
}

CMC_Variable::CMC_Variable(CMC_ObjectsContainer* container, CMElement* element, int type)
    : CMC_Variable(container, element, type, true)
{
}

CMC_Variable::CMC_Variable(CMC_ObjectsContainer* container, CMElement* element, int type, bool bindHandlers)
    : CMC_Object(container, element, type), poolIndex_(-1)
{
    if (element != nullptr) {
        toIni_ = element->getPropertyBoolValue("TOINI");
        // A variable kept in the INI file is always sent to the network too.
        netNotify_ = toIni_ || element->getPropertyBoolValue("NETNOTIFY");
    }
    if (bindHandlers)
        initializeBehaviours(container, element);
}

CXString** CMC_Variable::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONCHANGED", "ONBRUTALCHANGED", "ONNETCHANGE"});
}

CMC_Variable* CMC_Variable::from(CMC_Object* object)
{
    if (object != nullptr && script::isPlainValueType(object->getType()))
        return static_cast<CMC_Variable*>(object);
    return dynamic_cast<CMC_Variable*>(object);
}

CMC_Variable* CMC_Variable::fromArgument(CXObject* argument)
{
    return script::castUsually<CMC_Variable, CMC_Integer, CMC_String, CMC_Bool, CMC_Double, CMC_Expression>(argument);
}

// ---- literals ---------------------------------------------------------------------------------

bool CMC_Variable::isNumber(const CXString& text)
{
    int length = text.getLength();
    if (length == 0)
        return false;
    const char* characters = text.c_str();
    if (characters[0] != '-' && !isDigit(characters[0]))
        return false;
    if (length > 1 && characters[0] == '0' && characters[1] != '.')
        return false;
    for (int i = 1; i < length; ++i) {
        if (!isDigit(characters[i]) && characters[i] != '.')
            return false;
    }
    return true;
}

CMC_Variable* CMC_Variable::resolve(const CXString& text)
{
    if (text.getLength() == 0)
        return CMC_VariableFactory::makeString(CXString());
    if (text.GetAt(0) == '"') {
        CXString inner = text.Right(1);
        if (inner.lastChar() == '"')
            inner = inner.Left(inner.getLength() - 1);
        return CMC_VariableFactory::makeString(inner);
    }
    if (isNumber(text)) {
        if (text.Find('.') < 0)
            return CMC_VariableFactory::makeInteger(text.toNumber());
        return CMC_VariableFactory::makeDouble(text.toDouble());
    }
    if (text == "TRUE" || text == "FALSE")
        return CMC_VariableFactory::makeBool(text == "TRUE");
    return CMC_VariableFactory::makeString(text);
}

// ---- conversions ------------------------------------------------------------------------------

CMC_Variable* CMC_Variable::asOwnType(CMC_Variable* other)
{
    if (other == nullptr)
        return nullptr;
    if (other->getType() == getType())
        return other;
    CMC_Variable* converted = other->convert(getType());
    return converted != nullptr && converted->getType() == getType() ? converted : nullptr;
}

void CMC_Variable::releaseConverted(CMC_Variable* converted, CMC_Variable* original)
{
    if (converted != original)
        flush(converted);
}

CMC_Variable* CMC_Variable::becomeInteger(int value)
{
    flush(this);
    return CMC_VariableFactory::makeInteger(value);
}

CMC_Variable* CMC_Variable::becomeDouble(double value)
{
    flush(this);
    return CMC_VariableFactory::makeDouble(value);
}

CMC_Variable* CMC_Variable::becomeBool(bool value)
{
    flush(this);
    return CMC_VariableFactory::makeBool(value);
}

CMC_Variable* CMC_Variable::becomeString(const CXString& value)
{
    flush(this);
    return CMC_VariableFactory::makeString(value);
}

void CMC_Variable::set(CMC_Variable*)
{
}

void CMC_Variable::fromString(const CXString&)
{
}

int CMC_Variable::compare(const CXObject* other) const
{
    auto* variable = dynamic_cast<const CMC_Variable*>(other);
    if (variable == nullptr)
        return CMC_Object::compare(other);
    return const_cast<CMC_Variable*>(this)->compare(const_cast<CMC_Variable*>(variable));
}

// ---- change handling --------------------------------------------------------------------------

void CMC_Variable::onChange(bool changed)
{
    // Every store comes here: without handlers there is nothing to watch.
    if (!isSignalHandled(ONBRUTALCHANGED) && !isSignalHandled(ONCHANGED)) {
        passOnChange(changed);
        return;
    }
    // Handlers may delete this very variable: stop as soon as it is gone.
    CMC_ObjectRef self(isDestroying() ? nullptr : this);
    if (isSignalHandled(ONBRUTALCHANGED)) {
        raiseSpecificOrPlain("ONBRUTALCHANGED", toString());
        if (!self.isAlive())
            return;
    }
    if (isSignalHandled(ONCHANGED)) {
        if (!changed)
            return;
        raiseSpecificOrPlain("ONCHANGED", toString());
        if (!self.isAlive())
            return;
    }
    passOnChange(changed);
}

void CMC_Variable::passOnChange(bool changed)
{
    if (!changed)
        return;
    if (toIni_)
        writeToIni();
    if (netNotify_)
        notifyNetwork();
}

void CMC_Variable::onNetChange(CMC_Variable* received)
{
    CMC_ObjectRef self(this);
    if (isSignalHandled(ONNETCHANGE)) {
        onSignal("ONNETCHANGE");
        if (!self.isAlive())
            return;
    }
    bool notify = netNotify_;
    netNotify_ = false;
    set(received);
    if (self.isAlive())
        netNotify_ = notify;
}

void CMC_Variable::writeToIni()
{
    CMC_ObjectsContainer* container = getScene();
    CConfig* config = container != nullptr ? CGameConfigLink::configOf(container->getWindow()) : nullptr;
    if (config != nullptr)
        config->PutString(container->getName(), getName(), toString());
}

void CMC_Variable::readFromIni()
{
    CMC_ObjectsContainer* container = getScene();
    CConfig* config = container != nullptr ? CGameConfigLink::configOf(container->getWindow()) : nullptr;
    if (config == nullptr)
        return;
    CMC_String* stored = CMC_VariableFactory::makeString(config->GetString(container->getName(), getName()));
    if (stored->getValue().getLength() > 0)
        set(stored);
    else
        config->PutString(container->getName(), getName(), toString());
    flush(stored);
}

void CMC_Variable::notifyNetwork()
{
    CMC_ObjectsContainer* container = getScene();
    if (container == nullptr)
        return;
    CVariableSender* sender = readySender(container, "NETSERVER");
    if (sender == nullptr)
        sender = readySender(container, "NETCLIENT");
    if (sender != nullptr)
        sender->sendVar(CXString(), this);
}

void CMC_Variable::init()
{
    CMC_ObjectRef self(this);
    if (toIni_)
        readFromIni();
    if (self.isAlive())
        CMC_Object::init();
}

// ---- stored forms -----------------------------------------------------------------------------

void CMC_Variable::writeTag(uint8_t* buffer)
{
    foundation::storeLE32(buffer, static_cast<uint32_t>(getType()));
}

void CMC_Variable::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive->isStoring())
        *archive << toIni_ << netNotify_;
    else
        *archive >> &toIni_ >> &netNotify_;
}
