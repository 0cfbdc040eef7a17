#include "ui/platform/font_config.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

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

// Keeps the fonts of the families in the set and releases the others. The set
// is the configuration's own: fontconfig has no call that replaces it, and its
// structure is public (Qt adds its application fonts to a set likewise).
void keepOnly(FcFontSet& fonts, const Families& families) {
    int kept = 0;
    for (int i = 0; i < fonts.nfont; ++i) {
        if (namesOf(fonts.fonts[i], families).empty())
            FcPatternDestroy(fonts.fonts[i]);
        else
            fonts.fonts[kept++] = fonts.fonts[i];
    }
    fonts.nfont = kept;
}

} // namespace

bool useOnly(const std::vector<QStringList>& choices) {
    // The system's configuration as fontconfig loads it for Qt, from the caches.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config)
        return false;
    FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem);
    const Families families = fonts ? chosen(config, *fonts, choices) : Families{};
    if (!families.empty())
        keepOnly(*fonts, families);
    // The current configuration keeps a reference of its own; failing that,
    // Qt loads the system's as it always did.
    FcConfigSetCurrent(config);
    FcConfigDestroy(config);
    return !families.empty();
}

} // namespace font_config
