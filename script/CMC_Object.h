#pragma once

#include "foundation/CXObject.h"
#include "script/CMC_ObjectRef.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class CMC_Class;
class CMC_HandlerEntry;
class CMC_HandlerTable;
class CMC_ObjectsContainer;
class CMC_Runner;
class CMC_Variable;
class CMElement;
class CXArchive;
class CXArray;
class CXVector;

// The base of every script object: name, type identifier, owning container, signal handlers,
// clone bookkeeping and an optional class.
//
// Signals: a definition property whose name starts with one of the type's signal names binds a
// behaviour (by name, with optional arguments in parentheses, or as inline code in braces) under
// the property name as key; onSignal runs every behaviour bound under exactly that key. Behaviours
// are reached through CRunnableBehaviour, so this base needs nothing of the behaviour class.
//
// Lifetime: objects are deleted while handlers, containers, groups, parsed lines and timers still
// point at them. Every such reference is a CMC_ObjectRef (weak), emptied the moment destruction
// begins. Whoever deletes a script object should call destroy() (or beginDestruction() first): it
// takes the object out of the containers that hold it and raises its ONDONE while the whole object
// is still intact. Concrete classes whose runners read their own fields call beginDestruction()
// first thing in their destructor, for objects deleted with plain delete.
class CMC_Object : public CXObject {
public:
    // An object with a name and no container (temporaries, objects made by native code,
    // placeholders of loaded handlers).
    CMC_Object(const CXString& name, int type);
    // An object named after the element, owned by the container. Binds no handlers: each derived
    // constructor reads its properties and then calls initializeBehaviours(container, element).
    CMC_Object(CMC_ObjectsContainer* container, CMElement* element, int type);
    ~CMC_Object() override;
    CMC_Object(const CMC_Object&) = delete;
    CMC_Object& operator=(const CMC_Object&) = delete;

    // Type words and identifiers: the identifier of a TYPE word (-1 for none), and the display text
    // of an identifier (its decimal number when it has no text).
    static int getTypeId(const CXString& word);
    static CXString typeToString(int type);

    // The name.
    CXString toString() const override;
    // The type's copy of the object (what cloning registers): null in the base.
    using CXObject::clone;

    // Raises ONINIT when it is handled.
    virtual void init();
    // True puts the object in the second pass of its container's unload.
    virtual bool doneFirst();
    // Raises ONDONE when it is handled; true.
    virtual bool done(bool wholeContainer);
    virtual void setScene(CMC_ObjectsContainer* scene);
    virtual CMC_ObjectsContainer* getScene();
    virtual int getClonesNo();
    // The number after the last "_" of the name; 0 when there is none.
    virtual int getCloneIdx();
    // Counts one more clone and gives its name: the name, "_" and the count.
    virtual CXString getCloneName();
    // Registers `copy` as the next clone of this object (name, shared signal list, handlers but
    // ONINIT's) and adds it to this object's scene, which takes it over. Without a scene the copy
    // has no owner and is deleted.
    virtual void clone(CMC_Object* copy);
    // Makes `count` clones from the type's copy; none when the type cannot copy itself.
    virtual void clone(int count);
    virtual void resetClones();
    // Releases what the object caches; nothing in the base.
    virtual void flush();

    // Index of the first signal name the text starts with; -1 when none.
    virtual int getBehaviourIndex(const CXString& signal);
    // Binds the element's handler properties; with a null element rebinds the placeholders of
    // loaded handlers to the container's behaviours of their names.
    virtual void initializeBehaviours(CMC_ObjectsContainer* container, CMElement* element);
    // A new null-terminated array of new signal names (the caller owns both); "ONINIT" first,
    // "ONDONE" second. Null in the base: no signals.
    virtual CXString** getBehavioursList();
    // The object's own runner (plug-in types); null in the base.
    virtual CMC_Runner* getRunner();
    // Whether a handler may be attached under the key; types also prepare for the signal here.
    virtual bool verifyBehaviour(const CXString& signal);
    // Attaches a handler. The entry takes over `arguments` (new CXString* in a CXArray, may be
    // null) unless verifyBehaviour refuses the key; then nothing happens and the caller keeps them.
    virtual void addBehaviour(const CXString& key, CMC_Object* behaviour, CXArray* arguments, CMC_ObjectsContainer* container);
    // addBehaviour, then releases the argument list when the type refused the key.
    void attachOrRelease(const CXString& key, CMC_Object* behaviour, CXArray* arguments, CMC_ObjectsContainer* container);
    // Removes the handlers under the key that were bound in that container.
    virtual void removeBehaviour(const CXString& key, CMC_ObjectsContainer* container);
    virtual void removeBehaviourForce(const CXString& key);
    // Every handler, and the signal list (fetched again by the next initializeBehaviours).
    virtual void removeAllBehaviours();
    // The handler entries (CMC_HandlerEntry) under exactly the key, or null.
    virtual CXVector* getBehaviour(const CXString& key);
    virtual CMC_HandlerEntry* getSingleBehaviour(const CXString& key, int index);
    // The inline behaviours made for this object's handlers that still exist (not owned).
    virtual CXVector* getTmpBehList();
    // The class an instance was made from; null when none, or once that class is gone.
    virtual CMC_Class* getClass();
    virtual void setClass(CMC_Class* scriptClass);
    // Runs every handler under the key, in attach order, with the given arguments in place of
    // their own. True when the key had at least one handler.
    virtual bool onSignal(const CXString& key, CXArray* arguments);
    virtual bool onSignal(const CXString& key);
    // Writes or reads the name and the handlers; types append their own fields.
    virtual void serialize(CXArchive* archive);
    // Drops the handlers bound in a container that is being unloaded.
    virtual void onSceneDone(CMC_ObjectsContainer* container);

