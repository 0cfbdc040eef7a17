#include "ui/platform/compositor_bell/bell_globals.h"

#include <algorithm>

namespace compositor_bell {

namespace {

// The highest version of each interface that this program describes.
constexpr std::uint32_t systemBellVersion = 1;
constexpr std::uint32_t gtkShellVersion = 1; // system_bell is there from version 1

} // namespace

void Globals::offered(std::uint32_t name, std::string_view interface, std::uint32_t version) {
    // Version 0 does not exist: a compositor offering it is broken.
    if (version == 0)
        return;
    if (interface == "xdg_system_bell_v1" && knowsSystemBell_)
        offers_.push_back({name, Path::SystemBell, std::min(version, systemBellVersion)});
    else if (interface == "gtk_shell1")
        offers_.push_back({name, Path::GtkShell, std::min(version, gtkShellVersion)});
}

void Globals::withdrawn(std::uint32_t name) {
    std::erase_if(offers_, [name](const Offer& offer) { return offer.name == name; });
}

Choice Globals::choice() const {
    for (Path path : {Path::SystemBell, Path::GtkShell}) {
        const auto newest = std::find_if(offers_.rbegin(), offers_.rend(),
                                         [path](const Offer& offer) { return offer.path == path; });
        if (newest != offers_.rend())
            return {path, newest->name, newest->version};
    }
    return {};
}

} // namespace compositor_bell
