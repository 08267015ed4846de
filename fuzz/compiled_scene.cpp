// A container's compiled object file from hostile bytes, read as a compiled scene reads it when
// it becomes live (its DLLS, BACKGROUND and MUSIC, then its records), every object read told
// init, then the unload. Whatever the bytes, everything read is deleted.
#include "application/CMC_Scene.h"
#include "fuzz/CompiledWorld.h"
#include "script/CMC_TypeIds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CompiledWorld world;
    world.write("S.bin", data, size);
    auto* scene = new CMC_Scene(nullptr, script::TYPE_SCENE);
    scene->setName("S");
    CMC_ObjectRef alive(scene);
    scene->loadCnv();
    if (alive.isAlive())
        scene->onInit();
    if (alive.isAlive()) {
        scene->CMC_Scene::unload();
        CMC_Object::destroySilently(scene);
    }
    world.sweep();
    CMC_Scene::doneDefUnit();
    return 0;
}
