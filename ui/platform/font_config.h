#pragma once

#include <QStringList>

#include <functional>
#include <vector>

// Fontconfig's configuration cut down to the fonts the program draws with.
// At its first text Qt lists every font fontconfig knows into its font
// database; with a desktop's thousands of fonts that is most of the time and
// memory of the program's start. The system's own configuration, with its
// settings (substitutions, hinting, antialiasing, subpixel order) but only the
// fonts drawn, spares both.
namespace font_config {

// Loads the system's configuration as fontconfig would for Qt, from its
// caches, keeps in it only the fonts of the installed families of each list
// in `choices` and of the family that fontconfig gives Qt's default font,
// "Sans Serif", in the user's language (every text that names no family of
// its own), and makes it current. Nothing is kept of it between starts: a
// font installed or removed is seen at the next.
//
// Where a list has no family installed, or the default font's face cannot be
// found, every font stays and the answer is false. Call it before the first
// text, once; whenCurrent is called as soon as the configuration is current,
// before the fonts left out are released.
bool useOnly(const std::vector<QStringList>& choices, const std::function<void()>& whenCurrent);

// Whether the current configuration holds a font of the family.
bool holds(const QString& family);

// Adds to the current configuration the system's fonts of the family where it
// holds none: the face a desktop's theme names for Qt's texts (GNOME's
// Cantarell, say), which need not be fontconfig's sans-serif. After useOnly,
// before the first text.
void keepFamily(const QString& family);

} // namespace font_config
