#pragma once

#include "platform/PaperSize.h"
#include "platform/Printer.h"

#include <string>
#include <vector>

namespace platform {

// The printer of a desktop without printer dialogs: a Print/Cancel question through the window
// system, then documents as PDF files in a folder (PdfPrintDevice), handed to the spooler program
// when one is given. Tests use it without a spooler, on a folder of their own.
class PdfPrinter final : public Printer {
public:
    PdfPrinter(std::string folder, PaperSize paper, std::string spooler = {});

    std::unique_ptr<PrintDevice> choose(HostWindow* owner) override;

    void setPaper(PaperSize paper) { paper_ = paper; }
    // The files written and kept, in the order written.
    const std::vector<std::string>& keptFiles() const { return kept_; }

private:
    std::string folder_;
    PaperSize paper_;
    std::string spooler_;
    std::vector<std::string> kept_;
};

} // namespace platform
