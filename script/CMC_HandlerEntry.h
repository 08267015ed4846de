#pragma once

#include "foundation/CXObject.h"
#include "script/CMC_ObjectRef.h"

#include <cstdint>
#include <memory>

class CMC_ObjectsContainer;
class CXArray;

// One signal handler of a script object: the behaviour to run, its argument texts and the
// container in which it was bound. Behaviour and container are held by weak reference, so a handler
// whose behaviour was deleted is simply skipped; the argument list (new CXString* in a CXArray) is
// owned, and shared with the copies that cloning makes.
class CMC_HandlerEntry : public CXObject {
public:
    // Takes over `arguments`, which may be null.
    CMC_HandlerEntry(CMC_Object* behaviour, CXArray* arguments, CMC_ObjectsContainer* container);
    // A handler read from a compiled scene: it names its behaviour through a placeholder object
    // (type 0) that it owns until rebinding replaces it by the real behaviour.
    static CMC_HandlerEntry* makePlaceholder(const CXString& behaviourName, CXArray* arguments);
    ~CMC_HandlerEntry() override;
    CMC_HandlerEntry(const CMC_HandlerEntry&) = delete;
    CMC_HandlerEntry& operator=(const CMC_HandlerEntry&) = delete;

    // The behaviour (or the placeholder); null once the behaviour has been deleted.
    CMC_Object* getBehaviour() const;
    // Binds the real behaviour, dropping a placeholder.
    void setBehaviour(CMC_Object* behaviour);
    bool hasPlaceholder() const { return placeholder_ != nullptr; }
    // The name stored for the behaviour; empty when it no longer exists.
    CXString getBehaviourName() const;

    CXArray* getArguments() const { return arguments_.get(); }
    const std::shared_ptr<CXArray>& sharedArguments() const { return arguments_; }
    // The container the handler was bound in; null when none was given or it is gone.
    CMC_ObjectsContainer* getContainer() const;
    bool isBoundIn(const CMC_ObjectsContainer* container) const;

    // Distinguishes this entry from any later one at the same address.
    uint64_t getSerial() const { return serial_; }

    // The same behaviour and container, sharing the argument list.
    CXObject* clone() const override;

private:
    CMC_HandlerEntry(const CMC_HandlerEntry& source, bool sharing);

    CMC_ObjectRef behaviour_;
    std::unique_ptr<CMC_Object> placeholder_;
    std::shared_ptr<CXArray> arguments_;
    CMC_ObjectRef container_;
    uint64_t serial_;
};
