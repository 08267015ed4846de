#include "application/CMC_CompiledFile.h"

#include "application/CMC_Scene.h"
#include "foundation/CArchiveFileSystem.h"
#include "foundation/CXVector.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_Object.h"
#include "script/CMC_TypeIds.h"

#include <algorithm>
#include <cstdint>

namespace {

struct ReaderRow {
    int type;
    const char* word; // the definition word whose empty maker builds it
};

// The types a reader builds itself; every other identifier is the plug-in modules'.
const ReaderRow kReaderTable[] = {
    {script::TYPE_INTEGER, "INTEGER"},
    {script::TYPE_STRING, "STRING"},
    {script::TYPE_BOOL, "BOOL"},
    {script::TYPE_DOUBLE, "DOUBLE"},
    {script::TYPE_CONDITION, "CONDITION"},
    {script::TYPE_COMPLEXCONDITION, "COMPLEXCONDITION"},
    {script::TYPE_EXPRESSION, "EXPRESSION"},
    {script::TYPE_BEHAVIOUR, "BEHAVIOUR"},
    {script::TYPE_MOUSE, "MOUSE"},
    {script::TYPE_KEYBOARD, "KEYBOARD"},
    {script::TYPE_CANVASOBSERVER, "CANVAS_OBSERVER"},
    {script::TYPE_ANIMO, "ANIMO"},
    {script::TYPE_BUTTON, "BUTTON"},
    {script::TYPE_FONT, "FONT"},
    {script::TYPE_SEQUENCE, "SEQUENCE"},
    {script::TYPE_SOUND, "SOUND"},
    {script::TYPE_TEXT, "TEXT"},
    {script::TYPE_TIMER, "TIMER"},
    {script::TYPE_IMAGE, "IMAGE"},
    {script::TYPE_EDITBOX, "EDITBOX"},
    {script::TYPE_NETSERVER, "NETSERVER"},
    {script::TYPE_NETCLIENT, "NETCLIENT"},
    {script::TYPE_DIALOG, "DIALOG"},
    {script::TYPE_FILTER, "FILTER"},
    {script::TYPE_STATICFILTER, "STATICFILTER"},
    {script::TYPE_VECTOR, "VECTOR"},
    {script::TYPE_PATH, "PATH"},
    {script::TYPE_FIFO, "FIFO"},
    {script::TYPE_LIFO, "LIFO"},
    {script::TYPE_CANVAS, "CANVAS"},
    {script::TYPE_PATTERN, "PATTERN"},
    {script::TYPE_SCROLL, "SCROLL"},
    {script::TYPE_GROUP, "GROUP"},
    {script::TYPE_ARRAY, "ARRAY"},
};

const ReaderRow* readerRowOf(int type)
{
    for (const ReaderRow& row : kReaderTable) {
        if (row.type == type)
            return &row;
    }
    return nullptr;
}

// The application tree and the objects every application adds for itself.
bool isNeverStored(int type)
{
    return script::isApplicationTreeType(type) || type == script::TYPE_RANDOM || type == script::TYPE_SYSTEM ||
           type == script::TYPE_CNVLOADER;
}

// At most `size` bytes from the file's position on.
std::string bytesOf(CFile& file, int size)
{
    std::string bytes(static_cast<size_t>(std::max(size, 0)), '\0');
    bytes.resize(static_cast<size_t>(std::max(file.Read(bytes.data(), static_cast<int>(bytes.size())), 0)));
    return bytes;
}

int bytesLeft(CXArchive* archive)
{
    CFile* file = archive->GetFileHandle();
    return file != nullptr ? std::max(0, file->Length() - file->Tell()) : 0;
}

} // namespace

CMC_CompiledFile::CMC_CompiledFile(CWindow* window, const CXString& path, bool storing) : archive_(&written_, storing)
{
    if (storing) {
        open_ = written_.Open(window, path, CFile::BINARY) == 0;
        return;
    }
    open_ = readWhole(window, path, read_);
    stream_ = std::make_unique<CFile_Stream>(read_.data(), static_cast<int>(read_.size()));
    archive_ = CXArchive(stream_.get(), false);
}

