#include "platform/PdfPrinter.h"

#include "platform/PdfPrintDevice.h"
#include "platform/WindowSystem.h"

namespace platform {

namespace {
const char kCaption[] = "Print";
const char kQuestion[] = "Print the picture of the game?";
} // namespace

PdfPrinter::PdfPrinter(std::string folder, PaperSize paper, std::string spooler)
    : folder_(std::move(folder)), paper_(paper), spooler_(std::move(spooler))
{
}

std::unique_ptr<PrintDevice> PdfPrinter::choose(HostWindow* owner)
{
    if (!windowSystem().ask(kCaption, kQuestion, "Print", "Cancel", owner))
        return nullptr;
    return std::make_unique<PdfPrintDevice>(folder_, paper_, spooler_, [this](const std::string& path) { kept_.push_back(path); });
}

} // namespace platform
