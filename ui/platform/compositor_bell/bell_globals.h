#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Which of the compositor's bells to ring, from the globals its registry has
// advertised and not withdrawn. Kept apart from libwayland so that the choice
// can be checked without a compositor.
namespace compositor_bell {

enum class Path {
    SystemBell, // xdg_system_bell_v1: GNOME 48, KDE Plasma 6.3 and later
    GtkShell,   // gtk_shell1.system_bell: GNOME 43
    None,       // the program plays the sound theme's bell itself
};

struct Choice {
    Path path = Path::None;
    std::uint32_t name = 0;    // the registry's name of the global to bind
    std::uint32_t version = 0; // the version to bind it at
};

class Globals {
public:
    // Whether this build knows xdg_system_bell_v1 (Debian 12's
    // wayland-protocols lacks its description).
    explicit Globals(bool knowsSystemBell) : knowsSystemBell_(knowsSystemBell) {}

    void offered(std::uint32_t name, std::string_view interface, std::uint32_t version);
    void withdrawn(std::uint32_t name);

    // The system bell where it is offered, else GTK's shell, else none. A
    // global is bound at the version this program was written for even
    // when a later one is offered, so that the compositor never sends an
    // event the program cannot read (which would end the connection).
    Choice choice() const;

private:
    struct Offer {
        std::uint32_t name;
        Path path;
        std::uint32_t version;
    };
    bool knowsSystemBell_;
    std::vector<Offer> offers_; // only the bells' globals, newest last
};

} // namespace compositor_bell
