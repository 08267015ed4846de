#pragma once

#include "platform/Printer.h"

#include <string>
#include <vector>

namespace platform {

// A PDF file of pages of pictures, written from scratch: each picture an RGB image kept compressed
// (Flate, through zlib) from the moment it is drawn, placed by the page's content. Lengths and
// places in points (1/72 inch), the page's top-left corner as origin.
class PdfDocument {
public:
    // The title is code page 1250.
    explicit PdfDocument(std::string title);

    void addPage(double widthPt, double heightPt);
    // On the last page; false without a page, for an empty picture, or when compression failed.
    bool drawPicture(const RgbPicture& picture, double left, double top, double width, double height);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // The whole file.
    std::string bytes() const;

private:
    struct Image {
        int width;
        int height;
        std::string compressed;
    };
    struct Page {
        double widthPt;
        double heightPt;
        std::string content;
        std::vector<Image> images;
    };

    std::string title_;
    std::vector<Page> pages_;
};

} // namespace platform
