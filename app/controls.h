#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// The toolkit-neutral state of every control on the calculator window: what
// each bead cell shows, which cells and keys accept input, the radio button
// that is checked and the texts of the labels. The form's handlers change this
// state; the window only draws it.

enum class Image : std::uint8_t { Gap, Bead, ExtraBead };

enum class Deck : std::uint8_t { Upper, Lower };

enum class Key : std::uint8_t {
    Multiply, // Command1(0) "*"
    Divide,   // Command1(1) "/"
    HexPlus,  // Command1(2) "H.+"
    HexMinus, // Command1(3) "H.-"
    Equals,   // Command3 "="
    Clear,    // Command4 "C"
    HexDec,   // Command5 "H-D"
    Hex,      // Command6 "Hex"
};

inline constexpr int rodCount = 10;
inline constexpr int keyCount = 8;
// The upper deck's cells carry the indices 0 (next to the beam), 5 and 1 (top).
inline constexpr std::array<int, 3> upperCellIndices{0, 5, 1};
inline constexpr int lowerCellCount = 6;

struct Cell {
    Image image = Image::Gap;
    bool enabled = true;

    friend bool operator==(const Cell&, const Cell&) = default;
};

struct Label {
    std::string caption;
    bool visible = true;

    friend bool operator==(const Label&, const Label&) = default;
};

class Controls {
public:
    Controls();

    // A cell by deck, rod (0 = rightmost) and the cell's index in its deck:
    // 0, 5 or 1 on the upper deck, 0 to 5 on the lower deck.
    Cell& cell(Deck deck, int rod, int index);
    const Cell& cell(Deck deck, int rod, int index) const;
    static bool isCellIndex(Deck deck, int index);

    void setImage(Deck deck, int rod, int index, Image image) {
        cell(deck, rod, index).image = image;
    }
    void setCellEnabled(Deck deck, int rod, int index, bool on) {
        cell(deck, rod, index).enabled = on;
    }
    bool cellEnabled(Deck deck, int rod, int index) const { return cell(deck, rod, index).enabled; }
    bool shows(Deck deck, int rod, int index, Image image) const;

    bool keyEnabled(Key key) const { return keys_[static_cast<int>(key)]; }
    void setKeyEnabled(Key key, bool on) { keys_[static_cast<int>(key)] = on; }

    Label& rodLabel(int rod) { return rodLabels_.at(static_cast<std::size_t>(rod)); }
    const Label& rodLabel(int rod) const { return rodLabels_.at(static_cast<std::size_t>(rod)); }
    Label& resultLine() { return resultLine_; }
    const Label& resultLine() const { return resultLine_; }

    // The checked radio button of the beam, -1 while none is.
    int selectedOption() const { return selectedOption_; }
    // Checks Option1(index) as code does: when that changes the selection the
    // form's click handler runs before this returns, as a toolkit would run it.
    void selectOption(int index);
    // Checks Option1(index) as a user's click does; the caller runs the handler.
    void checkOption(int index) { selectedOption_ = index; }
    void onOptionClick(std::function<void(int)> handler) { optionClick_ = std::move(handler); }

    // The system beep. The window installs the real sound; tests count calls.
    void beep();
    void onBeep(std::function<void()> sound) { beepSound_ = std::move(sound); }
    int beepCount() const { return beepCount_; }

private:
    std::array<std::array<Cell, upperCellIndices.size()>, rodCount> upper_{};
    std::array<std::array<Cell, lowerCellCount>, rodCount> lower_{};
    std::array<bool, keyCount> keys_{};
    std::array<Label, rodCount> rodLabels_{};
    Label resultLine_;
    int selectedOption_ = -1;
    std::function<void(int)> optionClick_;
    std::function<void()> beepSound_;
    int beepCount_ = 0;
};
