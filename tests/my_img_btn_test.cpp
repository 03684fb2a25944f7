// SPDX-License-Identifier: MIT
#include "MyImgBtn.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Each face has its own colour, so the face on screen can be read back by name.
const std::pair<char, QColor> kFaces[] = {
    {'P', Qt::red}, {'U', Qt::green}, {'D', Qt::blue}, {'X', Qt::gray}, {'N', Qt::magenta}};

QPixmap Face(char name)
{
    QPixmap pix(25, 31);
    for (const auto& [n, colour] : kFaces)
        if (n == name)
            pix.fill(colour);
    return pix;
}

char Shown(const TImgBtn& btn)
{
    const QPixmap pic = btn.Picture();
    if (pic.isNull())
        return '-';
    const QColor c = pic.toImage().pixelColor(0, 0);
    for (const auto& [n, colour] : kFaces)
        if (colour == c)
            return n;
    return '?';
}

enum class Step { Enter, Leave, Press, Release, ReleaseOutside, MoveOut, MoveIn, RightPress, Disable, Enable, WritePic };

struct SequenceCase {
    std::string name;
    bool supported = true;
    bool withPicDisable = true;
    bool clickReplacesUp = false;
    std::vector<Step> steps;
    std::string faces;   // the face after each step: P, U, D, X, N, or - for nothing
    std::string events;  // the events raised, in order
    bool hoverAfter = false;
};

std::vector<SequenceCase> Sequences()
{
    using S = Step;
    return {
        {"HoverPressRelease", true, true, false, {S::Enter, S::Press, S::Release, S::Leave}, "UDUP",
         "enter down click up leave", false},
        {"PressOutInRelease", true, true, false, {S::Enter, S::Press, S::MoveOut, S::MoveIn, S::Release}, "UDPDU",
         "enter down leave enter click up", true},
        {"PressOutReleaseOutside", true, true, false,
         {S::Enter, S::Press, S::MoveOut, S::ReleaseOutside, S::Leave}, "UDPPP", "enter down leave up", false},
        {"ReleaseOutsideThenBackIn", true, true, false,
         {S::Enter, S::Press, S::MoveOut, S::ReleaseOutside, S::Enter, S::Leave}, "UDPPUP",
         "enter down leave up enter leave", false},
        {"PressWithoutHover", true, true, false, {S::Press, S::Release}, "PP", "down click up", false},
        {"UnsupportedIgnoresPointer", false, true, false, {S::Enter, S::Press, S::MoveOut, S::MoveIn, S::Release, S::Leave},
         "PPPPPP", "click", false},
        {"UnsupportedStillShowsWrites", false, true, false, {S::Disable, S::Enable, S::WritePic}, "XUN", "", false},
        {"DisabledKeepsDisabledFace", true, true, false, {S::Disable, S::Enter, S::Press, S::Release, S::Leave}, "XXXXX",
         "", false},
        {"EnableShowsHoverFace", true, true, false, {S::Disable, S::Enable, S::Leave}, "XUP", "leave", false},
        {"DisableWithoutPictureIsBlank", true, false, false, {S::Disable, S::Enter}, "--", "", false},
        {"WritePicWhileHovered", true, true, false, {S::Enter, S::WritePic, S::Press, S::Release}, "UNDU",
         "enter down click up", true},
        {"ClickHandlerReplacesHoverFace", true, true, true, {S::Enter, S::Press, S::Release}, "UDN",
         "enter down click up", true},
        {"RightButtonDoesNothing", true, true, false, {S::Enter, S::RightPress}, "UU", "enter", true},
    };
}

class ImgBtnSequence : public ::testing::TestWithParam<SequenceCase> {};

void PrintTo(const SequenceCase& c, std::ostream* os)
{
    *os << c.name;
}

void Send(TImgBtn& btn, Step step)
{
    const QPoint inside(5, 5), outside(60, 5);
    const auto mouse = [&](QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, pos, btn.mapToGlobal(pos), button, held, Qt::NoModifier);
        QApplication::sendEvent(&btn, &e);
    };
    switch (step) {
    case Step::Enter: {
        QEnterEvent e(inside, inside, btn.mapToGlobal(inside));
        QApplication::sendEvent(&btn, &e);
        break;
    }
    case Step::Leave: {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(&btn, &e);
        break;
    }
    case Step::Press: mouse(QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton); break;
    case Step::Release: mouse(QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton); break;
    case Step::ReleaseOutside: mouse(QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton); break;
    case Step::MoveOut: mouse(QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton); break;
    case Step::MoveIn: mouse(QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton); break;
    case Step::RightPress: mouse(QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton); break;
    case Step::Disable: btn.SetEnabled(false); break;
    case Step::Enable: btn.SetEnabled(true); break;
    case Step::WritePic: btn.SetPic(Face('N')); break;
    }
}

