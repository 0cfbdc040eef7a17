// A stand-in for libcanberra.so.0 that plays nothing: a program run with it on
// LD_LIBRARY_PATH writes one line per bell, "driver event-id", to the file
// named by RODWISE_CANBERRA_LOG, so a test hears the bell without a sound server.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

static std::string driver, event;

// The calls whose work a stand-in can leave undone: they succeed.
#define SUCCEED(name, ...)                                                                         \
    int name(__VA_ARGS__) {                                                                        \
        return 0;                                                                                  \
    }

extern "C" {
SUCCEED(ca_context_create, void**)
SUCCEED(ca_context_change_props, void*, ...)
SUCCEED(ca_context_open, void*)
SUCCEED(ca_proplist_create, void**)
SUCCEED(ca_proplist_destroy, void*)

int ca_context_set_driver(void*, const char* name) {
    driver = name;
    return 0;
}
int ca_proplist_sets(void*, const char* key, const char* value) {
    if (std::string(key) == "event.id")
        event = value;
    return 0;
}
int ca_context_play_full(void* c, std::uint32_t id, void*,
                         void (*finish)(void*, std::uint32_t, int, void*), void* data) {
    const char* path = std::getenv("RODWISE_CANBERRA_LOG");
    if (FILE* log = path ? std::fopen(path, "a") : nullptr) {
        std::fprintf(log, "%s %s\n", driver.c_str(), event.c_str());
        std::fclose(log);
    }
    finish(c, id, 0, data);
    return 0;
}
}
