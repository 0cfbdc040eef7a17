#pragma once

#include "calc/tape.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QListWidget;

// A tape entry as a line in the user's language: "12 × 3 = 36",
// "1F × 2 (hex) = 3E (hex)", "255 = FF (hex)", "5 ÷ 0 = refused".
QString tapeLine(const TapeEntry& entry);

// Writes the lines to the file at path as UTF-8 text, one a line; false when
// the file cannot be written.
bool saveTape(const QString& path, const QStringList& lines);

// The tape: every calculation finished in this run, newest last, in a window
// of its own beside the calculator. Enter or a double click on a line lays its
// result onto the rods, Ctrl+C copies it, Ctrl+S saves the tape, Ctrl+H and
// Escape close the window. Its text follows the calculator's zoom.
class TapeWindow : public QWidget {
public:
    // entries are the calculator window's, which writes them; lay pastes a
    // result's text onto the rods.
    TapeWindow(QWidget* calculator, std::vector<TapeEntry>& entries,
               std::function<void(const std::string&)> lay);

    // Shows a line for each entry not shown yet, and selects the newest.
    void catchUp();
    QListWidget* list() const { return list_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl+C on the list copies the line's result, not the line.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Ctrl+C, Ctrl+S, Ctrl+H and Escape; false for any other key.
    bool takeKey(const QKeyEvent& event);
    void save();
    void clear();

    std::vector<TapeEntry>& entries_;
    std::function<void(const std::string&)> lay_;
    QListWidget* list_;
};
