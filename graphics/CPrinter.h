#pragma once

#include "foundation/CXRect.h"
#include "foundation/CXSize.h"
#include "platform/Printer.h"

#include <memory>

class CWindow;

// Prints a rectangle of the game window on a printer the user chooses: one landscape page of the
// document "DocPrint", the rectangle as large as the page takes it with its proportions kept,
// centred. The whole job runs in the constructor; a cancelled dialog or a printer that cannot
// start the document prints nothing and says nothing. Main thread; the dialog is modal.
class CPrinter {
public:
    static constexpr char kDocumentName[] = "DocPrint";
    // Wider or taller pictures are not taken: the screen they would show is 800 by 600.
    static constexpr unsigned long kLargestSide = 4096;

    // The rectangle in client coordinates of the window.
    CPrinter(CWindow* window, CXRect rect);
    ~CPrinter();
    CPrinter(const CPrinter&) = delete;
    CPrinter& operator=(const CPrinter&) = delete;

    // One page with the rectangle: 1 when the page was printed, 0 when not.
    int print(CXRect rect);
    // What the window shows of the rectangle now, drawn afresh, as a 24-bit picture (black where
    // the rectangle leaves the screen); null when there is no display or the rectangle is empty or
    // too large.
    std::unique_ptr<platform::RgbPicture> GetImageBitmap(CXRect rect);
    // A black 24-bit picture of that size; null for an empty or too large one.
    static std::unique_ptr<platform::RgbPicture> _init24bitdibsection(unsigned long width, unsigned long height);
    // Where a picture of that size lies on a page area: across the page's width when it is wider
    // in proportion than the page, else over its height, the other side in proportion (truncated),
    // centred. Empty for an empty picture or page.
    static CXRect placeOnPage(CXSize picture, CXSize page);

private:
    CWindow* window_;
    // The printer chosen; null outside the job.
    std::unique_ptr<platform::PrintDevice> device_;
};
