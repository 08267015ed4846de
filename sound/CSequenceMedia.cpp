#include "sound/CSequenceMedia.h"

#include "foundation/CResourcesManager.h"
#include "graphics/CAnimo.h"
#include "sound/CSound4.h"

namespace {

// The manager's medium of that name when it is of the kind wanted, counting one use; a medium of
// another kind under that name is given back at once.
template <class Medium>
Medium* take(CResourcesManager* manager, const CXString& name)
{
    CSharedMedium* found = manager != nullptr ? manager->get(name) : nullptr;
    auto* medium = dynamic_cast<Medium*>(found);
    if (found != nullptr && medium == nullptr)
        manager->remove(found);
    return medium;
}

template <class Medium, class Make>
Medium* takeOrMake(CResourcesManager* manager, const CXString& name, bool* made, Make make)
{
    Medium* medium = take<Medium>(manager, name);
    *made = medium == nullptr;
    if (medium == nullptr) {
        medium = make();
        if (manager != nullptr)
            manager->add(static_cast<CSharedMedium*>(medium));
    }
    return medium;
}

} // namespace

CAnimo* CSequenceMedia::animation(CWindow* window, CResourcesManager* manager, const CXString& file, bool* made)
{
    return takeOrMake<CAnimo>(manager, file, made, [&] { return new CAnimo(window, file); });
}

CSound4* CSequenceMedia::sound(CWindow* window, CResourcesManager* manager, const CXString& path, bool* made)
{
    return takeOrMake<CSound4>(manager, path, made, [&] { return new CSound4(window, path, true, false); });
}
