#include "ui/platform/sound_theme_bell.h"

#include <dlfcn.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>

namespace {

// The part of libcanberra's C interface that is used, declared here so that
// building needs no development package.
struct ca_context;
struct ca_proplist;
using ca_finish_callback_t = void (*)(ca_context*, std::uint32_t, int, void*);

struct Canberra {
    int (*context_create)(ca_context**) = nullptr;
    int (*context_set_driver)(ca_context*, const char*) = nullptr;
    int (*context_change_props)(ca_context*, ...) = nullptr;
    int (*context_open)(ca_context*) = nullptr;
    int (*context_play_full)(ca_context*, std::uint32_t, ca_proplist*, ca_finish_callback_t,
                             void*) = nullptr;
    int (*proplist_create)(ca_proplist**) = nullptr;
    int (*proplist_sets)(ca_proplist*, const char*, const char*) = nullptr;
    int (*proplist_destroy)(ca_proplist*) = nullptr;

    bool load(const char* library) {
        void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return false;
        bool all = true;
        const auto resolve = [&](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
            all = all && function;
        };
        resolve(context_create, "ca_context_create");
        resolve(context_set_driver, "ca_context_set_driver");
        resolve(context_change_props, "ca_context_change_props");
        resolve(context_open, "ca_context_open");
        resolve(context_play_full, "ca_context_play_full");
        resolve(proplist_create, "ca_proplist_create");
        resolve(proplist_sets, "ca_proplist_sets");
        resolve(proplist_destroy, "ca_proplist_destroy");
        return all; // the handle stays open for the life of the program
    }
};

// A bell longer than this does not hold back the next one.
constexpr std::chrono::milliseconds longestBell{1500};

// Bells rung while these wait to be played are dropped.
constexpr int mostWaiting = 2;

} // namespace

struct SoundThemeBell::Player {
    std::string library;
    std::string applicationName;
    std::string eventDescription;
    std::mutex mutex;
    std::condition_variable changed;
    int waiting = 0;   // rung, not yet played
    bool stop = false; // the owner is gone
    bool playing = false;
    std::uint32_t bellId = 0;

    Canberra canberra;
    ca_context* context = nullptr;
    bool ready = false;
    bool broken = false; // the library or the sound server is missing

    bool open() {
        if (ready || broken)
            return ready;
        ready = canberra.load(library.c_str()) && canberra.context_create(&context) == 0 &&
                canberra.context_set_driver(context, "pulse") == 0 &&
                canberra.context_change_props(context, "application.name", applicationName.c_str(),
                                              "application.id", "io.github.rodwise.RodwiseHD",
                                              "application.icon_name",
                                              "io.github.rodwise.RodwiseHD", nullptr) == 0 &&
                canberra.context_open(context) == 0;
        broken = !ready;
        return ready;
    }

    // Called by the library on a thread of its own, possibly after the
    // wait for it gave up; the token keeps the player alive until then.
    static void finished(ca_context*, std::uint32_t id, int, void* token) {
        const auto player = *static_cast<std::shared_ptr<Player>*>(token);
        delete static_cast<std::shared_ptr<Player>*>(token);
        std::lock_guard lock(player->mutex);
        if (id == player->bellId)
            player->playing = false;
        player->changed.notify_all();
    }

    // Plays one bell and waits until it has been heard, or failed.
    void play(const std::shared_ptr<Player>& self) {
        ca_proplist* properties = nullptr;
        if (canberra.proplist_create(&properties) != 0)
            return;
        canberra.proplist_sets(properties, "event.id", SoundThemeBell::eventId);
        canberra.proplist_sets(properties, "event.description", eventDescription.c_str());
        std::uint32_t id = 0;
        {
            std::lock_guard lock(mutex);
            id = ++bellId;
            playing = true;
        }
        auto* token = new std::shared_ptr<Player>(self);
        if (canberra.context_play_full(context, id, properties, &Player::finished, token) != 0) {
            delete token; // a refused bell is never called back
            std::lock_guard lock(mutex);
            playing = false;
        }
        canberra.proplist_destroy(properties);
        std::unique_lock lock(mutex);
        changed.wait_for(lock, longestBell, [this] { return !playing || stop; });
    }

    void run(const std::shared_ptr<Player>& self) {
        for (;;) {
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [this] { return waiting > 0 || stop; });
                if (stop)
                    return;
                --waiting;
            }
            if (open())
                play(self);
        }
    }
};

SoundThemeBell::SoundThemeBell(std::string applicationName, std::string eventDescription,
                               const char* library)
    : player_(std::make_shared<Player>()) {
    player_->library = library;
    player_->applicationName = std::move(applicationName);
    player_->eventDescription = std::move(eventDescription);
    // The thread owns the player too, so a bell still playing at exit finds
    // it alive; nothing waits for the thread.
    std::thread([player = player_] { player->run(player); }).detach();
}

SoundThemeBell::~SoundThemeBell() {
    std::lock_guard lock(player_->mutex);
    player_->stop = true;
    player_->changed.notify_all();
}

void SoundThemeBell::ring() {
    std::lock_guard lock(player_->mutex);
    // A refusal's two bells are both heard; a held key's many are not all
    // played after it is let go.
    if (player_->waiting < mostWaiting)
        ++player_->waiting;
    player_->changed.notify_all();
}
