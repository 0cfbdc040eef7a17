#include "tests/widget/window_fixture.h"
#include "ui/widgets/images.h"

#include <functional>
#include <tuple>

namespace {

// Each click runs its control's handler: a twin window, its form's handlers
// run directly, looks the same after each.
TEST_F(WindowTest, ClicksReachTheirHandlers) {
    Window twin;
    const Qt::MouseButton left = Qt::LeftButton;
    const std::tuple<QPoint, Qt::MouseButton, std::function<void(Form2&)>> clicks[] = {
        {centre(lower(3), 2), left, [](Form2& f) { f.LowerDeck_MouseDown(3, 2, 1); }},
        {centre(lower(6), 4), Qt::RightButton, [](Form2& f) { f.LowerDeck_MouseDown(6, 4, 2); }},
        {centre(lower(5), 1), Qt::MiddleButton, [](Form2& f) { f.LowerDeck_MouseDown(5, 1, 4); }},
        // A radio button's corner is the button's; between two lies the beam.
        {rectOf("Option1", 4).topLeft(), left, [](Form2& f) { f.userClicksOption(4); }},
        {rectOf("Option1", 3).topRight() + QPoint(2, 0), left, [](Form2& f) { f.Frame1_Click(); }},
        {centre(lower(0), 3), left, [](Form2& f) { f.LowerDeck_MouseDown(0, 3, 1); }},
        {centre("Command1", 0), left, [](Form2& f) { f.Command1_Click(0); }},
        {centre(upper(1), 0), left, [](Form2& f) { f.UpperDeck_MouseDown(1, 0, 1); }},
        {centre("Command3"), left, [](Form2& f) { f.Command3_Click(); }},
        {centre("Command1", 1), left, [](Form2& f) { f.Command1_Click(1); }},
        {centre(lower(2), 1), left, [](Form2& f) { f.LowerDeck_MouseDown(2, 1, 1); }},
        {centre("Picture22", 0), Qt::RightButton, [](Form2&) {}}, // a press, not a click
        {centre("Picture22", 0), left, [](Form2& f) { f.Picture22_Click(0); }},
        {centre("Lab1", 4), left, [](Form2& f) { f.Lab1_Click(4); }},
        {centre("Command4"), left, [](Form2& f) { f.Command4_Click(); }},
        {centre("Command5"), left, [](Form2& f) { f.Command5_Click(); }},
        {centre("Command6"), left, [](Form2& f) { f.Command6_Click(); }},
    };
    for (const auto& [where, button, handler] : clicks) {
        QTest::mouseClick(window.windowHandle(), button, {}, where);
        handler(twin.form());
        twin.sync();
        ASSERT_EQ(shown(&window), shown(&twin)) << &where - &std::get<0>(clicks[0]);
    }
}

TEST_F(WindowTest, ADisabledCellTakesNoPressAndLooksLikeAnEnabledOne) {
    click("Command6"); // "Hex" opens the top cells of rods 0 to 7 alone
    ASSERT_FALSE(at(upper(8), 1)->isEnabled());
    for (int rod : {7, 8})
        EXPECT_EQ(shown(at(upper(rod), 1)), images::cell(Image::ExtraBead)) << rod;

    Spy mouse({QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick});
    const QImage before = shown(&window);
    for (auto button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        click(upper(8), 1, button);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, rectOf(upper(8), 1).center());
    EXPECT_EQ(shown(&window), before);
    EXPECT_EQ(mouse.got.count(&window) + mouse.got.count(at("Frame1")), 0u);
}

TEST_F(WindowTest, APressRepaintsOnlyTheCellsItChanges) {
    repaint();
    Spy paints({QEvent::Paint});
    click(lower(3), 3); // the gap moves from cell 0 to cell 3
    repaint();
    EXPECT_EQ(paints.got, (std::multiset<QObject*>{at(lower(3), 0), at(lower(3), 3)}));
    EXPECT_EQ(shown(at(lower(3), 3)), images::cell(Image::Gap));
    paints.got.clear();
    click(lower(3), 3); // the gap is there already
    repaint();
    EXPECT_TRUE(paints.got.empty());
    click("Command6"); // "Hex" opens the top cells but changes no picture
    repaint();
    EXPECT_EQ(paints.got.count(at(upper(0), 1)), 0u);
}

TEST_F(WindowTest, HighDensityScreensGetTheImagesPixelsDoubled) {
    const QImage plain = shown(&window);
    const QImage twice = shown(&window, 2);
    for (const QRect& r : {rectOf("Picture22", 1).united(rectOf(upper(0), 0)),
                           rectOf(lower(9), 0).united(rectOf("Picture22", 0)),
                           rectOf("Command1", 0).united(rectOf("Command4"))})
        EXPECT_EQ(
            twice.copy(QRect(r.topLeft() * 2, r.size() * 2)),
            plain.copy(r).scaled(r.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace
