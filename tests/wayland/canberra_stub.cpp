// A stand-in for libcanberra.so.0 that plays nothing. A program run with it
// on LD_LIBRARY_PATH writes one line per bell, "driver event-id", to the file
// named by RODWISE_CANBERRA_LOG, so a test hears the bell without a sound
// server.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {
int context;
std::string driver;
} // namespace

extern "C" {
struct ca_proplist {
    std::map<std::string, std::string> values;
};
using Finish = void (*)(void*, std::uint32_t, int, void*);

int ca_context_create(void** c) {
    *c = &context;
    return 0;
}
int ca_context_set_driver(void*, const char* name) {
    driver = name ? name : "";
    return 0;
}
int ca_context_change_props(void*, ...) {
    return 0;
}
int ca_context_open(void*) {
    return 0;
}
int ca_proplist_create(ca_proplist** p) {
    *p = new ca_proplist;
    return 0;
}
int ca_proplist_sets(ca_proplist* p, const char* key, const char* value) {
    p->values[key] = value;
    return 0;
}
int ca_proplist_destroy(ca_proplist* p) {
    delete p;
    return 0;
}
int ca_context_play_full(void* c, std::uint32_t id, ca_proplist* p, Finish finish, void* data) {
    if (const char* log = std::getenv("RODWISE_CANBERRA_LOG"))
        if (FILE* file = std::fopen(log, "a")) {
            std::fprintf(file, "%s %s\n", driver.c_str(), p->values["event.id"].c_str());
            std::fclose(file);
        }
    finish(c, id, 0, data);
    return 0;
}
}
