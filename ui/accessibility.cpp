#include "ui/accessibility.h"

#include "ui/layout.h"
#include "ui/widgets.h"

#include <QAccessibleWidget>

namespace accessibility {
namespace {

// A picture that answers a click: read as a button with a press action, which
// clicks it as the mouse does, so a disabled cell ignores it.
class PictureButton : public QAccessibleWidget {
public:
    explicit PictureButton(Picture* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<Picture*>(widget())->click();
    }
};

QAccessibleInterface* pictureButtons(const QString&, QObject* object) {
    // The hidden image sources take no clicks and stay plain widgets.
    auto* picture = dynamic_cast<Picture*>(object);
    if (picture && (picture->onPress || picture->onClick))
        return new PictureButton(picture);
    return nullptr;
}

QString keyName(std::string_view caption) {
    if (caption == "*")
        return QStringLiteral("Multiply");
    if (caption == "/")
        return QStringLiteral("Divide");
    if (caption == "=")
        return QStringLiteral("Equals");
    if (caption == "C")
        return QStringLiteral("Clear");
    if (caption == "H-D")
        return QStringLiteral("Convert between hexadecimal and decimal");
    if (caption == "Hex")
        return QStringLiteral("Hexadecimal mode");
    // "H.+" and "H.-" stand on the window but are never enabled.
    return QString::fromUtf8(caption.data(), qsizetype(caption.size())) +
           QStringLiteral(", not in use");
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(pictureButtons);
        return true;
    }();
    (void)installed;
}

void describe(QWidget* widget, const layout::Control& c) {
    using layout::Kind;
    switch (c.kind) {
    case Kind::PictureKey:
    case Kind::TextKey:
        widget->setAccessibleName(keyName(c.caption));
        break;
    case Kind::Bar:
        widget->setAccessibleName(c.index == 0 ? QStringLiteral("Bottom bar")
                                               : QStringLiteral("Top bar"));
        widget->setAccessibleDescription(QStringLiteral("Shows the rod labels"));
        break;
    case Kind::UpperCell:
    case Kind::LowerCell:
        widget->setAccessibleName(
            QStringLiteral("Rod %1, %2 deck, cell %3")
                .arg(c.rod)
                .arg(c.kind == Kind::UpperCell ? QStringLiteral("upper") : QStringLiteral("lower"))
                .arg(c.index));
        break;
    case Kind::Beam:
        widget->setAccessibleName(QStringLiteral("Beam"));
        widget->setAccessibleDescription(QStringLiteral("Sets every rod to 0"));
        break;
    case Kind::Radio:
        widget->setAccessibleName(QStringLiteral("Decimal point after rod %1").arg(c.rod));
        break;
    case Kind::RodLabel:
        // The name stays empty: a label is read as its text.
        widget->setAccessibleDescription(QStringLiteral("Result digit of rod %1").arg(c.rod));
        break;
    case Kind::ResultLine:
        widget->setAccessibleDescription(QStringLiteral("Result"));
        break;
    case Kind::Title:
    case Kind::ImageSource:
        break;
    }
}

void describeCell(QWidget* cell, int rod, Image image, int rodValue) {
    const QString shows = image == Image::Gap    ? QStringLiteral("Bare rod")
                          : image == Image::Bead ? QStringLiteral("Bead")
                                                 : QStringLiteral("Bead for values above 9");
    cell->setAccessibleDescription(
        QStringLiteral("%1; rod %2 holds %3").arg(shows).arg(rod).arg(rodValue));
}

} // namespace accessibility
