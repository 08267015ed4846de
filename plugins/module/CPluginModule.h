#pragma once

#include "application/CMC_ExternObject.h"
#include "script/CMC_ObjectRef.h"

#include <span>
#include <vector>

class CXString;

// The module of a plug-in library: the object types it makes, each by its TYPE word and by its
// type identifier, which is also the identifier of its stored records. A definition whose TYPE
// equals a word (exactly, case counts) makes a new object of that type for the container that
// asks; a stored record's identifier makes a new empty object for the container the module was
// made for, which the engine then hands to its own scene.
//
// A library derives its exported module class from this one, giving its table of types.
class TAMZORA_MODULE_EXPORT CPluginModule : public CMC_ExternObject {
public:
    struct ObjectType {
        const char* word;
        int typeId;
        CMC_Object* (*fromDefinition)(CMC_ObjectsContainer* container, CMElement* definition);
        CMC_Object* (*fromRecord)(CMC_ObjectsContainer* container);
    };
    // The row of a type whose class has its identifier as kTypeId and the two constructors.
    template <class Object>
    static constexpr ObjectType typeOf(const char* word)
    {
        return {word, Object::kTypeId, &madeFromDefinition<Object>, &madeFromRecord<Object>};
    }

    virtual ~CPluginModule();
    // The word list is the module's own: a copy would free it twice.
    CPluginModule(const CPluginModule&) = delete;
    CPluginModule& operator=(const CPluginModule&) = delete;

    CXString** getImplementedTypes() override;
    bool isSupported(const CXString& typeWord) override;
    CMC_Object* resolve(CMC_ObjectsContainer* container, CMElement* element) override;
    CMC_Object* serialize(int typeId, CXArchive* archive) override;

protected:
    // The table stays the library's; the words are copied into the module's list, in its order.
    CPluginModule(CMC_ObjectsContainer* container, std::span<const ObjectType> types);

private:
    template <class Object>
    static CMC_Object* madeFromDefinition(CMC_ObjectsContainer* container, CMElement* definition)
    {
        return new Object(container, definition);
    }
    template <class Object>
    static CMC_Object* madeFromRecord(CMC_ObjectsContainer* container)
    {
        return new Object(container);
    }

    std::span<const ObjectType> types_;
    // The words, null-terminated.
    std::vector<CXString*> words_;
    // Weak: the first container may go while another one still uses the module.
    CMC_Ref<CMC_ObjectsContainer> container_;
};
