#include "platform/PdfDocument.h"

#include <zlib.h>

#include <charconv>
#include <cstdio>

namespace platform {

namespace {

// The fixed objects; pages and their pictures follow.
constexpr int kCatalog = 1;
constexpr int kPages = 2;
constexpr int kInfo = 3;
constexpr int kFirstPageObject = 4;

// Hundredths of a point at most, no trailing zeros, always the C locale's dot.
std::string number(double value)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    std::string written(text, error == std::errc() ? end : text);
    if (written.find('.') != std::string::npos) {
        while (written.back() == '0')
            written.pop_back();
        if (written.back() == '.')
            written.pop_back();
    }
    return written == "-0" ? "0" : written;
}

// A literal string: parentheses and backslashes escaped, bytes outside printable ASCII as octal.
std::string literal(const std::string& text)
{
    std::string written = "(";
    for (unsigned char c : text) {
        if (c == '(' || c == ')' || c == '\\') {
            written += '\\';
            written += static_cast<char>(c);
        } else if (c < 0x20 || c > 0x7E) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            written += escape;
        } else {
            written += static_cast<char>(c);
        }
    }
    return written + ")";
}

std::string reference(int object)
{
    return std::to_string(object) + " 0 R";
}

bool deflate(const std::vector<uint8_t>& bytes, std::string& compressed)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    compressed.resize(size);
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size, bytes.data(), static_cast<uLong>(bytes.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    compressed.resize(size);
    return true;
}

// Numbers the objects as they are written and keeps where each starts, for the cross-reference
// table.
class ObjectWriter {
public:
    explicit ObjectWriter(int objectCount) : offsets_(objectCount + 1, 0) {}

    void write(int object, const std::string& body)
    {
        offsets_[object] = out.size();
        out += std::to_string(object) + " 0 obj\n" + body + "\nendobj\n";
    }
    void writeStream(int object, std::string dictionary, const std::string& data)
    {
        dictionary += " /Length " + std::to_string(data.size()) + " >>";
        write(object, dictionary + "\nstream\n" + data + "\nendstream");
    }
    void finish()
    {
        const size_t table = out.size();
        out += "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n";
        for (size_t i = 1; i < offsets_.size(); ++i) {
            char entry[32];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offsets_[i]);
            out += entry;
        }
        out += "trailer\n<< /Size " + std::to_string(offsets_.size()) + " /Root " + reference(kCatalog) + " /Info " +
               reference(kInfo) + " >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
    }

    // The header says the file holds binary data.
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";

private:
    std::vector<size_t> offsets_;
};

} // namespace

PdfDocument::PdfDocument(std::string title) : title_(std::move(title)) {}

void PdfDocument::addPage(double widthPt, double heightPt)
{
    pages_.push_back(Page{widthPt, heightPt, {}, {}});
}

bool PdfDocument::drawPicture(const RgbPicture& picture, double left, double top, double width, double height)
{
    if (pages_.empty() || picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != size_t(picture.width) * size_t(picture.height) * 3)
        return false;
    Page& page = pages_.back();
    Image image{picture.width, picture.height, {}};
    if (!deflate(picture.pixels, image.compressed))
        return false;
    // An image fills the unit square; the matrix stretches it over the place, measured upwards.
    const double bottom = page.heightPt - top - height;
    page.content += "q " + number(width) + " 0 0 " + number(height) + " " + number(left) + " " + number(bottom) +
                    " cm /Im" + std::to_string(page.images.size() + 1) + " Do Q\n";
    page.images.push_back(std::move(image));
    return true;
}

std::string PdfDocument::bytes() const
{
    int objectCount = kFirstPageObject - 1;
    for (const Page& page : pages_)
        objectCount += 2 + static_cast<int>(page.images.size());
    ObjectWriter writer(objectCount);
    writer.write(kCatalog, "<< /Type /Catalog /Pages " + reference(kPages) + " >>");
    std::string kids;
    int object = kFirstPageObject;
    for (const Page& page : pages_) {
        if (!kids.empty())
            kids += ' ';
        kids += reference(object);
        object += 2 + static_cast<int>(page.images.size());
    }
    writer.write(kPages, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) + " >>");
    writer.write(kInfo, "<< /Title " + literal(title_) + " /Producer (Tamzora) >>");
    object = kFirstPageObject;
    for (const Page& page : pages_) {
        const int pageObject = object;
        const int contentObject = object + 1;
        std::string images;
        for (size_t i = 0; i < page.images.size(); ++i)
            images += " /Im" + std::to_string(i + 1) + " " + reference(contentObject + 1 + int(i));
        writer.write(pageObject, "<< /Type /Page /Parent " + reference(kPages) + " /MediaBox [0 0 " + number(page.widthPt) +
                                     " " + number(page.heightPt) + "] /Resources << /XObject <<" + images +
                                     " >> >> /Contents " + reference(contentObject) + " >>");
        writer.writeStream(contentObject, "<<", page.content);
        for (size_t i = 0; i < page.images.size(); ++i) {
            const Image& image = page.images[i];
            writer.writeStream(contentObject + 1 + int(i),
                               "<< /Type /XObject /Subtype /Image /Width " + std::to_string(image.width) + " /Height " +
                                   std::to_string(image.height) +
                                   " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode",
                               image.compressed);
        }
        object += 2 + static_cast<int>(page.images.size());
    }
    writer.finish();
    return writer.out;
}

} // namespace platform
