#pragma once

#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_CreationChain.h"
#include "script/CMC_ObjectRef.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CMC_Object;
class CMC_ObjectsContainer;
class CMC_Scene;
class CWindow;

// A file of the application tree's compiled form: the tree file "application.bin", or the object
// file of one container ("<name>.bin" in its folder): its DLLS, BACKGROUND and MUSIC texts, a record
// count, then the records, each a type identifier followed by what the object's own serialize
// writes. Nothing in the file gives a record's length, so a reader can only go on past records it
// knows how to build: the writer writes only those.
//
// A file read is read whole first, from the disk or else from the open data archive: its fields
// are then taken from memory.
//
// The reader builds the types of its table through the creation chain's empty objects (a type
// joins by registering its empty maker and having its record); every other identifier goes to the
// scene's plug-in modules.
class CMC_CompiledFile {
public:
    // Reads the file, or creates (truncates) it for writing.
    CMC_CompiledFile(CWindow* window, const CXString& path, bool storing);

    bool isOpen() const { return open_; }
    CXArchive* archive() { return &archive_; }

    // The records of the container's objects whose types a reader builds again; the others are
    // left out, each with a log line, so that the file stays readable to its end.
    void writeRecords(CMC_ObjectsContainer* container);
    // The records, each object given the scene, read and added to it, until the count is reached,
    // the data ends or a record's type has no maker (nothing after it can be read). The objects
    // read, in file order.
    std::vector<CMC_ObjectRef> readRecords(CMC_Scene* scene);

    // Whether objects of the type are written: application-tree objects and the engine's own
    // objects never are, and of the rest those a reader builds again.
    static bool isStoredType(int type);
    // At most as many records as the bytes left could hold, each at least `smallest` bytes; 0 for
    // a negative count.
    static int boundedCount(CXArchive* archive, int count, int smallest);
    // The count itself when the bytes left can hold that many records; otherwise the archive is
    // marked damaged and the answer is 0 (the tree file is read whole or not at all).
    static int checkedCount(CXArchive* archive, int count, int smallest);
    // The smallest object record: a name and a handler count.
    static constexpr int kSmallestObjectRecord = 8;

private:
    // The empty object of a type of the reader's table (its maker looked up once per file), or
    // the scene's plug-in modules' object.
    CMC_Object* build(int type, CMC_Scene* scene);

    // The bytes of a file on the disk or in the data archive; false when it is in neither.
    static bool readWhole(CWindow* window, const CXString& path, std::string& bytes);

    CFile written_;
    std::string read_;
    std::unique_ptr<CFile_Stream> stream_;
    CXArchive archive_;
    bool open_ = false;
    std::map<int, CMC_CreationChain::EmptyCreator> makers_;
};
