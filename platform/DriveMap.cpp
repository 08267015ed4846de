#include "platform/DriveMap.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigFolder.h"
#include "platform/TextTools.h"

namespace platform {

namespace {

constexpr const char* kConfigFileName = "drives.conf";

std::string withoutTrailingSlashes(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// Mount points escape blanks, tabs, newlines and backslashes as three octal digits.
std::string unescapeMountPoint(std::string_view field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            field.substr(i + 1, 3).find_first_not_of("01234567") == std::string_view::npos) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// A drive's folder is an absolute path: anything else would resolve against the current folder.
bool isAbsoluteFolder(const std::string& folder)
{
    return !folder.empty() && folder[0] == '/';
}

} // namespace

DriveMap::DriveMap(const DriveMap& other)
{
    std::lock_guard lock(other.mutex_);
    drives_ = other.drives_;
}

DriveMap& DriveMap::operator=(const DriveMap& other)
{
    if (this != &other) {
        std::scoped_lock lock(mutex_, other.mutex_);
        drives_ = other.drives_;
    }
    return *this;
}

int DriveMap::indexOf(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a';
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A';
    return -1;
}

std::vector<Drive> DriveMap::list() const
{
    std::lock_guard lock(mutex_);
    std::vector<Drive> result;
    for (const Drive& drive : drives_)
        if (drive.type != DriveType::None)
            result.push_back(drive);
    return result;
}

std::string DriveMap::folderOf(char letter) const
{
    const int index = indexOf(letter);
    std::lock_guard lock(mutex_);
    return index < 0 ? std::string() : drives_[index].folder;
}

DriveType DriveMap::typeOf(char letter) const
{
    const int index = indexOf(letter);
    std::lock_guard lock(mutex_);
    return index < 0 ? DriveType::None : drives_[index].type;
}

bool DriveMap::set(char letter, const std::string& folder, DriveType type)
{
    const int index = indexOf(letter);
    if (index < 0 || !isAbsoluteFolder(folder) || type == DriveType::None)
        return false;
    std::lock_guard lock(mutex_);
    drives_[index] = Drive{static_cast<char>('A' + index), type, withoutTrailingSlashes(folder)};
    return true;
}

void DriveMap::remove(char letter)
{
    const int index = indexOf(letter);
    if (index < 0)
        return;
    std::lock_guard lock(mutex_);
    drives_[index] = Drive{};
}

void DriveMap::clear()
{
    std::lock_guard lock(mutex_);
    drives_.fill(Drive{});
}

void DriveMap::readConfig(std::string_view text)
{
    for (std::string_view rawLine : TextTools::lines(text)) {
        const std::string_view line = TextTools::trim(rawLine);
        if (line.size() < 2 || line[0] == '#' || line[1] != ':')
            continue;
        const std::string_view rest = TextTools::trim(line.substr(2));
        const auto blank = rest.find_first_of(" \t");
        if (blank == std::string_view::npos)
            continue;
        const std::string_view typeWord = rest.substr(0, blank);
        const DriveType type = typeWord == "fixed" ? DriveType::Fixed
                               : typeWord == "cd"  ? DriveType::CdRom
                                                   : DriveType::None;
        set(line[0], std::string(TextTools::trim(rest.substr(blank))), type);
    }
}

void DriveMap::addOpticalMounts(std::string_view mountinfo)
{
    for (std::string_view line : TextTools::lines(mountinfo)) {
        // "id parent major:minor root mountpoint options [optional...] - fstype source options"
        const auto fields = TextTools::split(line, " ");
        size_t separator = 6;
        while (separator < fields.size() && fields[separator] != "-")
            ++separator;
        if (fields.size() < 5 || separator + 1 >= fields.size())
            continue;
        const std::string_view fsType = fields[separator + 1];
        if (fsType != "iso9660" && fsType != "udf")
            continue;
        const std::string folder = withoutTrailingSlashes(unescapeMountPoint(fields[4]));
        if (isAbsoluteFolder(folder))
            markOpticalMount(folder);
    }
}

void DriveMap::markOpticalMount(const std::string& folder)
{
    std::lock_guard lock(mutex_);
    for (Drive& drive : drives_) {
        if (drive.type != DriveType::None && drive.folder == folder) {
            drive.type = DriveType::CdRom;
            return;
        }
    }
    for (int index = 'D' - 'A'; index < 26; ++index) {
        if (drives_[index].type == DriveType::None) {
            drives_[index] = Drive{static_cast<char>('A' + index), DriveType::CdRom, folder};
            return;
        }
    }
}

void DriveMap::loadSystem()
{
    clear();
    std::string text;
    if (AtomicFile::readAll(ConfigFolder::path() + "/" + kConfigFileName, text))
        readConfig(text);
    else
        set('C', "/", DriveType::Fixed);
    if (AtomicFile::readAll("/proc/self/mountinfo", text))
        addOpticalMounts(text);
}

} // namespace platform
