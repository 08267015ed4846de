#include "platform/Printer.h"

#include "platform/DocumentsFolder.h"
#include "platform/PaperSize.h"
#include "platform/PdfPrinter.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {
Printer& systemPrinter()
{
    // CUPS's lp prints a PDF as it is; without it or its default printer the pages stay as files.
    static PdfPrinter instance(DocumentsFolder::path(), PaperSize::system(), "lp");
    return instance;
}

constinit ServiceSlot<Printer> slot(systemPrinter);
} // namespace

Printer& printer()
{
    return slot.get();
}

void setPrinter(Printer* replacement)
{
    slot.set(replacement);
}

} // namespace platform
