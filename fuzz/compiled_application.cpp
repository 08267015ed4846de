// A compiled application tree ("application.bin") from hostile bytes, read as the engine host
// reads it at start-up: the application, its episodes and their scenes, then the application's
// own object file (absent here). Whatever the bytes, the tree read is deleted whole.
#include "application/CMC_Application.h"
#include "fuzz/CompiledWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CompiledWorld world;
    world.write("application.bin", data, size);
    CMC_Object::destroySilently(new CMC_Application(nullptr));
    world.sweep();
    return 0;
}