    CXString getName() const { return name_; }
    void setName(const CXString& name) { name_ = name; }
    int getType() const { return type_; }
    bool isTemporary() const { return isTemporary_; }
    void setAsTemporary() { isTemporary_ = true; }
    bool isClone() const { return isClone_; }
    void overideSignals(bool replace) { overrideSignals_ = replace; }
    // Index of the listed signal name that the key up to its first "^" equals; -1 when none.
    int getSignalIndex(const CXString& key);
    // Frees the signal list (shared with clones) and the handled flags.
    void flushBehList();

    // Raises signal^parameter, and the plain signal only when no handler took the specific form.
    bool raiseSpecificOrPlain(const CXString& signal, const CXString& parameter);
    // Raises the forms in turn, the most specific first, until a handler takes one; the plain
    // signal last, with the arguments when there are some. True when a handler took one. Stops
    // when a handler deleted the object.
    bool raiseFirstOf(std::initializer_list<CXString> specificForms, const CXString& plain, CXArray* arguments = nullptr);
    // True when a handler was ever bound for the listed signal of that index.
    bool isSignalHandled(int index) const
    {
        return index >= 0 && static_cast<size_t>(index) < handledFlags_.size() && handledFlags_[static_cast<size_t>(index)] != 0;
    }

    // Gives a pooled temporary back to the variable pools; does nothing to null or to variables
    // that are not pooled.
    static void flush(CMC_Variable* value, bool unused = false);
    // Copies of `count` signal names, null-terminated, as getBehavioursList answers them.
    static CXString** makeSignalList(const char* const* names, size_t count);

    // Lifetime (see the class comment). beginDestruction is idempotent; destroy also deletes.
    void beginDestruction();
    bool isDestroying() const { return destroying_; }
    static void destroy(CMC_Object* object);
    // Deletes without raising ONDONE.
    static void destroySilently(CMC_Object* object);
    // The object's own share of its life token (made on first use), which references copy.
    const CMC_ObjectRef& lifeToken() const
    {
        if (!life_.hasToken())
            makeLifeToken();
        return life_;
    }

    // Containers record which of them hold the object, so that it leaves them when it dies.
    void noteHeldBy(CMC_ObjectsContainer* container);
    void noteReleasedBy(CMC_ObjectsContainer* container);

protected:
    void markAsClone() { isClone_ = true; }
    // Copies of the signal names, null-terminated, for getBehavioursList implementations.
    static CXString** makeSignalList(std::initializer_list<const char*> names);
    // Deletes such a list and its names; null is ignored.
    static void freeSignalList(CXString** list);

private:
    using SignalList = std::shared_ptr<CXString*>;

    bool ensureSignalList();
    void bindProperty(CMC_ObjectsContainer* container, const CXString& propertyName, const CXString& value, int signalIndex);
    CMC_Object* makeInlineBehaviour(CMC_ObjectsContainer* container, const CXString& propertyName, const CXString& code);
    void rebindPlaceholders(CMC_ObjectsContainer* container);
    bool lastHandlerHolds(const CXString& key, const CXArray* arguments);
    bool raise(const CXString& key, CXArray* arguments, bool givenArguments);
    void storeHandlers(CXArchive* archive);
    void loadHandlers(CXArchive* archive);
    void setFlag(int index);
    int listedSignalCount() const;

    CXString name_;
    int type_;
    bool isClone_ = false;
    bool isTemporary_ = false;
    bool overrideSignals_ = true;
    SignalList signalList_;
    std::unique_ptr<CMC_HandlerTable> handlers_;
    std::vector<CMC_ObjectRef> inlineBehaviours_;
    std::unique_ptr<CXVector> inlineBehaviourView_;
    std::vector<uint8_t> handledFlags_;
    CMC_Ref<CMC_ObjectsContainer> scene_;
    CMC_Ref<CMC_Class> class_;
    int cloneCounter_ = 0;

    void makeLifeToken() const;

    mutable CMC_ObjectRef life_;
    std::vector<CMC_ObjectRef> holders_;
    bool destroying_ = false;
    bool deleting_ = false;
    bool silentDestruction_ = false;
};
