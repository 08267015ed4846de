#include "DemoFolder.h"

#include "Animation.h"
#include "Raster.h"
#include "WaveWriter.h"

#include "foundation/CFile.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CImageWriter.h"
#include "graphics/CSimpleFont6.h"
#include "platform/Files.h"

#include <cstdio>

namespace {

const char kDataFolder[] = "Dane\\";
const char kSoundFolder[] = "Wavs\\";

} // namespace

DemoFolder::DemoFolder(const std::string& root)
{
    count(CFile::chDir(root.c_str()) == 0, root);
    for (const char* folder : {"Dane", "Wavs"})
        if (!CFile::dirExists(folder))
            count(platform::files().makeFolder(folder), folder);
}

void DemoFolder::picture(const std::string& name, const Raster& raster, int x, int y)
{
    // Pictures are kept run-length packed, as animation frames are: most of their pixels come in runs.
    CFile file(nullptr, (kDataFolder + name).c_str(), CFile::BINARY);
    count(file.LastError() == 0 && CImageWriter::write(*raster.picture(x, y), &file, COMPRESSION_RLE) && file.Close() == 0, name);
}

void DemoFolder::animation(const std::string& name, const Animation& animation)
{
    count(animation.save(kDataFolder + name), name);
}

void DemoFolder::font(const std::string& name, const Animation& letters)
{
    const std::string lettersPath = kDataFolder + name + ".ann";
    const std::string fontPath = kDataFolder + name + ".fnt";
    animation(name + ".ann", letters);
    CSimpleFont6 converter(nullptr);
    converter.create(lettersPath.c_str(), fontPath.c_str());
    // The font is read back to tell that the conversion wrote it.
    CSimpleFont6 check(nullptr);
    count(check.Load(fontPath.c_str()) == 0 && check.getLetterCount() > 0, name + ".fnt");
}

void DemoFolder::sound(const std::string& name, const std::vector<float>& samples, int rate)
{
    count(WaveWriter::write(kSoundFolder + name, samples, rate), name);
}

void DemoFolder::count(bool written, const std::string& name)
{
    if (written)
        return;
    ++failures_;
    std::fprintf(stderr, "demo maker: could not write %s\n", name.c_str());
}
