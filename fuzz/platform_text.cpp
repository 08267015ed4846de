// The platform's own text files from hostile bytes, each read, changed and written back: an INI
// text (unchanged it is written back byte for byte; a written key reads back), a registry file
// (a written value reads back, and the written text is a fixed point), and the same bytes as a
// drive map file and as a mount list (every drive they give is an absolute folder), as the
// printer's settings (the paper named has sides within bounds) and as the desktop's user folders
// (a documents folder named is absolute).
#include "platform/DocumentsFolder.h"
#include "platform/DriveMap.h"
#include "platform/IniDocument.h"
#include "platform/PaperSize.h"
#include "platform/RegistryTree.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void iniText(std::string_view text)
{
    platform::IniDocument document = platform::IniDocument::parse(text);
    check(document.serialize() == text);
    std::string before;
    const bool hadKey = document.get("Other", "k", before);
    document.set("Fuzz", "key", "value");
    document.removeKey("Gone", "k");
    const std::string written = document.serialize();
    platform::IniDocument again = platform::IniDocument::parse(written);
    std::string value;
    check(again.get("Fuzz", "key", value) && value == "value");
    std::string after;
    check(again.get("Other", "k", after) == hadKey && after == before);
    check(again.serialize() == written);
    again.removeSection("Fuzz");
    check(!again.get("Fuzz", "key", value));
}

void registryText(std::string_view text)
{
    platform::RegistryTree tree = platform::RegistryTree::parse(text);
    tree.setValue("Software\\Fuzz", "name", std::string("line\r\nbreak\0", 12));
    tree.deleteValue("Software\\Other", "x");
    tree.deleteTree("Software\\Gone");
    const std::string written = tree.serialize();
    platform::RegistryTree again = platform::RegistryTree::parse(written);
    std::string value;
    check(again.getValue("software\\FUZZ", "NAME", value) && value == std::string("line\r\nbreak\0", 12));
    check(again.serialize() == written);
    (void)again.subKeys("Software");
    (void)again.valueNames("Software\\Fuzz");
}

void driveText(std::string_view text)
{
    platform::DriveMap drives;
    drives.readConfig(text);
    drives.addOpticalMounts(text);
    for (const platform::Drive& drive : drives.list())
        check(!drive.folder.empty() && drive.folder[0] == '/');
}

void printerText(std::string_view text)
{
    const platform::PaperSize paper = platform::PaperSize::fromSettings(text);
    check(paper.widthMm >= 10 && paper.widthMm <= 5000 && paper.heightMm >= 10 && paper.heightMm <= 5000);
    const std::string documents = platform::DocumentsFolder::fromUserDirs(text, "/home/user");
    check(documents.empty() || documents[0] == '/');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    iniText(text);
    registryText(text);
    driveText(text);
    printerText(text);
    return 0;
}
