// The choice of the compositor's bell from what a registry advertises, as
// GNOME 43, GNOME 48, KDE Plasma 6.3 and weston send it, and as compositors
// that offer later versions than the program knows, withdraw a bell, or
// advertise nonsense might.
#include "ui/platform/compositor_bell/bell_globals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <tuple>

using compositor_bell::Path;

namespace {

// "+NAME INTERFACE VERSION" offers a global, "-NAME" withdraws it.
compositor_bell::Choice replay(const std::string& events, bool knowsSystemBell) {
    compositor_bell::Globals globals(knowsSystemBell);
    std::istringstream in(events);
    for (std::string name, interface; in >> name;) {
        std::uint32_t version = 0;
        if (name[0] == '+' && in >> interface >> version)
            globals.offered(std::stoul(name.substr(1)), interface, version);
        else
            globals.withdrawn(std::stoul(name.substr(1)));
    }
    return globals.choice();
}

} // namespace

TEST(CompositorBell, ChoosesOneBellFromWhatTheCompositorOffers) {
    constexpr Path system = Path::SystemBell, gtk = Path::GtkShell, none = Path::None;
    // The events; with xdg_system_bell_v1 known (Debian 13) the path chosen,
    // the global to bind and the version to bind it at; the path chosen by a
    // Debian 12 build.
    const std::tuple<const char*, Path, std::uint32_t, std::uint32_t, Path> cases[] = {
        {"+1 wl_compositor 5 +9 gtk_shell1 5", gtk, 9, 1, gtk},           // GNOME 43
        {"+9 gtk_shell1 6 +30 xdg_system_bell_v1 1", system, 30, 1, gtk}, // GNOME 48
        {"+4 xdg_system_bell_v1 1", system, 4, 1, none},                  // KDE Plasma 6.3
        {"+1 wl_compositor 5 +2 xdg_wm_base 5", none, 0, 0, none},        // weston
        // Later versions are bound at the one the program knows.
        {"+9 gtk_shell1 7 +30 xdg_system_bell_v1 3", system, 30, 1, gtk},
        {"+9 gtk_shell1 0 +30 xdg_system_bell_v1 0", none, 0, 0, none}, // no version 0
        {"+9 gtk_shell 1 +30 xdg_system_bell 1 +31 zwp_bell_v1 1", none, 0, 0, none},
        {"+9 gtk_shell1 6 +30 xdg_system_bell_v1 1 -30", gtk, 9, 1, gtk},
        {"+9 gtk_shell1 5 +30 xdg_system_bell_v1 1 -9 -30", none, 0, 0, none},
        {"+30 xdg_system_bell_v1 1 +31 wl_output 4 -31", system, 30, 1, none},
        {"+30 xdg_system_bell_v1 1 -30 +41 xdg_system_bell_v1 1", system, 41, 1, none},
        {"+30 xdg_system_bell_v1 1 +41 xdg_system_bell_v1 1 -41", system, 30, 1, none},
    };
    for (const auto& [events, path, name, version, withoutSystem] : cases) {
        const compositor_bell::Choice chosen = replay(events, true);
        EXPECT_EQ(chosen.path, path) << events;
        EXPECT_EQ(chosen.name, name) << events;
        EXPECT_EQ(chosen.version, version) << events;
        EXPECT_EQ(replay(events, false).path, withoutSystem) << events << " (Debian 12)";
    }
}
