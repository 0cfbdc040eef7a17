#pragma once

#include <string>

struct Calculator;

// Ctrl+C and Ctrl+V: the number the window shows, as text on the clipboard.
namespace clipboard {

// Puts the number the window shows on the clipboard.
void copy(const Calculator& calculator);

// The clipboard's text for a paste (UTF-8), cut to one byte more than a paste
// reads, so that a huge clipboard is refused without being copied.
std::string pasteText();

} // namespace clipboard
