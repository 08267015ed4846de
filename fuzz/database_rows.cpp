// DATABASE table files from hostile bytes: every line becomes a row of a four-field model, and a
// row written back as text must read back into the same text.
#include "foundation/CFile.h"
#include "foundation/CMElement.h"
#include "script/CMC_Database.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Structure.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"
#include "fuzz/ScriptPools.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace {

// The bytes as a text-mode file hands out its lines: CR LF read as LF, at most LINE_BUFFER - 1
// characters a read, the line break kept, empty at the end.
class TextLines : public CFile {
public:
    explicit TextLines(std::string bytes) : bytes_(std::move(bytes)) {}

    CXString getLine() override
    {
        std::string line;
        while (position_ < bytes_.size() && static_cast<int>(line.size()) < LINE_BUFFER - 1) {
            char c = bytes_[position_++];
            if (c == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n')
                c = bytes_[position_++];
            line += c;
            if (c == '\n')
                break;
        }
        return CXString(line.c_str());
    }

private:
    std::string bytes_;
    size_t position_ = 0;
};

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

    TextLines file(std::string(reinterpret_cast<const char*>(data), size));
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
