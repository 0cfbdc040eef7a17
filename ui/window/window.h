#pragma once

#include "app/form2.h"

#include <QWidget>

#include <functional>
#include <vector>

class BoardKeys;
class QAbstractButton;
class QButtonGroup;

namespace layout {
struct Control;
}

// The calculator window. It owns the form, builds every control from the
// layout table, forwards each user event to the form's handler and then
// redraws from the form's Controls whatever the handler changed.
//
// Every widget carries its control's name as objectName ("Pic3", "Command1",
// "Lab1", ...); the elements of a control array share the name and carry
// their element index in the dynamic property "index".
class Window : public QWidget {
public:
    explicit Window(QWidget* parent = nullptr);

    Form2& form() { return form_; }
    const Form2& form() const { return form_; }
    // The board's place in the keyboard focus chain.
    BoardKeys* board() const { return board_; }

    // Brings every widget in line with the form's Controls, changing only
    // what differs; a handler's changes thus reach the screen together.
    void sync();

    // The widget of control `name`, element `index` of a control array, or
    // with index -1 a control that is no array; nullptr when there is none.
    QWidget* control(QStringView name, int index = -1) const;
    // The key of the key row that stands for key.
    QAbstractButton* key(Key key) const;

protected:
    // The keys of the key row, Ctrl+C, and Ctrl+V (Shift+Insert).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addControl(const layout::Control& c);
    QWidget* addLabel(const layout::Control& c, QWidget* parent);
    QWidget* addKey(const layout::Control& c, QWidget* parent);
    QWidget* addCell(const layout::Control& c, QWidget* parent);
    QWidget* addPicture(const layout::Control& c, QWidget* parent);
    QWidget* addRadio(QWidget* parent, int index);
    void addBoard();
    void syncOption();
    // Tells a screen reader what a key of the key row did, and puts the
    // keyboard's mark back on rod 0 after a clear.
    void afterKey(Key key, bool refused);
    // Runs one of the form's handlers as the answer to a user's event, then
    // brings the widgets in line with what it changed; Args are the event's.
    template <typename... Args, typename Handler> auto answer(Handler handler);

    Form2 form_;
    QButtonGroup* options_;
    BoardKeys* board_ = nullptr;
    std::vector<std::function<void()>> syncs_;
};
