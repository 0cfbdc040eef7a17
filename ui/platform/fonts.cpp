#include "ui/platform/fonts.h"

#include "calc/result_line.h"
#include "ui/platform/font_config.h"
#include "ui/platform/font_fit.h"
#include "ui/platform/language.h"
#include "ui/widgets/layout.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <future>
#include <map>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fonts {
namespace {

std::jthread& preparation() {
    static std::jthread thread;
    return thread;
}

// Ready once fontconfig's configuration for the window is current.
std::future<void>& configured() {
    static std::future<void> ready;
    return ready;
}

// Font sizes are given in points at 96 dots per inch; set as pixels they stay
// the same size whatever the screen's dpi.
constexpr int pointsToPixels(double points) {
    return static_cast<int>(points * 96 / 72 + 0.5);
}

// A font may shrink to three quarters of its size before the next family is
// tried: below that a caption reads as a different part of the design.
constexpr double smallestShare = 0.75;
constexpr int smallestLegible = 6;

const layout::Control& controlOf(std::string_view name, int index = -1) {
    for (const layout::Control& c : layout::controls())
        if (c.name == name && c.index == index)
            return c;
    throw std::logic_error("no such control in the layout");
}

QRect rectOf(int zoom, std::string_view name, int index = -1) {
    return QRect(QPoint(0, 0), layout::pixelRect(controlOf(name, index), zoom).size());
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The captions of the keys whose face is a caption, not a drawn symbol.
QStringList textKeyCaptions() {
    QStringList captions;
    for (const layout::Control& c : layout::controls())
        if (c.kind == layout::Kind::TextKey)
            captions.append(fromUtf8(c.caption));
    return captions;
}

QStringList widestResultLines() {
    QStringList lines;
    for (const std::string& line : result_line::widestLines())
        lines.append(fromUtf8(line));
    return lines;
}

// A label draws its caption anywhere in its rectangle.
std::vector<font_fit::Box> labelBoxes(int zoom, std::string_view name, int index = -1) {
    const QRect whole = rectOf(zoom, name, index);
    return {{whole, whole}};
}

// A key, as KeyButton draws it, centres its caption a pixel inside its edge,
// a pixel further down and right while held down (and for the engraving of a
// disabled caption), and has the face inside its two-pixel bevel for it; each
// of those pixels is zoom / 100 pixels at a zoom of 200 % or more.
std::vector<font_fit::Box> keyBoxes(int zoom, Key key) {
    const int w = std::max(1, zoom / 100);
    const QRect whole = rectOf(zoom, "key", static_cast<int>(key));
    const QRect caption = whole.adjusted(w, w, -w, -w);
    const QRect face = whole.adjusted(2 * w, 2 * w, -2 * w, -2 * w);
    return {{caption, face}, {caption.translated(w, w), face}};
}

struct Text {
    int zoom;
    const QStringList& families;
    QFont::StyleHint hint;
    double points;
    bool bold;
    std::vector<font_fit::Box> boxes;
    Qt::Alignment alignment;
    QStringList captions;
};

QFont fitted(const Text& text) {
    QFont font;
    font.setStyleHint(text.hint);
    font.setPixelSize(pointsToPixels(text.points * text.zoom / 100));
    font.setBold(text.bold);
    const QStringList found = installed(text.families);
    const int smallest = static_cast<int>(font.pixelSize() * smallestShare + 0.5);
    const int legible = smallestLegible * text.zoom / 100;
    for (const QString& family : found) {
        font.setFamilies({family});
        if (auto fits =
                font_fit::shrunkToFit(font, text.boxes, text.alignment, text.captions, smallest))
            return *fits;
    }
    // No family fits at a size that keeps the design: the first one, as small
    // as it must be, rather than a cut caption.
    font.setFamilies(found.isEmpty() ? text.families : QStringList{found.first()});
    if (auto fits = font_fit::shrunkToFit(font, text.boxes, text.alignment, text.captions, legible))
        return *fits;
    return font;
}

// Each text's font once per zoom: measuring draws its captions.
template <typename Make> QFont once(int zoom, Make make) {
    static std::map<int, QFont> fonts;
    auto found = fonts.find(zoom);
    if (found == fonts.end())
        found = fonts.emplace(zoom, make()).first;
    return found->second;
}

} // namespace

void prepare() {
    std::vector<QStringList> choices{songFamilies(), heiFamilies()};
    if (const QStringList tips = language::tipFamilies(); !tips.isEmpty())
        choices.push_back(tips);
    std::promise<void> current;
    configured() = current.get_future();
    preparation() = std::jthread([choices, current = std::move(current)]() mutable {
        font_config::useOnly(choices, [&current] { current.set_value(); });
    });
}

void keepDesktopFont() {
    if (configured().valid())
        configured().wait();
    // Without a theme of its own Qt asks fontconfig for "Sans Serif", which
    // the configuration made by prepare() holds.
    const QString family = QGuiApplication::font().family();
    if (family.compare(QStringLiteral("Sans Serif"), Qt::CaseInsensitive) != 0)
        font_config::keepFamily(family);
}

QStringList installed(const QStringList& families) {
    if (configured().valid())
        configured().wait();
    QStringList found;
    // hasFamily() knows a family by any of its names: under a Chinese locale
    // the database lists "WenQuanYi Micro Hei" as "文泉驿微米黑".
    for (const QString& family : families)
        if (QFontDatabase::hasFamily(family))
            found.append(family);
    return found;
}

const QStringList& songFamilies() {
    // AR PL SungtiL GB is a GB2312 Song like 宋体, with its half-width Latin
    // letters: "Tallwood" takes the title's 64 pixels exactly.
    static const QStringList families{
        QStringLiteral(u"\u5B8B\u4F53"),     QStringLiteral("SimSun"),
        QStringLiteral("AR PL SungtiL GB"),  QStringLiteral("AR PL UMing CN"),
        QStringLiteral("Noto Serif CJK SC"), QStringLiteral("DejaVu Serif")};
    return families;
}

const QStringList& heiFamilies() {
    static const QStringList families{QStringLiteral(u"\u9ED1\u4F53"), QStringLiteral("SimHei"),
                                      QStringLiteral("WenQuanYi Micro Hei"),
                                      QStringLiteral("Noto Sans CJK SC"),
                                      QStringLiteral("DejaVu Sans")};
    return families;
}

QFont title(int zoom) {
    return once(zoom, [zoom] {
        return fitted({zoom,
                       songFamilies(),
                       QFont::Serif,
                       12,
                       false,
                       labelBoxes(zoom, "title"),
                       Qt::AlignLeft | Qt::AlignVCenter,
                       {fromUtf8(controlOf("title").caption)}});
    });
}

QFont resultLine(int zoom) {
    // Measured in the widest lines it shows.
    return once(zoom, [zoom] {
        return fitted({zoom, songFamilies(), QFont::Serif, 12, true, labelBoxes(zoom, "resultLine"),
                       Qt::AlignLeft | Qt::AlignVCenter, widestResultLines()});
    });
}

QFont rodLabel(int zoom) {
    // Measured in the narrowest label, rod 9's.
    return once(zoom, [zoom] {
        return fitted({zoom, heiFamilies(), QFont::SansSerif, 12, true,
                       labelBoxes(zoom, "rodLabel", 9), Qt::AlignCenter,
                       QStringLiteral("0 1 2 3 4 5 6 7 8 9").split(QLatin1Char(' '))});
    });
}

QFont textKey(int zoom) {
    return once(zoom, [zoom] {
        return fitted({zoom, heiFamilies(), QFont::SansSerif, 7.5, false,
                       keyBoxes(zoom, Key::Convert), Qt::AlignCenter, textKeyCaptions()});
    });
}

} // namespace fonts
