#include "ui/platform/font_config.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace font_config {
namespace {

// Family names as Qt compares them: case aside.
struct FamilyOrder {
    bool operator()(const std::string& a, const std::string& b) const {
        return FcStrCmpIgnoreCase(reinterpret_cast<const FcChar8*>(a.c_str()),
                                  reinterpret_cast<const FcChar8*>(b.c_str())) < 0;
    }
};
using Families = std::set<std::string, FamilyOrder>;

struct PatternDestroy {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDestroy>;

// The family of the face that Qt's default font, "Sans Serif", stands for in
// the user's language: the first of the fonts Qt sorts for it.
std::string desktopSans(FcConfig* config) {
    Pattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>("Sans Serif")));
    if (!pattern || !FcConfigSubstitute(config, pattern.get(), FcMatchPattern))
        return {};
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(config, pattern.get(), &result));
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch)
        return {};
    return reinterpret_cast<const char*>(family);
}

// Those of the families that a font bears among its names; Qt's database knows
// a family by any of them (under a Chinese locale some faces are listed by
// their Chinese name alone).
Families namesOf(FcPattern* font, const Families& families) {
    Families names;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (auto found = families.find(reinterpret_cast<const char*>(name));
            found != families.end())
            names.insert(*found);
    return names;
}

// Those of the wanted families that some font of the set bears.
Families installed(const FcFontSet& fonts, const Families& wanted) {
    Families found;
    for (int i = 0; i < fonts.nfont; ++i)
        found.merge(namesOf(fonts.fonts[i], wanted));
    return found;
}

// The families to keep: the installed ones of every list and the desktop's
// sans-serif; none where a list has none installed.
Families chosen(FcConfig* config, const FcFontSet& fonts, const std::vector<QStringList>& choices) {
    const std::string sans = desktopSans(config);
    if (sans.empty())
        return {};
    Families wanted{sans};
    for (const QStringList& choice : choices)
        for (const QString& family : choice)
            wanted.insert(family.toStdString());
    const Families found = installed(fonts, wanted);
    for (const QStringList& choice : choices) {
        const auto isFound = [&](const QString& family) {
            return found.contains(family.toStdString());
        };
        if (std::none_of(choice.begin(), choice.end(), isFound))
            return {};
    }
    return found;
}

// A font's pattern in the program's own memory. A pattern read from a cache
// keeps the cache's file mapped, and after the choice has read through a
// folder's thousand fonts that is megabytes resident for a few fonts. A copied
// pattern still shares its character set with the cache, so that is copied
// too.
FcPattern* ownCopy(FcPattern* font) {
    FcPattern* copy = FcPatternDuplicate(font);
    FcCharSet* shared = nullptr;
    if (!copy || FcPatternGetCharSet(font, FC_CHARSET, 0, &shared) != FcResultMatch)
        return copy;
    FcCharSet* none = FcCharSetCreate();
    FcCharSet* own = FcCharSetUnion(shared, none);
    FcPatternDel(copy, FC_CHARSET);
    if (!own || !FcPatternAddCharSet(copy, FC_CHARSET, own)) {
        FcPatternDestroy(copy);
        copy = nullptr;
    }
    if (own)
        FcCharSetDestroy(own);
    FcCharSetDestroy(none);
    return copy;
}

// Keeps own copies of the fonts of the families in the set, and gives back
// every font the set held, to release. The set is the configuration's own:
// fontconfig has no call that replaces it, and its structure is public (Qt
// adds its application fonts to a set likewise).
std::vector<FcPattern*> keepOnly(FcFontSet& fonts, const Families& families) {
    std::vector<FcPattern*> held(fonts.fonts, fonts.fonts + fonts.nfont);
    int kept = 0;
    for (FcPattern* font : held)
        if (!namesOf(font, families).empty())
            if (FcPattern* copy = ownCopy(font))
                fonts.fonts[kept++] = copy;
    fonts.nfont = kept;
    return held;
}

// The fonts of a family that a configuration holds, with the properties asked.
FcFontSet* fontsOf(FcConfig* config, const QString& family, const char* property) {
    const Pattern pattern(FcPatternCreate());
    FcObjectSet* properties = FcObjectSetBuild(property, nullptr);
    FcFontSet* found = nullptr;
    if (pattern && properties &&
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(family.toUtf8().constData())))
        found = FcFontList(config, pattern.get(), properties);
    if (properties)
        FcObjectSetDestroy(properties);
    return found;
}

} // namespace

bool holds(const QString& family) {
    FcFontSet* found = fontsOf(nullptr, family, FC_FAMILY);
    const bool any = found && found->nfont > 0;
    if (found)
        FcFontSetDestroy(found);
    return any;
}

void keepFamily(const QString& family) {
    if (holds(family))
        return;
    FcConfig* system = FcInitLoadConfigAndFonts();
    FcFontSet* found = system ? fontsOf(system, family, FC_FILE) : nullptr;
    for (int i = 0; found && i < found->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(found->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
            FcConfigAppFontAddFile(nullptr, file);
    }
    if (found)
        FcFontSetDestroy(found);
    if (system)
        FcConfigDestroy(system);
}

bool useOnly(const std::vector<QStringList>& choices, const std::function<void()>& whenCurrent) {
    // The system's configuration as fontconfig loads it for Qt, from the caches.
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcFontSet* fonts = config ? FcConfigGetFonts(config, FcSetSystem) : nullptr;
    const Families families = fonts ? chosen(config, *fonts, choices) : Families{};
    const std::vector<FcPattern*> released =
        families.empty() ? std::vector<FcPattern*>{} : keepOnly(*fonts, families);
    // The current configuration keeps a reference of its own; failing that,
    // Qt loads the system's as it always did.
    if (config) {
        FcConfigSetCurrent(config);
        FcConfigDestroy(config);
    }
    whenCurrent();
    // Once no font of a cache is held, fontconfig unmaps it: while Qt starts.
    for (FcPattern* font : released)
        FcPatternDestroy(font);
    return !families.empty();
}

} // namespace font_config