TEST_P(ImgBtnSequence, FacesAndEventsFollowThePointer)
{
    const SequenceCase& c = GetParam();
    TImgBtn btn;
    btn.resize(25, 31);
    btn.SetPicUp(Face('U'));
    btn.SetPicDown(Face('D'));
    if (c.withPicDisable)
        btn.SetPicDisable(Face('X'));
    btn.SetPic(Face('P'));
    btn.SetSupported(c.supported);

    std::string events;
    const auto log = [&events](const char* name) {
        return [&events, name](TWMMouse&) { events += events.empty() ? name : std::string(" ") + name; };
    };
    btn.SetOnMouseEnter(log("enter"));
    btn.SetOnMouseLeave(log("leave"));
    btn.SetOnMouseDown(log("down"));
    btn.SetOnMouseUp(log("up"));
    QObject::connect(&btn, &TImgBtn::OnClick, [&] {
        events += events.empty() ? "click" : " click";
        if (c.clickReplacesUp)
            btn.SetPicUp(Face('N'));
    });

    std::string faces;
    for (Step step : c.steps) {
        Send(btn, step);
        faces += Shown(btn);
    }
    EXPECT_EQ(faces, c.faces);
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(btn.Hover(), c.hoverAfter);
    EXPECT_FALSE(btn.Pressed());
}

INSTANTIATE_TEST_SUITE_P(TImgBtn, ImgBtnSequence, ::testing::ValuesIn(Sequences()),
                         [](const auto& info) { return info.param.name; });

TEST(ImgBtn, StartsBlankEnabledSupportedAndIdle)
{
    TImgBtn btn;
    EXPECT_TRUE(btn.Picture().isNull());
    EXPECT_TRUE(btn.Enabled());
    EXPECT_TRUE(btn.Supported());
    EXPECT_FALSE(btn.Hover());
    EXPECT_FALSE(btn.Pressed());
    btn.SetPicUp(Face('U'));
    btn.SetPicDown(Face('D'));
    EXPECT_TRUE(btn.Picture().isNull()) << "storing the hover and pressed faces shows nothing";
}

TEST(ImgBtn, EventsCarryKindButtonsModifiersAndPosition)
{
    TImgBtn btn;
    btn.resize(25, 31);
    std::vector<TWMMouse> seen;
    const auto keep = [&seen](TWMMouse& m) { seen.push_back(m); };
    btn.SetOnMouseEnter(keep);
    btn.SetOnMouseDown(keep);
    btn.SetOnMouseUp(keep);

    QEnterEvent enter(QPointF(3, 4), QPointF(3, 4), QPointF(103, 104));
    QApplication::sendEvent(&btn, &enter);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(7, 9), QPointF(107, 109), Qt::LeftButton, Qt::LeftButton,
                      Qt::ShiftModifier);
    QApplication::sendEvent(&btn, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(8, 10), QPointF(108, 110), Qt::LeftButton, Qt::NoButton,
                        Qt::ControlModifier);
    QApplication::sendEvent(&btn, &release);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].Msg, TWMMouse::Kind::Enter);
    EXPECT_EQ(seen[0].Pos, QPoint(3, 4));
    EXPECT_EQ(seen[1].Msg, TWMMouse::Kind::LButtonDown);
    EXPECT_EQ(seen[1].Pos, QPoint(7, 9));
    EXPECT_EQ(seen[1].Buttons, Qt::LeftButton);
    EXPECT_EQ(seen[1].Keys, Qt::ShiftModifier);
    EXPECT_EQ(seen[2].Msg, TWMMouse::Kind::LButtonUp);
    EXPECT_EQ(seen[2].Pos, QPoint(8, 10));
    EXPECT_EQ(seen[2].Keys, Qt::ControlModifier);
}

// Through the real event path of a shown window: Qt's implicit grab brings the release back to the
// button and holds back the leave until after it.
TEST(ImgBtn, WindowDeliveryPressDragOutAndBack)
{
    QWidget window;
    window.resize(120, 60);
    auto* btn = new TImgBtn(&window);
    btn->setGeometry(10, 10, 25, 31);
    btn->SetPicUp(Face('U'));
    btn->SetPicDown(Face('D'));
    btn->SetPic(Face('P'));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(btn, &TImgBtn::OnClick);

    QWindow* win = window.windowHandle();
    const QPoint inBtn(20, 20), outside(90, 20);
    QTest::mouseMove(win, QPoint(100, 50));
    QTest::mouseMove(win, inBtn);
    EXPECT_EQ(Shown(*btn), 'U');
    QTest::mousePress(win, Qt::LeftButton, {}, inBtn);
    EXPECT_EQ(Shown(*btn), 'D');
    QTest::mouseMove(win, outside);
    EXPECT_EQ(Shown(*btn), 'P');
    QTest::mouseMove(win, inBtn);
    EXPECT_EQ(Shown(*btn), 'D');
    QTest::mouseRelease(win, Qt::LeftButton, {}, inBtn);
    EXPECT_EQ(Shown(*btn), 'U');
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(win, Qt::LeftButton, {}, inBtn);
    QTest::mouseMove(win, outside);
    QTest::mouseRelease(win, Qt::LeftButton, {}, outside);
    EXPECT_EQ(Shown(*btn), 'P');
    EXPECT_FALSE(btn->Pressed());
    EXPECT_FALSE(btn->Hover());
    EXPECT_EQ(clicks.count(), 1) << "a release outside is no click";
}

} // namespace
