#pragma once

#include "foundation/CXObject.h"
#include "script/CMC_ObjectRef.h"

#include <memory>
#include <vector>

class CMC_ExternObject;
class CMC_Object;
class CMC_ObjectsContainer;
class CMElement;
class CXArchive;

namespace platform {
class SharedLibrary;
}

// One plug-in library named by a container's "DLLS": loaded from the program's folder, its three
// entry points bound, its module made for the container. A library that does not load, or lacks
// an entry point, leaves an entry without a module whose functions are never called.
//
// The objects its module makes through this entry are remembered: the entry deletes those still
// alive before it releases the module and unloads the library, so no object outlives its code.
class CMC_DLLExModuleInterface : public CXObject {
public:
    CMC_DLLExModuleInterface(const CXString& name, CMC_ObjectsContainer* container);
    ~CMC_DLLExModuleInterface() override;
    CMC_DLLExModuleInterface(const CMC_DLLExModuleInterface&) = delete;
    CMC_DLLExModuleInterface& operator=(const CMC_DLLExModuleInterface&) = delete;

    // The module; null when the library did not load, lacks an entry point or made none.
    CMC_ExternObject* getModuleInterface() const { return module_; }
    const CXString& getName() const { return name_; }

    // The module's object for the element, or for the type identifier; null without a module or
    // when the module does not make it.
    CMC_Object* resolve(CMC_ObjectsContainer* container, CMElement* element);
    CMC_Object* serialize(int typeId, CXArchive* archive);

    // The file a listed name loads: "<name>.so" for a name without a dot or one ending in ".dll",
    // any other name as it is.
    static CXString libraryFileName(const CXString& name);

private:
    using CreateEntry = void (*)(CMC_ObjectsContainer*);
    using ReleaseEntry = void (*)();
    using InterfaceEntry = CMC_ExternObject* (*)();

    bool load();
    bool bindEntryPoints();
    CMC_Object* remember(CMC_Object* made);

    CXString name_;
    CMC_ExternObject* module_ = nullptr;
    std::unique_ptr<platform::SharedLibrary> library_;
    CreateEntry create_ = nullptr;
    ReleaseEntry release_ = nullptr;
    InterfaceEntry getInterface_ = nullptr;
    std::vector<CMC_ObjectRef> made_;
};
