// Every two bytes are one user event on a freshly started calculator, and a
// paste takes the bytes after it as the clipboard's text; an event that breaks
// a rule aborts the run, naming the event and the rule.

#include "tests/property/core_invariants.h"

#include <algorithm>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    driver::Started form;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        std::string e = rodwise_check::decode(data[i], data[i + 1]);
        if (e == rodwise_check::pasteEvent) {
            const std::size_t length = std::min(std::size_t(data[i + 1] % 80), size - i - 2);
            e.append(reinterpret_cast<const char*>(data + i + 2), length);
            i += length;
        }
        if (const std::string broken = rodwise_check::step(form, e); !broken.empty()) {
            std::fprintf(stderr, "event %zu (%s) broke %s\n", i / 2, e.c_str(), broken.c_str());
            std::abort();
        }
    }
    return 0;
}
