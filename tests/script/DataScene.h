#pragma once

// The scene harness for the data objects (ARRAY, MULTIARRAY, FIFO, LIFO, VECTOR): a game folder on
// drive T:, the game's INI configuration, readable forms of values and a byte builder for the
// array and grid files, written independently of the engine's writers.

#include "GameFolder.h"
#include "ScriptScene.h"
#include "foundation/CConfig.h"
#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CGameConfigLink.h"
#include "script/CMC_Array.h"

#include <cstdint>
#include <string>

namespace scripttest {

// The same for a method's result, which is then given back to its pool.
inline std::string taken(CMC_Variable* result)
{
    std::string shown = typed(result);
    CMC_Object::flush(result);
    return shown;
}

// Every element as "TYPE:text", joined by "|".
inline std::string elementsOf(CMC_Array* array)
{
    std::string shown;
    for (int i = 0; i < array->getSize(); ++i) {
        if (i > 0)
            shown += '|';
        shown += typed(array->get(i));
    }
    return shown;
}

// Little-endian 4-byte fields and value records, one call per field.
class FileBytes {
public:
    FileBytes& int32(int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((bits >> shift) & 0xFF);
        return *this;
    }
    FileBytes& raw(const std::string& text)
    {
        bytes += text;
        return *this;
    }
    FileBytes& integer(int32_t value) { return int32(1).int32(value); }
    FileBytes& string(const std::string& text) { return int32(2).int32(static_cast<int32_t>(text.size())).raw(text); }
    FileBytes& boolean(bool value) { return int32(3).int32(value ? 1 : 0); }
    // A DOUBLE record holds the value times 10000.
    FileBytes& real(int32_t timesTenThousand) { return int32(4).int32(timesTenThousand); }

    std::string bytes;
};

class DataScene : public ScriptScene, public CGameConfigLink {
protected:
    void SetUp() override
    {
        ScriptScene::SetUp();
        CGameConfigLink::install(this);
    }
    void TearDown() override
    {
        CGameConfigLink::install(nullptr);
        ScriptScene::TearDown();
    }
    CConfig* getGameConfig(CWindow*) override { return &config; }

    // Loads the script and gives its object of that name.
    template <typename T>
    T* make(const std::string& script, const char* name)
    {
        load(script);
        return as<T>(name);
    }

    // An array of that name holding the literals, in order.
    CMC_Array* arrayOf(std::initializer_list<const char*> literals, const char* name = "arr")
    {
        CMC_Array* array = make<CMC_Array>(std::string("OBJECT=") + name + "\n" + name + ":TYPE=ARRAY\n", name);
        for (const char* literal : literals)
            CMC_Object::flush(call(array, "ADD", {literal}));
        return array;
    }

    // The bytes of an object's stored form in the scene archive.
    std::string storedForm(CMC_Object* stored)
    {
        CFile file(nullptr, gamePath("stored.bin").c_str(), CFile::UPDATE | CFile::BINARY);
        CXArchive archive(&file, true);
        stored->serialize(&archive);
        file.Close();
        return folder.temp.read("stored.bin");
    }

    // Reads a stored form into the object; the stream's error code after it.
    static int restoreForm(CMC_Object* target, std::string bytes)
    {
        CFile_Stream input(bytes.data(), static_cast<int>(bytes.size()));
        CXArchive archive(&input, false);
        target->serialize(&archive);
        return archive.LastError();
    }

    // Runs the method and gives its result as "TYPE:text".
    std::string result(CMC_Object* target, const char* method, std::initializer_list<const char*> literals = {})
    {
        return taken(call(target, method, literals));
    }

    static std::string gamePath(const char* file) { return GameFolder::gamePath(file); }

    GameFolder folder;
    CConfig config{CXString(GameFolder::gamePath("game.ini").c_str())};
};

} // namespace scripttest
