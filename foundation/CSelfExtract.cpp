#include "foundation/CSelfExtract.h"

#include "foundation/CFile.h"
#include "foundation/CPath.h"
#include "foundation/CSelfExtractInfo.h"
#include "foundation/LittleEndian.h"
#include "foundation/RelativeNames.h"
#include "platform/Files.h"

#include <zlib.h>

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr char kMagic[5] = {'S', 'F', 'X', '0', '1'};
constexpr int kHeaderSize = 9;
// Type byte, file length and stored length.
constexpr int kRecordHeadSize = 9;
// A record with no data and an empty name: head and name length.
constexpr int kSmallestRecord = kRecordHeadSize + 4;
constexpr uint8_t kZlib = 1;
// zlib never inflates one byte to more than 1032.
constexpr uint64_t kMaxInflateRatio = 1032;

struct RecordHead {
    uint8_t type = 0;
    uint32_t fileLength = 0;
    uint32_t storedLength = 0;
};

bool readExactly(CFile& file, void* buffer, int count)
{
    return count == 0 || file.Read(buffer, count) == count;
}

bool writeExactly(CFile& file, const void* data, size_t count)
{
    return count == 0 || (count <= size_t(INT32_MAX) && file.Write(data, int(count)) == int(count));
}

bool readU32(CFile& file, uint32_t& value)
{
    uint8_t bytes[4];
    if (!readExactly(file, bytes, 4))
        return false;
    value = foundation::loadLE32(bytes);
    return true;
}

// The head of the record at the file's position, its data within the file's `size` bytes.
bool readRecordHead(CFile& file, int size, RecordHead& head)
{
    uint8_t bytes[kRecordHeadSize];
    int at = file.Tell();
    if (!readExactly(file, bytes, kRecordHeadSize))
        return false;
    head.type = bytes[0];
    head.fileLength = foundation::loadLE32(bytes + 1);
    head.storedLength = foundation::loadLE32(bytes + 5);
    return head.storedLength <= uint32_t(size - at - kRecordHeadSize);
}

// The entry's file bytes, inflated from the package; false when the record does not match.
bool readEntryData(const CSelfExtractInfo& entry, const CXString& packageName, std::unique_ptr<uint8_t[]>& data,
    size_t& length)
{
    CFile package(nullptr, packageName, CFile::READ | CFile::BINARY);
    if (package.LastError() != 0)
        return false;
    int size = package.Length();
    RecordHead head;
    if (entry.GetDataOffset() > uint32_t(size) || package.Seek(int(entry.GetDataOffset()), 0) != 0
        || !readRecordHead(package, size, head) || head.type != kZlib
        || head.fileLength > uint64_t(head.storedLength) * kMaxInflateRatio + kMaxInflateRatio)
        return false;
    std::vector<uint8_t> stored(head.storedLength);
    if (!readExactly(package, stored.data(), int(stored.size())))
        return false;
    // The length is the package's claim: asked of the allocator without throwing. One spare byte
    // keeps the buffer non-empty for an empty file.
    data.reset(new (std::nothrow) uint8_t[size_t(head.fileLength) + 1]);
    uLongf inflated = head.fileLength;
    length = head.fileLength;
    return data != nullptr && uncompress(data.get(), &inflated, stored.data(), head.storedLength) == Z_OK
        && inflated == head.fileLength;
}

// Entries go exactly where they are named: CFile's search for game data would put a name that
// holds "Dane" into the running game's own data folder.
bool writeFile(const CXString& path, const uint8_t* data, size_t length)
{
    std::unique_ptr<platform::FileHandle> target = platform::files().open(path.c_str(), platform::FileMode::Write);
    if (target == nullptr)
        return false;
    const bool written = target->write(data, length) == length && target->close();
    if (!written)
        platform::files().removeFile(path.c_str());
    return written;
}

// The whole file, or false when it cannot be read.
bool readWholeFile(const CXString& name, std::vector<uint8_t>& bytes)
{
    CFile source(nullptr, name, CFile::READ | CFile::BINARY);
    if (source.LastError() != 0)
        return false;
    int length = source.Length();
    if (length < 0)
        return false;
    bytes.resize(size_t(length));
    return readExactly(source, bytes.data(), length);
}

// One record: the file deflated at level 9 under its name.
bool writeRecord(CFile& package, const CXString& name, const std::vector<uint8_t>& bytes)
{
    uLongf storedLength = compressBound(bytes.size());
    std::vector<uint8_t> stored(storedLength);
    static const uint8_t nothing = 0;
    if (compress2(stored.data(), &storedLength, bytes.empty() ? &nothing : bytes.data(), bytes.size(), 9) != Z_OK)
        return false;
    uint8_t head[kRecordHeadSize];
    head[0] = kZlib;
    foundation::storeLE32(head + 1, uint32_t(bytes.size()));
    foundation::storeLE32(head + 5, uint32_t(storedLength));
    uint8_t nameLength[4];
    foundation::storeLE32(nameLength, uint32_t(name.getLength()));
    return writeExactly(package, head, sizeof head) && writeExactly(package, stored.data(), storedLength)
        && writeExactly(package, nameLength, 4) && writeExactly(package, name.c_str(), size_t(name.getLength()));
}

} // namespace

