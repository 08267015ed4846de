// Stored records of media objects from hostile bytes: the first byte picks ANIMO, IMAGE, FONT,
// TEXT, SEQUENCE, SOUND, BUTTON, CANVAS, CANVASOBSERVER, EDITBOX, DIALOG, PATH, FILTER,
// STATICFILTER, PATTERN or SCROLL, the rest is read back into a fresh object of a scene. What it
// then stores, read and stored again, must come out the very same bytes (a record cut short leaves
// its object without a picture, so the first store may differ). The file a record names is looked
// for in a file system that has no files: nothing outside the data is ever opened.
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "fuzz/StoringSink.h"
#include "objects/CMC_Animo.h"
#include "objects/CMC_Button.h"
#include "objects/CMC_Canvas.h"
#include "objects/CMC_CanvasObserver.h"
#include "objects/CMC_Dialog.h"
#include "objects/CMC_EditBox.h"
#include "objects/CMC_Filter.h"
#include "objects/CMC_Font.h"
#include "objects/CMC_Image.h"
#include "objects/CMC_Path.h"
#include "objects/CMC_Pattern.h"
#include "objects/CMC_Scroll.h"
#include "objects/CMC_Sequence.h"
#include "objects/CMC_Sound.h"
#include "objects/CMC_StaticFilter.h"
#include "objects/CMC_Text.h"
#include "platform/Files.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

namespace {

// A file system without a single file or folder.
class NoFiles : public platform::Files {
public:
    std::string nativePath(const std::string&) const override { return std::string(); }
    std::unique_ptr<platform::FileHandle> open(const std::string&, platform::FileMode, bool) override { return nullptr; }
    bool stat(const std::string&, platform::FileEntry&) override { return false; }
    bool fileExists(const std::string&) override { return false; }
    bool folderExists(const std::string&) override { return false; }
    std::vector<platform::FileEntry> find(const std::string&) override { return {}; }
    std::string currentFolder() override { return "C:\\"; }
    bool setCurrentFolder(const std::string&) override { return false; }
    bool makeFolder(const std::string&) override { return false; }
    bool copyFile(const std::string&, const std::string&, bool) override { return false; }
    bool removeFile(const std::string&) override { return false; }
    bool removeTree(const std::string&) override { return false; }
};

using Maker = std::function<CMC_Object*(CMC_ObjectsContainer*)>;

const Maker kMakers[] = {
    [](CMC_ObjectsContainer* scene) { return new CMC_Animo(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Image(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Font(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Text(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Sequence(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Sound(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Button(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Canvas(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_CanvasObserver(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_EditBox(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Dialog(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Path(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Filter(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_StaticFilter(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Pattern(scene); },
    [](CMC_ObjectsContainer* scene) { return new CMC_Scroll(scene); },
};

std::string readAndStore(const Maker& make, CMC_ObjectsContainer* scene, const std::string& bytes)
{
    std::string input = bytes;
    CFile_Stream file(input.data(), static_cast<int>(input.size()));
    CXArchive reading(&file, false);
    std::unique_ptr<CMC_Object, void (*)(CMC_Object*)> object(make(scene), CMC_Object::destroy);
    object->serialize(&reading);
    StoringSink sink;
    CXArchive storing(&sink, true);
    object->serialize(&storing);
    return sink.bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static NoFiles noFiles;
    platform::setFiles(&noFiles);
    const Maker& make = kMakers[data[0] % std::size(kMakers)];
    auto* scene = new CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE);
    const std::string once = readAndStore(make, scene, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    const std::string twice = readAndStore(make, scene, once);
    if (readAndStore(make, scene, twice) != twice)
        std::abort();
    scene->unload();
    CMC_Object::destroy(scene);
    platform::setFiles(nullptr);
    return 0;
}
