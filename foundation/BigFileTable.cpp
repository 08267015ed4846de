#include "foundation/BigFileTable.h"

#include "foundation/CFile.h"
#include "foundation/CXArchive.h"

namespace {

using Entry = CBigFile::_entry;
using File = CBigFile::_file;
using RootEntry = CBigFile::_rootentry;

// Fixed bytes of each record besides its name's bytes.
constexpr int64_t kHeaderFixedBytes = 36;
constexpr int64_t kFolderFixedBytes = 12;
constexpr int64_t kFileFixedBytes = 20;

class TableReader {
public:
    TableReader(CFile& file, int64_t fileSize) : file_(file), archive_(&file, false), fileSize_(fileSize) {}

    std::unique_ptr<RootEntry> read()
    {
        auto header = std::make_unique<RootEntry>();
        archive_ >> &header->name >> &header->rootPath >> &header->totalSize >> &header->reserved[0] >>
            &header->reserved[1] >> &header->files >> &header->folders;
        header->root = std::make_unique<Entry>();
        if (!ok() || !readFolder(*header->root, 0))
            return nullptr;
        return header;
    }

private:
    bool ok() const { return archive_.LastError() == 0; }

    // Whether the records the counts announce can be in what is left of the file, each at least
    // its fixed bytes long. Nothing is reserved for them up front: memory follows the records
    // really read, never a count.
    bool countsFit(int files, int folders) const
    {
        if (files < 0 || folders < 0)
            return false;
        const int64_t left = fileSize_ - file_.Tell();
        return files * kFileFixedBytes + folders * kFolderFixedBytes <= left;
    }

    bool readFolder(Entry& folder, int depth)
    {
        int files = 0;
        int folders = 0;
        archive_ >> &folder.name >> &files >> &folders;
        if (!ok() || !countsFit(files, folders))
            return false;
        for (int i = 0; i < folders; ++i) {
            if (depth == CBigFile::MAX_DEPTH)
                return false;
            auto child = std::make_unique<Entry>();
            child->parent = &folder;
            if (!readFolder(*child, depth + 1))
                return false;
            folder.folders.push_back(std::move(child));
        }
        for (int i = 0; i < files; ++i) {
            auto file = std::make_unique<File>();
            file->folder = &folder;
            if (!readFile(*file))
                return false;
            folder.files.push_back(std::move(file));
        }
        return true;
    }

    bool readFile(File& file)
    {
        archive_ >> &file.name >> &file.offset >> &file.time >> &file.size;
        return ok() && file.offset >= 0 && file.size >= 0 &&
            static_cast<int64_t>(file.offset) + file.size <= fileSize_;
    }

    CFile& file_;
    CXArchive archive_;
    int64_t fileSize_;
};

void writeFolder(CXArchive& archive, const Entry& folder)
{
    archive << folder.name << static_cast<int>(folder.files.size()) << static_cast<int>(folder.folders.size());
    for (const auto& child : folder.folders)
        writeFolder(archive, *child);
    for (const auto& file : folder.files)
        archive << file->name << file->offset << file->time << file->size;
}

int64_t folderRecordsSize(const Entry& folder)
{
    int64_t bytes = kFolderFixedBytes + folder.name.getLength();
    for (const auto& child : folder.folders)
        bytes += folderRecordsSize(*child);
    for (const auto& file : folder.files)
        bytes += kFileFixedBytes + file->name.getLength();
    return bytes;
}

} // namespace

std::unique_ptr<RootEntry> BigFileTable::read(CFile& file, int64_t fileSize)
{
    return TableReader(file, fileSize).read();
}

bool BigFileTable::write(CXArchive& archive, const RootEntry& header)
{
    archive << header.name << header.rootPath << header.totalSize << header.reserved[0] << header.reserved[1]
            << header.files << header.folders;
    writeFolder(archive, *header.root);
    return archive.LastError() == 0;
}

int64_t BigFileTable::size(const RootEntry& header)
{
    return kHeaderFixedBytes + header.name.getLength() + header.rootPath.getLength() + folderRecordsSize(*header.root);
}

void BigFileTable::forEachFile(const Entry& folder, const std::function<void(File&)>& visit)
{
    for (const auto& child : folder.folders)
        forEachFile(*child, visit);
    for (const auto& file : folder.files)
        visit(*file);
}
