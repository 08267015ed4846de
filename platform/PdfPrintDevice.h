#pragma once

#include "platform/PaperSize.h"
#include "platform/PdfDocument.h"
#include "platform/Printer.h"

#include <functional>
#include <optional>
#include <string>

namespace platform {

// A printer that makes each document a PDF file in a folder, named after the document, and hands
// it to the spooler when there is one: the file is removed once the spooler took it, and kept
// otherwise. Pages are of the paper given, with a margin all round that printers leave blank
// anyway; dots are 1/300 inch.
class PdfPrintDevice final : public PrintDevice {
public:
    static constexpr int kDotsPerInch = 300;
    static constexpr double kMarginMm = 5;

    // `spooler` is the program (Spooler), none when empty; `kept` is told every file kept.
    PdfPrintDevice(std::string folder, PaperSize paper, std::string spooler, std::function<void(const std::string&)> kept);

    void setLandscape(bool landscape) override { landscape_ = landscape; }
    ScreenSize pageArea() const override;
    // False while a document is open, or when the folder cannot be made.
    bool startDocument(const std::string& name) override;
    bool startPage() override;
    bool drawPicture(const RgbPicture& picture, const ScreenRect& target) override;
    bool endPage() override;
    // A document of no pages writes nothing.
    bool endDocument() override;

    // A name in the folder for a document: "<name>.pdf", else "<name>-2.pdf" and on, the first
    // that is free; characters no file name can hold become "_". Empty when none is free.
    static std::string freeFileName(const std::string& folder, const std::string& documentName);

private:
    // The sheet as it lies, in dots.
    ScreenSize sheet() const;
    static int dots(double millimetres);
    static double points(int dots);

    std::string folder_;
    PaperSize paper_;
    std::string spooler_;
    std::function<void(const std::string&)> kept_;
    bool landscape_ = false;
    std::string name_;
    std::optional<PdfDocument> document_;
    bool pageOpen_ = false;
};

} // namespace platform
