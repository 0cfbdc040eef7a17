// The sound theme's bell against a stand-in libcanberra (canberra_stub.cpp):
// what it asks the library for, in which order, and that ring() never waits.
#include "ui/sound_theme_bell.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

namespace {

// The stub's test controls, from the same loaded copy the bell uses.
struct StubControls {
    void* handle = dlopen(CANBERRA_STUB_PATH, RTLD_NOW);
    void (*reset)(bool) = symbol<void (*)(bool)>("stub_reset");
    void (*hold)(bool) = symbol<void (*)(bool)>("stub_hold");
    void (*finish)() = symbol<void (*)()>("stub_finish");
    int (*wait)(int, int) = symbol<int (*)(int, int)>("stub_wait");
    int (*opens)() = symbol<int (*)()>("stub_opens");
    void (*driverInto)(char*, int) = symbol<void (*)(char*, int)>("stub_driver");
    void (*propInto)(const char*, char*,
                     int) = symbol<void (*)(const char*, char*, int)>("stub_context_prop");
    void (*eventInto)(int, char*, int) = symbol<void (*)(int, char*, int)>("stub_event");

    template <typename F> F symbol(const char* name) {
        return handle ? reinterpret_cast<F>(dlsym(handle, name)) : nullptr;
    }
    std::string driver() {
        char text[64];
        driverInto(text, sizeof text);
        return text;
    }
    std::string contextProp(const char* key) {
        char text[128];
        propInto(key, text, sizeof text);
        return text;
    }
    std::string event(int i) {
        char text[64];
        eventInto(i, text, sizeof text);
        return text;
    }
};

class SoundThemeBellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(stub.handle, nullptr) << dlerror();
        stub.reset(false);
    }
    StubControls stub;
};

TEST_F(SoundThemeBellTest, EachRingPlaysTheBellEventThroughPulseAudioOnly) {
    SoundThemeBell bell(CANBERRA_STUB_PATH);
    bell.ring();
    bell.ring();
    ASSERT_EQ(stub.wait(2, 1), 2);
    EXPECT_EQ(stub.event(0), "bell-window-system");
    EXPECT_EQ(stub.event(1), "bell-window-system");
    // Only the PulseAudio driver: the ALSA one prints its failures to stderr.
    EXPECT_EQ(stub.driver(), "pulse");
    // The sound server shows whose bell it is by the desktop entry's id.
    EXPECT_EQ(stub.contextProp("application.id"), "io.github.rodwise.RodwiseHD");
    EXPECT_EQ(stub.contextProp("application.name"), "Rodwise H-D");
    // One connection serves every bell.
    EXPECT_EQ(stub.opens(), 1);
}

TEST_F(SoundThemeBellTest, RingReturnsWhileABellPlaysAndTheBellsFollowInTurn) {
    SoundThemeBell bell(CANBERRA_STUB_PATH);
    stub.hold(true);
    bell.ring();
    bell.ring();
    bell.ring();
    // The first bell is still playing: ring() came back all the same, and the
    // next bells wait for it rather than sounding over it as one.
    ASSERT_EQ(stub.wait(1, 1), 1);
    EXPECT_EQ(stub.wait(0, 0), 1) << "a second bell played over the first";
    stub.finish();
    ASSERT_EQ(stub.wait(2, 1), 2);
    EXPECT_EQ(stub.wait(0, 0), 2) << "the third bell played over the second";
    stub.finish();
    EXPECT_EQ(stub.wait(3, 1), 3);
    stub.hold(false);
}

TEST_F(SoundThemeBellTest, WithoutASoundServerTheBellsAreDropped) {
    stub.reset(true);
    {
        SoundThemeBell bell(CANBERRA_STUB_PATH);
        bell.ring();
        bell.ring();
        ASSERT_EQ(stub.wait(0, 1), 0);
    }
    EXPECT_EQ(stub.wait(0, 0), 0);
}

TEST_F(SoundThemeBellTest, WithoutTheLibraryRingDoesNothing) {
    SoundThemeBell bell("/nonexistent/libcanberra.so.0");
    bell.ring();
    bell.ring();
    EXPECT_EQ(stub.opens(), 0);
}

} // namespace
