#pragma once

#include "platform/HostWindow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// A picture to print: rows top down, three bytes a pixel, red, green, blue.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};

// The printer the user chose, as the pages it prints: sizes and places in dots of the page's
// printable area, whose top-left corner is (0, 0). One document at a time. Main thread only.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // Landscape turns the long side of the paper across.
    virtual void setLandscape(bool landscape) = 0;
    // The printable area of a page, in dots.
    virtual ScreenSize pageArea() const = 0;
    // False when no document can be started. The name is code page 1250.
    virtual bool startDocument(const std::string& name) = 0;
    virtual bool startPage() = 0;
    // The picture stretched over the rectangle of the page.
    virtual bool drawPicture(const RgbPicture& picture, const ScreenRect& target) = 0;
    virtual bool endPage() = 0;
    // The document's pages go to the printer; false when they could not.
    virtual bool endDocument() = 0;
};

// The printers of the desktop.
class Printer {
public:
    virtual ~Printer() = default;

    // The print dialog over the owner window: the printer chosen, null when the user cancelled.
    virtual std::unique_ptr<PrintDevice> choose(HostWindow* owner) = 0;
};

// The printer of the process: PDF pages handed to the system's print spooler unless one was
// installed.
Printer& printer();
// Installs a printer for the whole process (tests); null restores the system's.
void setPrinter(Printer* replacement);

} // namespace platform
