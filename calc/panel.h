#pragma once

#include "board/board.h"
#include "calc/keys.h"

#include <array>
#include <string>

// What the window's controls beside the board show: which keys take a click,
// the rod labels under the board, the result line, the checked radio button
// of the beam. The calculation writes it; the window draws it.

struct Label {
    std::string caption;
    bool visible = true;

    friend bool operator==(const Label&, const Label&) = default;
};

class Panel {
public:
    // As the window is laid out: every key enabled, the rod labels hidden, the
    // result line shown and empty, no radio button checked.
    Panel();

    bool keyEnabled(Key key) const { return keys_[index(key)]; }
    void setKeyEnabled(Key key, bool on) { keys_[index(key)] = on; }

    const Label& rodLabel(int rod) const { return rodLabels_.at(index(rod)); }
    void setRodLabel(int rod, std::string caption) {
        rodLabels_.at(index(rod)).caption = std::move(caption);
    }
    void showRodLabels(bool on);

    const Label& resultLine() const { return resultLine_; }
    void setResultLine(std::string caption) { resultLine_.caption = std::move(caption); }
    void showResultLine(bool on) { resultLine_.visible = on; }

    // The rod whose radio button is checked, -1 while none is.
    int checkedPoint() const { return checkedPoint_; }
    void checkPoint(int rod) { checkedPoint_ = rod; }

    friend bool operator==(const Panel&, const Panel&) = default;

private:
    template <typename Index> static std::size_t index(Index i) {
        return static_cast<std::size_t>(i);
    }

    std::array<bool, keyCount> keys_{};
    std::array<Label, rodCount> rodLabels_{};
    Label resultLine_;
    int checkedPoint_ = -1;
};
