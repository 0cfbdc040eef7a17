#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <deque>

class QKeyEvent;

// The keys a screen reader claims: those pressed while its modifier, Insert
// or the keypad's Insert, is held (Orca's "Orca+H" is learn mode, never
// "H-D"). Qt hands every key to the screen reader first and gives it 100 ms
// to claim it; a screen reader slower than that on a busy machine gets the
// key and the window gets it too, later and out of step with the keyboard.
// So the modifier is followed here in the X server's own stream of key
// events, where every key arrives at once and in order, and each press that
// reaches the window is matched to its place in that stream.
//
// Only on X11; elsewhere no key is ever claimed here.
class ScreenReaderKeys : public QAbstractNativeEventFilter {
public:
    ScreenReaderKeys();
    ~ScreenReaderKeys() override;
    ScreenReaderKeys(const ScreenReaderKeys&) = delete;
    ScreenReaderKeys& operator=(const ScreenReaderKeys&) = delete;

    // Whether a key press, at the widget it is first delivered to, was
    // pressed while the screen reader's modifier was held. Ask once for
    // each press.
    bool claimed(const QKeyEvent& press);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Press {
        std::uint8_t keycode;
        bool claimed;
    };

    bool installed_ = false;
    std::uint8_t insert_ = 0;
    std::uint8_t keypadInsert_ = 0;
    bool insertHeld_ = false;
    bool keypadInsertHeld_ = false;
    // The presses of other keys that the X server sent and that have not
    // reached the window yet: those the screen reader claimed in time never
    // will.
    std::deque<Press> pending_;
};
