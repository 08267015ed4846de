#include "platform/PdfPrintDevice.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigFolder.h"
#include "platform/Cp1250.h"
#include "platform/Spooler.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace platform {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerInch = 72;
// More documents of one name than this in one folder is a folder gone wrong.
constexpr int kMostNumberedNames = 9999;

bool isFree(const std::string& path)
{
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::not_found;
}

} // namespace

PdfPrintDevice::PdfPrintDevice(std::string folder, PaperSize paper, std::string spooler,
                               std::function<void(const std::string&)> kept)
    : folder_(std::move(folder)), paper_(paper), spooler_(std::move(spooler)), kept_(std::move(kept))
{
}

int PdfPrintDevice::dots(double millimetres)
{
    return static_cast<int>(std::lround(millimetres / kMillimetresPerInch * kDotsPerInch));
}

double PdfPrintDevice::points(int dots)
{
    return dots * kPointsPerInch / kDotsPerInch;
}

ScreenSize PdfPrintDevice::sheet() const
{
    const int shortSide = dots(std::min(paper_.widthMm, paper_.heightMm));
    const int longSide = dots(std::max(paper_.widthMm, paper_.heightMm));
    return landscape_ ? ScreenSize{longSide, shortSide} : ScreenSize{shortSide, longSide};
}

ScreenSize PdfPrintDevice::pageArea() const
{
    const ScreenSize whole = sheet();
    const int margins = 2 * dots(kMarginMm);
    return ScreenSize{whole.width - margins, whole.height - margins};
}

bool PdfPrintDevice::startDocument(const std::string& name)
{
    if (document_ || !ConfigFolder::ensureExists(folder_))
        return false;
    name_ = name;
    document_.emplace(name);
    return true;
}

bool PdfPrintDevice::startPage()
{
    if (!document_ || pageOpen_)
        return false;
    const ScreenSize whole = sheet();
    document_->addPage(points(whole.width), points(whole.height));
    pageOpen_ = true;
    return true;
}

bool PdfPrintDevice::drawPicture(const RgbPicture& picture, const ScreenRect& target)
{
    if (!pageOpen_)
        return false;
    const int margin = dots(kMarginMm);
    return document_->drawPicture(picture, points(margin + target.left), points(margin + target.top),
                                  points(target.right - target.left), points(target.bottom - target.top));
}

bool PdfPrintDevice::endPage()
{
    const bool wasOpen = pageOpen_;
    pageOpen_ = false;
    return wasOpen;
}

bool PdfPrintDevice::endDocument()
{
    if (!document_)
        return false;
    pageOpen_ = false;
    PdfDocument document = std::move(*document_);
    document_.reset();
    if (document.pageCount() == 0)
        return true;
    const std::string path = freeFileName(folder_, name_);
    if (path.empty() || !AtomicFile::replace(path, document.bytes()))
        return false;
    std::error_code error;
    if (!spooler_.empty() && Spooler::submit(spooler_, path, name_))
        std::filesystem::remove(path, error);
    else if (kept_)
        kept_(path);
    return true;
}

std::string PdfPrintDevice::freeFileName(const std::string& folder, const std::string& documentName)
{
    std::string base = Cp1250::toUtf8(documentName);
    for (char& c : base) {
        if (c == '/' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    }
    if (base.empty() || base == "." || base == "..")
        base = "_" + base;
    const std::string stem = folder + "/" + base;
    if (isFree(stem + ".pdf"))
        return stem + ".pdf";
    for (int number = 2; number <= kMostNumberedNames; ++number) {
        const std::string candidate = stem + "-" + std::to_string(number) + ".pdf";
        if (isFree(candidate))
            return candidate;
    }
    return {};
}

} // namespace platform
