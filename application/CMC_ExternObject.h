#pragma once

// What a plug-in library builds against: the module object it hands the engine and the three
// functions it defines. A plug-in includes this header, derives its module from CMC_ExternObject
// and defines create, release and getModuleInterface at global scope with exactly these
// signatures: the engine finds them by their C++ (mangled) names.
//
// A scene or an episode names its libraries in its "DLLS" property ("World, TobrelEx"); a name
// without a dot, or ending in ".dll", is looked for as "<name>.so" in the program's folder. While
// the container is live, every TYPE word the engine does not know and every type identifier of a
// compiled file it does not build is offered to the modules in the order listed. The objects a
// module returns belong to the container, which deletes them before it releases the module and
// unloads the library.
//
// Plug-ins build with hidden visibility and show the engine only what is marked here, with their
// module class: an exported inline static of theirs would keep the library loaded past its unload.
#define TAMZORA_MODULE_EXPORT __attribute__((visibility("default")))

class CMC_Object;
class CMC_ObjectsContainer;
class CMElement;
class CXArchive;
class CXString;

class TAMZORA_MODULE_EXPORT CMC_ExternObject {
public:
    // The type words the module makes, null-terminated; the module keeps the list.
    virtual CXString** getImplementedTypes() = 0;
    virtual bool isSupported(const CXString& typeWord) = 0;
    // A new object made from the definition element when its "TYPE" is one of the module's words;
    // null otherwise.
    virtual CMC_Object* resolve(CMC_ObjectsContainer* container, CMElement* element) = 0;
    // A new, empty object of the type identifier when it is one of the module's; null otherwise.
    // The engine then gives it the container and lets it read its own record from the archive.
    virtual CMC_Object* serialize(int typeId, CXArchive* archive) = 0;

protected:
    // The library's release() destroys its module (of a final class: there is no virtual
    // destructor); the engine never deletes it.
    ~CMC_ExternObject() = default;
};

// An episode and its scene may both name a library, which is then loaded once and shares one
// module: create counts a user, making the module for the first container, and release counts
// one off, destroying the module with the last.
TAMZORA_MODULE_EXPORT void create(CMC_ObjectsContainer* container);
TAMZORA_MODULE_EXPORT void release();
// The module made by create; null before it or after release.
TAMZORA_MODULE_EXPORT CMC_ExternObject* getModuleInterface();