CSelfExtract::CSelfExtract() : CSelfExtract(CXString())
{
}

CSelfExtract::CSelfExtract(const CXString& packageName) : packageName_(packageName), entries_(101, 0.75f)
{
}

CSelfExtract::~CSelfExtract()
{
    Flush();
}

CSelfExtractInfo* CSelfExtract::GetEntry(int index) const
{
    return index >= 0 && index < entries_.getSize() ? static_cast<CSelfExtractInfo*>(entries_[index]) : nullptr;
}

bool CSelfExtract::ReadTOC()
{
    CFile package(nullptr, packageName_, CFile::READ | CFile::BINARY);
    if (package.LastError() != 0)
        return false;
    const int size = package.Length();
    uint8_t header[kHeaderSize];
    if (size < kHeaderSize || !readExactly(package, header, kHeaderSize) || std::memcmp(header, kMagic, 5) != 0)
        return false;
    const int32_t count = static_cast<int32_t>(foundation::loadLE32(header + 5));
    if (count < 0 || count > (size - kHeaderSize) / kSmallestRecord)
        return false;
    std::vector<std::unique_ptr<CSelfExtractInfo>> found;
    for (int32_t i = 0; i < count; ++i) {
        const int offset = package.Tell();
        RecordHead head;
        uint32_t nameLength = 0;
        if (!readRecordHead(package, size, head) || package.Seek(int(head.storedLength), 1) != 0
            || !readU32(package, nameLength) || nameLength > uint32_t(MAX_NAME_LENGTH)
            || nameLength > uint32_t(size - package.Tell()))
            return false;
        std::string name(nameLength, '\0');
        if (!readExactly(package, name.data(), int(nameLength))
            || !foundation::isNameBelowFolder(name, MAX_NAME_LENGTH))
            return false;
        auto entry = std::make_unique<CSelfExtractInfo>();
        entry->SetDataOffset(uint32_t(offset));
        entry->SetCompressionType(head.type);
        entry->SetFileLength(head.fileLength);
        entry->SetCompressionLength(head.storedLength);
        entry->SetFilename(CXString(name.c_str()));
        found.push_back(std::move(entry));
    }
    for (auto& entry : found)
        entries_.add(entry.release());
    return true;
}

bool CSelfExtract::ExtractFiles(const CXString& folder)
{
    bool all = true;
    for (int i = 0; i < entries_.getSize(); ++i)
        all = ExtractOne(i, folder) && all;
    return all;
}

bool CSelfExtract::ExtractOne(int index, const CXString& folder)
{
    const CSelfExtractInfo* entry = GetEntry(index);
    if (entry == nullptr || !foundation::isNameBelowFolder(entry->GetFilename(), MAX_NAME_LENGTH))
        return false;
    std::unique_ptr<uint8_t[]> data;
    size_t length = 0;
    if (!readEntryData(*entry, packageName_, data, length))
        return false;
    const CXString target = CPath::getFullPath(folder, entry->GetFilename());
    foundation::makeFoldersOf(target);
    return writeFile(target, data.get(), length);
}

void CSelfExtract::AddDirectory(const CXString& folder)
{
    const CXString pattern = CPath::getFullPath(folder, "*.*");
    for (const platform::FileEntry& found : platform::files().find(pattern.c_str())) {
        if (found.name.empty() || found.name.back() == '.')
            continue;
        const CXString path = CPath::getFullPath(folder, found.name.c_str());
        if (found.isFolder) {
            AddDirectory(path);
            continue;
        }
        auto* entry = new CSelfExtractInfo();
        entry->SetFilename(path);
        entries_.add(entry);
    }
}

bool CSelfExtract::CreateArchive(const CXString&, const CXString& packageName)
{
    CFile package(nullptr, packageName, CFile::BINARY);
    if (package.LastError() != 0)
        return false;
    uint8_t header[kHeaderSize];
    std::memcpy(header, kMagic, 5);
    foundation::storeLE32(header + 5, 0);
    bool ok = writeExactly(package, header, kHeaderSize);
    uint32_t written = 0;
    for (int i = 0; ok && i < entries_.getSize(); ++i) {
        const CXString& name = GetEntry(i)->GetFilename();
        std::vector<uint8_t> bytes;
        if (!readWholeFile(name, bytes))
            continue;
        ok = writeRecord(package, name, bytes);
        ++written;
    }
    // The count is written last, so it says how many records really follow.
    foundation::storeLE32(header + 5, written);
    ok = ok && package.Seek(5, 0) == 0 && writeExactly(package, header + 5, 4);
    package.Close();
    if (!ok)
        platform::files().removeFile(package.getFileName().c_str());
    return ok;
}

void CSelfExtract::Flush()
{
    packageName_ = "";
    for (int i = 0; i < entries_.getSize(); ++i)
        delete GetEntry(i);
    entries_.removeAll();
}
