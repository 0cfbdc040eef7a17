// A stand-in for libcanberra.so.0 that plays nothing: it records what the
// program asks of it, so tests can hear the bell without a sound server.
// Tests that load it in-process steer it through the stub_* functions; a
// program run with it on LD_LIBRARY_PATH writes one line per bell to the file
// named by RODWISE_CANBERRA_LOG.
#include <chrono>
#include <condition_variable>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

using Finish = void (*)(void*, std::uint32_t, int, void*);

struct Pending {
    void* context;
    std::uint32_t id;
    Finish finish;
    void* userdata;
};

struct Stub {
    std::mutex mutex;
    std::condition_variable changed;
    std::string driver;
    std::map<std::string, std::string> contextProps;
    std::vector<std::string> events;
    std::vector<Pending> unfinished;
    int opens = 0;
    bool failOpen = false;
    bool hold = false;
} stub;

int context; // the one context handed out

void finishAll(std::unique_lock<std::mutex>& lock) {
    std::vector<Pending> done;
    done.swap(stub.unfinished);
    lock.unlock();
    for (const Pending& p : done)
        p.finish(p.context, p.id, 0, p.userdata);
    lock.lock();
}

} // namespace

extern "C" {

struct ca_proplist {
    std::map<std::string, std::string> values;
};

int ca_context_create(void** c) {
    *c = &context;
    return 0;
}

int ca_context_set_driver(void*, const char* driver) {
    std::lock_guard lock(stub.mutex);
    stub.driver = driver ? driver : "";
    return 0;
}

int ca_context_change_props(void* c, ...) {
    std::lock_guard lock(stub.mutex);
    va_list args;
    va_start(args, c);
    while (const char* key = va_arg(args, const char*))
        stub.contextProps[key] = va_arg(args, const char*);
    va_end(args);
    return 0;
}

int ca_context_open(void*) {
    std::lock_guard lock(stub.mutex);
    ++stub.opens;
    stub.changed.notify_all();
    return stub.failOpen ? -1 : 0;
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

int ca_context_play_full(void* c, std::uint32_t id, ca_proplist* p, Finish finish, void* userdata) {
    std::unique_lock lock(stub.mutex);
    const std::string event = p->values["event.id"];
    stub.events.push_back(event);
    if (const char* log = std::getenv("RODWISE_CANBERRA_LOG")) {
        if (FILE* file = std::fopen(log, "a")) {
            std::fprintf(file, "%s %s\n", stub.driver.c_str(), event.c_str());
            std::fclose(file);
        }
    }
    stub.unfinished.push_back({c, id, finish, userdata});
    stub.changed.notify_all();
    if (!stub.hold)
        finishAll(lock);
    return 0;
}

// Test controls.
void stub_reset(bool failOpen) {
    std::lock_guard lock(stub.mutex);
    stub.driver.clear();
    stub.contextProps.clear();
    stub.events.clear();
    stub.opens = 0;
    stub.failOpen = failOpen;
    stub.hold = false;
}

// While held, a bell finishes only when the test says so; letting go
// finishes the ones playing.
void stub_hold(bool hold) {
    std::unique_lock lock(stub.mutex);
    stub.hold = hold;
    if (!hold)
        finishAll(lock);
}

void stub_finish() {
    std::unique_lock lock(stub.mutex);
    finishAll(lock);
}

// Waits (up to ten seconds, for a stalled test) until `plays` bells were
// played or `opens` contexts opened, and returns the number of bells played.
int stub_wait(int plays, int opens) {
    std::unique_lock lock(stub.mutex);
    stub.changed.wait_for(lock, std::chrono::seconds(10),
                          [&] { return int(stub.events.size()) >= plays && stub.opens >= opens; });
    return int(stub.events.size());
}

int stub_opens() {
    std::lock_guard lock(stub.mutex);
    return stub.opens;
}

// Copies the driver, a context property or played event `i` into `out`.
void stub_driver(char* out, int size) {
    std::lock_guard lock(stub.mutex);
    std::snprintf(out, size, "%s", stub.driver.c_str());
}

void stub_context_prop(const char* key, char* out, int size) {
    std::lock_guard lock(stub.mutex);
    std::snprintf(out, size, "%s", stub.contextProps[key].c_str());
}

void stub_event(int i, char* out, int size) {
    std::lock_guard lock(stub.mutex);
    std::snprintf(out, size, "%s", i < int(stub.events.size()) ? stub.events[i].c_str() : "");
}
}
