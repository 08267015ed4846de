#include "application/CMC_DLLExModuleInterface.h"

#include "application/CMC_ExternObject.h"
#include "foundation/CFile.h"
#include "foundation/CPath.h"
#include "graphics/CWindow.h"
#include "platform/SharedLibrary.h"
#include "script/CMC_Object.h"


namespace {

// The g++ names of the three entry points CMC_ExternObject.h declares.
const char kCreateSymbol[] = "_Z6createP20CMC_ObjectsContainer";
const char kReleaseSymbol[] = "_Z7releasev";
const char kInterfaceSymbol[] = "_Z18getModuleInterfacev";

const char kWindowsSuffix[] = ".dll";
const char kLibrarySuffix[] = ".so";

// Libraries come from the program's folder only: a listed name names no other folder.
bool namesAFolder(const CXString& name)
{
    return name.Find('\\') >= 0 || name.Find('/') >= 0 || name.Find(':') >= 0;
}

} // namespace

CMC_DLLExModuleInterface::CMC_DLLExModuleInterface(const CXString& name, CMC_ObjectsContainer* container)
    : name_(name), library_(std::make_unique<platform::SharedLibrary>())
{
    if (!load() || !bindEntryPoints())
        return;
    create_(container);
    module_ = getInterface_();
}

CMC_DLLExModuleInterface::~CMC_DLLExModuleInterface()
{
    for (const CMC_ObjectRef& object : made_)
        CMC_Object::destroySilently(object.get());
    if (module_ != nullptr)
        release_();
    module_ = nullptr;
    create_ = nullptr;
    release_ = nullptr;
    getInterface_ = nullptr;
    library_->unload();
}

CXString CMC_DLLExModuleInterface::libraryFileName(const CXString& name)
{
    if (name.Find('.') < 0)
        return name + kLibrarySuffix;
    const int stem = name.getLength() - static_cast<int>(sizeof kWindowsSuffix - 1);
    if (stem >= 0 && name.Right(stem).equalsIgnoreCase(kWindowsSuffix))
        return name.Left(stem) + kLibrarySuffix;
    return name;
}

bool CMC_DLLExModuleInterface::load()
{
    if (namesAFolder(name_)) {
        log((CXString("Plug-in library names a folder, not loaded: ") + name_).c_str(), false);
        return false;
    }
    // The program's folder is current while the library loads, so that what it opens as it
    // starts is found beside the program; the container's folder is current again after.
    CXString remembered = CFile::getCurrentDirectory();
    CFile::chDir(CWindow::exePath);
    bool loaded = library_->load(CPath::getFullPath(CWindow::exePath, libraryFileName(name_)).c_str());
    CFile::chDir(remembered);
    if (!loaded)
        log((CXString("Plug-in library not loaded: ") + name_ + " (" + library_->lastError().c_str() + ")").c_str(), false);
    return loaded;
}

bool CMC_DLLExModuleInterface::bindEntryPoints()
{
    create_ = reinterpret_cast<CreateEntry>(library_->symbol(kCreateSymbol));
    release_ = reinterpret_cast<ReleaseEntry>(library_->symbol(kReleaseSymbol));
    getInterface_ = reinterpret_cast<InterfaceEntry>(library_->symbol(kInterfaceSymbol));
    if (create_ != nullptr && release_ != nullptr && getInterface_ != nullptr)
        return true;
    log((CXString("Plug-in library without its entry points: ") + name_).c_str(), false);
    create_ = nullptr;
    release_ = nullptr;
    getInterface_ = nullptr;
    return false;
}

CMC_Object* CMC_DLLExModuleInterface::resolve(CMC_ObjectsContainer* container, CMElement* element)
{
    return module_ != nullptr ? remember(module_->resolve(container, element)) : nullptr;
}

CMC_Object* CMC_DLLExModuleInterface::serialize(int typeId, CXArchive* archive)
{
    return module_ != nullptr ? remember(module_->serialize(typeId, archive)) : nullptr;
}

CMC_Object* CMC_DLLExModuleInterface::remember(CMC_Object* made)
{
    if (made == nullptr)
        return nullptr;
    std::erase_if(made_, [](const CMC_ObjectRef& object) { return !object.isAlive(); });
    made_.emplace_back(made);
    return made;
}
