#pragma once

#include <memory>
#include <string>

// The freedesktop sound theme's bell, played through libcanberra as desktop
// programs did before Wayland had a bell. The library is loaded at run time
// and only on first use, so the program neither needs it nor pays for it
// where the platform has a bell of its own.
//
// ring() never waits: the sound server is reached from a thread of its own,
// which plays the bells one after another in the order rung, so two rings are
// heard as two bells. Many rung at once (a held key) leave no backlog: at most
// two wait while one plays, and the rest are not played. Where the library, the sound server or the
// sound is missing the bells are dropped without a word; only the PulseAudio driver is used
// (PipeWire serves it too), as the ALSA one writes its errors to stderr.
class SoundThemeBell {
public:
    static constexpr const char* eventId = "bell-window-system";

    // The program's name and what the bell means, both UTF-8, go with every
    // bell: a desktop may show or say them, so they come translated.
    SoundThemeBell(std::string applicationName, std::string eventDescription,
                   const char* library = "libcanberra.so.0");
    // Stops the thread after the bell it is playing; waits for nothing.
    ~SoundThemeBell();
    SoundThemeBell(const SoundThemeBell&) = delete;
    SoundThemeBell& operator=(const SoundThemeBell&) = delete;

    void ring();

private:
    struct Player;
    std::shared_ptr<Player> player_;
};
