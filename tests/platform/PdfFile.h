#pragma once

// A small reader of the PDF files the printer writes, for tests to check them: the cross-reference
// table must point at every object, each page's box, and the images its content places with their
// inflated pixels. Anything it cannot follow fails the test that reads it.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace pdftest {

struct PlacedImage {
    // The placement matrix's scale and offset, in points from the page's bottom-left corner.
    double width = 0;
    double height = 0;
    double left = 0;
    double bottom = 0;
    int pixelWidth = 0;
    int pixelHeight = 0;
    std::string colourSpace;
    int bitsPerComponent = 0;
    // Red, green, blue bytes, rows top down.
    std::vector<uint8_t> pixels;
};

struct Page {
    double width = 0;
    double height = 0;
    std::vector<PlacedImage> images;
};

class PdfFile {
public:
    explicit PdfFile(std::string bytes) : bytes_(std::move(bytes)) { read(); }

    bool ok() const { return ok_; }
    const std::vector<Page>& pages() const { return pages_; }
    // A value of the document's information, as written.
    std::string info(const std::string& key) const { return valueOf(object(trailerRef("/Info")), key); }

private:
    void fail(const std::string& why)
    {
        ADD_FAILURE() << "PDF: " << why;
        ok_ = false;
    }

    void read()
    {
        if (bytes_.rfind("%PDF-1.", 0) != 0)
            return fail("no header");
        const size_t start = bytes_.rfind("startxref\n");
        if (start == std::string::npos)
            return fail("no startxref");
        size_t table = std::strtoul(bytes_.c_str() + start + 10, nullptr, 10);
        if (table > bytes_.size() || bytes_.compare(table, 5, "xref\n") != 0)
            return fail("startxref does not point at the table");
        std::istringstream in(bytes_.substr(table + 5));
        int first = 0;
        int count = 0;
        in >> first >> count;
        for (int number = first; number < first + count; ++number) {
            size_t offset = 0;
            int generation = 0;
            std::string kind;
            in >> offset >> generation >> kind;
            if (kind != "n")
                continue;
            const std::string head = std::to_string(number) + " 0 obj\n";
            if (offset > bytes_.size() || bytes_.compare(offset, head.size(), head) != 0)
                return fail("object " + std::to_string(number) + " is not where the table says");
            const size_t end = bytes_.find("\nendobj\n", offset);
            objects_[number] = bytes_.substr(offset + head.size(), end - offset - head.size());
        }
        trailer_ = bytes_.substr(bytes_.find("trailer\n", table));
        const std::string pages = object(reference(object(trailerRef("/Root")), "/Pages"));
        for (int kid : references(between(pages, "/Kids [", "]")))
            readPage(object(kid));
        if (number(pages, "/Count") != double(pages_.size()))
            fail("page count");
    }

    void readPage(const std::string& page)
    {
        Page read;
        std::istringstream box(between(page, "/MediaBox [", "]"));
        double x0 = -1;
        double y0 = -1;
        box >> x0 >> y0 >> read.width >> read.height;
        if (x0 != 0 || y0 != 0)
            fail("page box not at the origin");
        std::map<std::string, int> images;
        std::istringstream named(between(page, "/XObject <<", ">>"));
        for (std::string name, number, generation, r; named >> name >> number >> generation >> r;)
            images[name] = std::atoi(number.c_str());
        std::istringstream content(streamOf(object(reference(page, "/Contents"))));
        std::vector<std::string> operands;
        std::vector<double> matrix;
        for (std::string word; content >> word;) {
            if (word == "cm") {
                matrix.clear();
                for (const std::string& operand : operands)
                    matrix.push_back(std::atof(operand.c_str()));
            } else if (word == "Do" && !operands.empty() && matrix.size() == 6) {
                if (matrix[1] != 0 || matrix[2] != 0)
                    fail("turned image");
                read.images.push_back(readImage(object(images[operands.back()]), matrix));
            }
            if (word == "cm" || word == "Do" || word == "q" || word == "Q")
                operands.clear();
            else
                operands.push_back(word);
        }
        pages_.push_back(std::move(read));
    }

    PlacedImage readImage(const std::string& image, const std::vector<double>& matrix)
    {
        PlacedImage placed;
        placed.width = matrix[0];
        placed.height = matrix[3];
        placed.left = matrix[4];
        placed.bottom = matrix[5];
        placed.pixelWidth = int(number(image, "/Width"));
        placed.pixelHeight = int(number(image, "/Height"));
        placed.colourSpace = valueOf(image, "/ColorSpace");
        placed.bitsPerComponent = int(number(image, "/BitsPerComponent"));
        if (valueOf(image, "/Filter") != "/FlateDecode")
            fail("image not deflated");
        const std::string packed = streamOf(image);
        uLongf size = uLongf(placed.pixelWidth) * uLongf(placed.pixelHeight) * 3;
        placed.pixels.resize(size);
        if (uncompress(placed.pixels.data(), &size, reinterpret_cast<const Bytef*>(packed.data()), uLong(packed.size())) != Z_OK ||
            size != placed.pixels.size())
            fail("image does not inflate to its size");
        return placed;
    }

    std::string object(int number) const
    {
        auto found = objects_.find(number);
        return found != objects_.end() ? found->second : std::string();
    }
    int trailerRef(const std::string& key) const { return reference(trailer_, key); }

    // The data of a stream object, as long as its /Length says.
    std::string streamOf(const std::string& body)
    {
        const size_t start = body.find(">>\nstream\n");
        const size_t length = size_t(number(body, "/Length"));
        if (start == std::string::npos || start + 10 + length > body.size() ||
            body.compare(start + 10 + length, 10, "\nendstream") != 0) {
            fail("stream length");
            return {};
        }
        return body.substr(start + 10, length);
    }

    static std::string between(const std::string& text, const std::string& open, const std::string& close)
    {
        const size_t start = text.find(open);
        if (start == std::string::npos)
            return {};
        const size_t from = start + open.size();
        return text.substr(from, text.find(close, from) - from);
    }
    // The word after a key.
    static std::string valueOf(const std::string& text, const std::string& key)
    {
        size_t at = text.find(key + " ");
        if (at == std::string::npos)
            return {};
        at += key.size() + 1;
        if (text[at] == '(') {
            size_t end = at + 1;
            while (end < text.size() && text[end] != ')')
                end += text[end] == '\\' ? 2 : 1;
            return text.substr(at, end + 1 - at);
        }
        return text.substr(at, text.find_first_of(" >\n", at) - at);
    }
    static double number(const std::string& text, const std::string& key) { return std::atof(valueOf(text, key).c_str()); }
    static int reference(const std::string& text, const std::string& key) { return int(number(text, key)); }
    static std::vector<int> references(const std::string& list)
    {
        std::istringstream in(list);
        std::vector<int> numbers;
        for (std::string number, generation, r; in >> number >> generation >> r;)
            numbers.push_back(std::atoi(number.c_str()));
        return numbers;
    }

    std::string bytes_;
    std::map<int, std::string> objects_;
    std::string trailer_;
    std::vector<Page> pages_;
    bool ok_ = true;
};

} // namespace pdftest
