// DATABASE table files from hostile bytes, read through the engine's text-mode file: every line
// becomes a row of a four-field model, and a row written back as text must read back into the
// same text. The same file read in small pieces must give its bytes with CR LF as LF.
#include "foundation/CFile.h"
#include "foundation/CMElement.h"
#include "script/CMC_Database.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Structure.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "fuzz/ScriptPools.h"
#include "fuzz/ScratchDrive.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

// A text-mode read gives the bytes with each CR LF pair as LF, whatever the buffer sizes.
void checkTextModeRead(const std::string& bytes)
{
    std::string expected;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            expected += bytes[i];
    }
    CFile file(nullptr, CXString("C:\\rows.txt"), CFile::READ | CFile::TEXT);
    std::string read;
    char buffer[7];
    for (int got; (got = file.Read(buffer, sizeof buffer)) > 0;)
        read.append(buffer, static_cast<size_t>(got));
    if (read != expected)
        std::abort();
}

CMC_Object* makeObject(CMC_ObjectsContainer* scene, const char* name, const char* key, const char* value, bool database)
{
    CMElement element(name);
    element.addProperty(key, value);
    if (database)
        return new CMC_Database(scene, &element);
    return new CMC_Structure(scene, &element);
}

void checkRowsReadBack(CMC_Database* database)
{
    CMC_Structure* model = database->getModel();
    for (int i = 0; i < database->getRows(); ++i) {
        CXString written = database->getRow(i)->toString();
        std::unique_ptr<CMC_Structure> again(static_cast<CMC_Structure*>(model->clone()));
        again->fromString(written);
        if (!(again->toString() == written))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    makeScriptPoolsOnce();
    auto* scene = new CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE);
    scene->addObject(makeObject(scene, "ROW", "FIELDS", "ID<INTEGER>,NAME<STRING>,RATE<DOUBLE>,ON<BOOL>", false));
    auto* database = static_cast<CMC_Database*>(makeObject(scene, "DB", "MODEL", "ROW", true));
    scene->addObject(database);
    database->init();

    static ScratchDrive scratch;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(scratch.folder / "rows.txt", std::ios::binary).write(bytes.data(), std::streamsize(size));
    checkTextModeRead(bytes);
    CFile file(nullptr, CXString("C:\\rows.txt"), CFile::READ | CFile::TEXT);
    database->readRows(&file);
    checkRowsReadBack(database);
    database->next();
    database->removeAt(0);
    database->prev();

    scene->unload();
    CMC_Object::destroy(scene);
    CMC_VariableFactory::clearPool();
    return 0;
}