bool CMC_CompiledFile::readWhole(CWindow* window, const CXString& path, std::string& bytes)
{
    CFile file(window, path, CFile::READ | CFile::BINARY);
    if (file.LastError() == 0) {
        bytes = bytesOf(file, file.Length());
        return true;
    }
    CArchiveFileSystem* archive = CFile::getBigFileIfc();
    std::unique_ptr<CFile> member = archive != nullptr ? archive->OpenMember(path) : nullptr;
    if (member == nullptr)
        return false;
    bytes = bytesOf(*member, archive->GetSize(path));
    return true;
}

bool CMC_CompiledFile::isStoredType(int type)
{
    if (isNeverStored(type))
        return false;
    if (const ReaderRow* row = readerRowOf(type))
        return static_cast<bool>(CMC_CreationChain::emptyCreatorOf(row->word));
    // Made by a module of the container, which its reader loads before the records.
    return type >= script::TYPE_PLUGIN_FIRST;
}

int CMC_CompiledFile::boundedCount(CXArchive* archive, int count, int smallest)
{
    if (count <= 0)
        return 0;
    return static_cast<int>(std::min<int64_t>(count, bytesLeft(archive) / std::max(smallest, 1)));
}

int CMC_CompiledFile::checkedCount(CXArchive* archive, int count, int smallest)
{
    if (count >= 0 && boundedCount(archive, count, smallest) == count)
        return count;
    archive->setErrorCode(CXArchive::ERROR_DATA);
    return 0;
}

void CMC_CompiledFile::writeRecords(CMC_ObjectsContainer* container)
{
    std::vector<CMC_Object*> stored;
    CXVector* objects = container->getObjects();
    for (int i = 0; i < objects->getSize(); ++i) {
        auto* object = static_cast<CMC_Object*>(objects->at(i));
        if (isStoredType(object->getType()))
            stored.push_back(object);
        else if (!isNeverStored(object->getType()))
            container->log((CXString("Left out of the compiled form (no reader builds its type): ") + object->getName() + " " +
                       CMC_Object::typeToString(object->getType()))
                          .c_str(),
                      false);
    }
    archive_ << static_cast<int>(stored.size());
    for (CMC_Object* object : stored) {
        archive_ << object->getType();
        object->serialize(&archive_);
    }
}

std::vector<CMC_ObjectRef> CMC_CompiledFile::readRecords(CMC_Scene* scene)
{
    std::vector<CMC_ObjectRef> read;
    int count = 0;
    archive_ >> &count;
    count = boundedCount(&archive_, count, sizeof(int) + kSmallestObjectRecord);
    CMC_ObjectRef alive(scene);
    for (int i = 0; i < count && archive_.LastError() == 0; ++i) {
        int type = 0;
        archive_ >> &type;
        CMC_Object* object = archive_.LastError() == 0 ? build(type, scene) : nullptr;
        if (object == nullptr) {
            scene->log((CXString("Compiled objects of ") + scene->getName() + " end at a record of type " +
                       CXString::toString(type) + ", which nothing builds")
                          .c_str(),
                      false);
            return read;
        }
        object->setScene(scene);
        object->serialize(&archive_);
        if (archive_.LastError() != 0) {
            // Cut short: what it read is not the object that was written.
            CMC_Object::destroySilently(object);
            return read;
        }
        read.emplace_back(object);
        scene->addObject(object);
        // An older object of that name went, and its handlers with it.
        if (!alive.isAlive())
            return read;
    }
    return read;
}

CMC_Object* CMC_CompiledFile::build(int type, CMC_Scene* scene)
{
    const ReaderRow* row = readerRowOf(type);
    if (row == nullptr)
        return scene->serializeEx(&archive_, type);
    auto known = makers_.find(type);
    if (known == makers_.end())
        known = makers_.emplace(type, CMC_CreationChain::emptyCreatorOf(row->word)).first;
    return known->second ? known->second(scene) : nullptr;
}
