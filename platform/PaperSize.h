#pragma once

#include <optional>
#include <string_view>

namespace platform {

// The paper pages are printed on, upright, in millimetres. The user's printer settings file in the
// config folder (ConfigFolder), "printer.conf", names it:
//
//     # comment
//     paper Letter
//
// by name (A3, A4, A5, Letter, Legal, in any case) or as width x height in millimetres
// ("210x297"). Without the file, or with no paper it understands, the paper is A4.
struct PaperSize {
    double widthMm = 210;
    double heightMm = 297;

    bool operator==(const PaperSize&) const = default;

    // Nothing for a name or a size it does not know (sides from 10 mm to 5 m).
    static std::optional<PaperSize> named(std::string_view name);
    // The paper of a settings text; the last "paper" line that names one counts.
    static PaperSize fromSettings(std::string_view text);
    // The paper of the user's settings file.
    static PaperSize system();
};

} // namespace platform
