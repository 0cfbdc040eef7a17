#pragma once

#include <QWidget>

class QLabel;

// F1: every key of the calculator, one line each, in the user's language, in
// a window of its own that Escape closes. The key row's keys come from its
// table (ui/widgets/key_row.h).
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* calculator);
    // The text a screen reader reads.
    QLabel* keys() const { return keys_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* keys_;
};
