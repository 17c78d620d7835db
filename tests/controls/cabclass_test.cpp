// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabclass.h"

#include "controls/buttonimagecache.h"
#include "controls/cabartwork.gen.h"
#include "controls/cabkinds.h"
#include "controls/controltestwindow.h"
#include "framework/core/digest.h"
#include "framework/core/folderitem.h"
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

using controls::CABClass;
using controls::cabkinds::Flag;
using controltest::ControlTest;
using controltest::ControlWindow;
using controltest::OnScreen;
namespace fs = std::filesystem;
using Files = std::set<std::string>;
using Setter = std::function<void(CABClass&)>;

// What a holder's Open handler does: set these flags.
Setter With(std::initializer_list<Flag> flags)
{
    return [set = std::vector<Flag>(flags)](CABClass& b) {
        for (Flag f : set)
            b.SetFlag(f, true);
    };
}

// A button whose Open handler runs open.
CABClass* AddButton(ControlWindow& w, const std::string& name, int left, int top, int width, int height,
                    Setter open = {})
{
    CABClass* button = w.Add<CABClass>(name, left, top, width, height);
    if (open)
        button->Open.Bind([button, open] { open(*button); });
    return button;
}

// Points where the button's shape is wholly opaque.
std::vector<QPoint> Inside(const CABClass& button)
{
    std::vector<QPoint> points;
    const QImage& mask = button.ButtonMask()->Image();
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if ((mask.pixel(x, y) & 0xFFFFFFu) == 0)
                points.emplace_back(x, y);
    return points;
}

// How many inside pixels of the screen match the picture exactly.
int Matching(const QImage& screen, const fw::PicturePtr& picture, const std::vector<QPoint>& points)
{
    int same = 0;
    for (const QPoint& p : points)
        same += (screen.pixel(p) & 0xFFFFFFu) == (picture->Image().pixel(p) & 0xFFFFFFu);
    return same;
}

struct Offsets {
    int red, green, blue;
};

// A symbol button's state as described, pixel by pixel: face and symbol
// recoloured, the symbol's white left out where it is set in, scaled.
QImage Composed(const CABClass& b, Offsets face, Offsets symbol)
{
    const auto copy = [](const fw::Picture& p, Offsets o) {
        fw::PicturePtr c = fw::Picture::New(p.Width(), p.Height());
        c->Graphics().DrawPicture(p, 0, 0);
        using controls::cabkinds::ShiftedChannel;
        const auto r = ShiftedChannel(o.red), g = ShiftedChannel(o.green), bl = ShiftedChannel(o.blue);
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) {
                const fw::Color px = c->RGBSurface().Pixel(x, y);
                c->RGBSurface().SetPixel(x, y, {r[px.Red], g[px.Green], bl[px.Blue]});
            }
        return c;
    };
    fw::PicturePtr f = copy(*b.MasterButton(), face), s = copy(*b.MasterSymbol(), symbol);
    s->SetTransparent(1);
    const auto at = controls::cabkinds::SymbolOrigin(f->Width(), f->Height(), s->Width(), s->Height(), b.AppleButton());
    f->Graphics().DrawPicture(*s, at.x, at.y);
    fw::PicturePtr target = fw::Picture::New(b.ButtonWidth(), b.ButtonHeight());
    target->Graphics().DrawPicture(*f, 0, 0, b.ButtonWidth(), b.ButtonHeight(), 0, 0, f->Width(), f->Height());
    return target->Image();
}

// Refuses every picture while told to, as a platform out of memory would.
class RefusingButton : public CABClass {
public:
    using CABClass::CABClass;
    bool refuse = true;

protected:
    fw::PicturePtr NewPicture(std::int32_t w, std::int32_t h) const override
    {
        return refuse ? nullptr : CABClass::NewPicture(w, h);
    }
};

class CABClassTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const fw::FolderItemPtr item = controls::ButtonImageCache::Folder();
        ASSERT_NE(item, nullptr);
        folder = item->Path();
        ASSERT_TRUE(InFolder().empty()) << "files left by an earlier test";
    }

    // A window of one button.
    CABClass* MakeButton(Setter open, int width = 20, int height = 20)
    {
        CABClass* button = nullptr;
        MakeWindow([&](ControlWindow& w) { button = AddButton(w, "b", 10, 10, width, height, open); });
        return button;
    }

    Files InFolder() const
    {
        Files names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string Content(const std::string& name) const { return *fw::FolderItem(folder / name).ReadAll(); }

    fs::path folder;
};

// The calendar's back button: the pressed picture shows while it is held;
// clicks outside its round shape, or on it disabled, are not taken.
TEST_F(CABClassTest, PressShowsThePressedPictureAndOnlyTheShapeTakesClicks)
{
    CABClass* button = nullptr;
    std::vector<std::string> log;
    MakeWindow([&](ControlWindow& w) {
        button = AddButton(w, "mesanterior", 40, 30, 20, 20, With({Flag::BackButton}));
        button->MouseDown.Bind([&](int x, int y) {
            log.push_back(std::to_string(x) + "," + std::to_string(y));
        });
        button->MouseUp.Bind([&](int, int) { log.push_back("up"); });
    });
    const std::vector<QPoint> inside = Inside(*button);
    ASSERT_GT(inside.size(), 200u);
    const auto shows = [&](const fw::PicturePtr& picture) {
        return Matching(OnScreen(button), picture, inside) == int(inside.size());
    };
    // The pictures differ inside the shape, so the comparisons below tell them apart.
    ASSERT_LT(Matching(button->PlainButtonPic()->Image().convertToFormat(QImage::Format_RGB32),
                       button->PressButtonPic(), inside),
              int(inside.size()) / 4);
    // Corners, in the window (not the widget's own 0,0: QTest reads that as "the centre").
    for (const auto& [x, y] : {std::pair{41, 31}, {59, 49}, {59, 30}}) {
        testenv::clickAt(&button->ParentWindow(), x, y);
        testenv::runFor(10);
    }
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(shows(button->PlainButtonPic()));
    testenv::press(button);
    testenv::runFor(10);
    EXPECT_TRUE(shows(button->PressButtonPic()));
    testenv::release(button);
    testenv::runFor(30);
    EXPECT_TRUE(shows(button->PlainButtonPic()));
    button->SetEnabled(false);
    testenv::click(button);
    testenv::runFor(10);
    EXPECT_EQ(log, (std::vector<std::string>{"10,10", "up"}));
}

TEST_F(CABClassTest, FilesAreSharedAndGoWithTheirLastButton)
{
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    CABClass* first = MakeButton(With({Flag::BackButton}));
    EXPECT_EQ(InFolder(), (Files{"Normal.round", "Masked.round", "Symbol.back"}));
    EXPECT_EQ(Content("Normal.round"), fw::DecodeBase64(controls::cabart::kRoundFace));

    ControlWindow* second = MakeWindow([&](ControlWindow& w) {
        AddButton(w, "back", 10, 10, 20, 20, With({Flag::BackButton}));
        AddButton(w, "stop", 40, 10, 20, 20, With({Flag::StopButton}));
    });
    first->ParentWindow().Close();
    EXPECT_EQ(InFolder(), (Files{"Normal.round", "Masked.round", "Symbol.back", "Symbol.stop"}));
    second->Close();
    EXPECT_TRUE(InFolder().empty());
}

TEST_F(CABClassTest, AForeignFileOfTheSameNameIsNeitherReadNorDeleted)
{
    for (const char* name : {"Normal.round", "Symbol.back"})
        std::ofstream(folder / name, std::ios::binary) << "not a picture";
    CABClass* button = MakeButton(With({Flag::BackButton}));
    ASSERT_NE(button->MasterButton(), nullptr);
    EXPECT_EQ(button->MasterButton()->Width(), 75);
    EXPECT_EQ(InFolder(),
              (Files{"Normal.round", "Normal.round-2", "Symbol.back", "Symbol.back-2", "Masked.round"}));
    EXPECT_EQ(Content("Normal.round-2"), fw::DecodeBase64(controls::cabart::kRoundFace));
    button->ParentWindow().Close();
    EXPECT_EQ(InFolder(), (Files{"Normal.round", "Symbol.back"}));
    for (const char* name : {"Normal.round", "Symbol.back"}) {
        EXPECT_EQ(Content(name), "not a picture");
        fs::remove(folder / name);
    }
}

// Every kind through the real control: its pictures are built at the size
// of the control and show inside its shape.
TEST_F(CABClassTest, EveryKindShowsItsPicture)
{
    std::vector<CABClass*> buttons;
    const auto add = [&](ControlWindow& win, Flag flag, int width, int height) {
        const int i = int(buttons.size());
        const int left = 6 + i % 10 * 76, top = 6 + i / 10 * 56;
        buttons.push_back(AddButton(win, "b" + std::to_string(i), left, top, width, height, With({flag})));
    };
    ControlWindow* w = MakeWindow(
        [&](ControlWindow& win) {
            for (const auto& symbol : controls::cabkinds::kRoundSymbols)
                add(win, symbol.flag, 40, 40);
            for (const auto& arrow : controls::cabkinds::kMiniArrows) {
                const bool vertical = arrow.buttonType == ".miniup" || arrow.buttonType == ".minidown";
                add(win, arrow.flag, vertical ? 22 : 26, vertical ? 24 : 22);
            }
            for (const auto& kind : controls::cabkinds::kPreDrawn)
                add(win, kind.flag, kind.maxWidth, kind.maxHeight);
        },
        770, 180);
    ASSERT_EQ(buttons.size(), 28u);
    // One disabled, to show it too.
    buttons[1]->SetEnabled(false);
    w->Content()->repaint(QRect(buttons[1]->Left(), buttons[1]->Top(), buttons[1]->Width(), buttons[1]->Height()));
    for (CABClass* button : buttons) {
        SCOPED_TRACE(button->ButtonType() + button->SymbolType());
        ASSERT_NE(button->PlainButtonPic(), nullptr);
        const std::vector<QPoint> inside = Inside(*button);
        EXPECT_GT(int(inside.size()), button->Width() * button->Height() / 3);
        const fw::PicturePtr& shown = button->Enabled() ? button->PlainButtonPic() : button->DisabledButtonPic();
        EXPECT_EQ(Matching(OnScreen(button), shown, inside), int(inside.size()));
    }
    EXPECT_TRUE(fs::exists(testenv::screenshot(w, "cabclass-every-kind")));
}

// Pictures are built when first asked for, in any order, from the colours
// set by the end of the holder's Open handler, whatever is set after it.
TEST_F(CABClassTest, EachPictureIsBuiltFromTheColoursOfItsOpen)
{
    // Colours: up face, up symbol, pressed face, pressed symbol.
    struct Row { const char* name; Flag flag; int width, height; Offsets colours[4]; };
    const Row rows[] = {
        {"the calendar's back button", Flag::BackButton, 20, 20, {{}, {}, {0, 0, 255}, {}}},
        {"apple", Flag::AppleButton, 40, 40, {{30, -40, 10}, {-100, 0, 60}, {0, 120, -30}, {255, 255, 255}}},
        {"mini arrow", Flag::MiniArrowRight, 26, 22, {{}, {0, 0, -255}, {-60, -60, -60}, {}}},
    };
    const auto colour = [](CABClass& b, const Offsets (&o)[4]) {
        const auto setters = {&CABClass::SetUpButtonColor, &CABClass::SetUpSymbolColor,
                              &CABClass::SetPressedButtonColor, &CABClass::SetPressedSymbolColor};
        for (int i = 0; const auto set : setters) {
            (b.*set)(o[i].red, o[i].green, o[i].blue);
            ++i;
        }
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* b = MakeButton(
            [&](CABClass& button) {
                button.SetFlag(row.flag, true);
                // Shown disabled: the up and pressed pictures wait until asked for.
                button.SetEnabled(false);
                colour(button, row.colours);
            },
            row.width, row.height);
        const Offsets later[4] = {{90, -90, 90}, {90, -90, 90}, {90, -90, 90}, {90, -90, 90}};
        colour(*b, later);
        const auto& [up, upSymbol, pressed, pressedSymbol] = row.colours;
        EXPECT_EQ(b->PressButtonPic()->Image(), Composed(*b, pressed, pressedSymbol));
        EXPECT_EQ(b->PlainButtonPic()->Image(), Composed(*b, up, upSymbol));
        EXPECT_EQ(b->DisabledButtonPic()->Image(), Composed(*b, {15, 15, 15}, {75, 75, 75}));
        b->ParentWindow().Close();
    }
}

TEST_F(CABClassTest, AFailureShowsItsStepAndQuitsWithAFailureStatus)
{
    const auto back = [this] { return MakeButton(With({Flag::BackButton})); };
    const Setter throwing = [](CABClass&) { throw std::runtime_error("broken"); };
    // blocked: a name taken by folders before the run.
    struct Row { const char* name; std::string blocked; std::function<void()> run; std::string message; };
    // Buttons that refuse pictures after the given number of paints, then pressed.
    const auto Refusing = [&](std::initializer_list<const char*> names, int paints) {
        std::vector<RefusingButton*> buttons;
        MakeWindow([&](ControlWindow& w) {
            for (const char* name : names) {
                auto* b = buttons.emplace_back(w.AddControl<RefusingButton>(name, fw::kNoIndex));
                testenv::Set(b, {{"Left", 10}, {"Top", 10}, {"Width", 30}, {"Height", 30}});
                b->refuse = paints == 0;
                b->Open.Bind([b] { b->SetFlag(b->Name() == "disk" ? Flag::DiskButton : Flag::BackButton, true); });
            }
        });
        testenv::runFor(20);
        for (RefusingButton* b : buttons) {
            b->refuse = true;
            testenv::press(b);
        }
        testenv::runFor(10);
    };
    const Row rows[] = {
        {"the Open handler throws", "", [&] { MakeButton(throwing); }, "Error in Open Class"},
        {"no file can be written", "Normal.round", back, "Error in Generate."},
        {"no file can be written for three buttons", "Normal.round",
         [&] {
             MakeWindow([](ControlWindow& w) {
                 for (const char* name : {"back", "stop", "forward"})
                     AddButton(w, name, 10, 10, 20, 20, With({Flag::BackButton}));
             });
         },
         "Error in Generate."},
        // Opened fine; the first paint, or a pre-drawn kind's first press, needs a
        // picture that cannot be made.
        {"no picture when first drawn, two buttons", "", [&] { Refusing({"back", "stop"}, 0); }, "Error in LoadFrom"},
        {"no pressed picture", "", [&] { Refusing({"disk"}, 1); }, "Error in LoadOthers"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        for (int i = 1; i <= 100 && !row.blocked.empty(); ++i)
            fs::create_directory(folder / (i == 1 ? row.blocked : row.blocked + "-" + std::to_string(i)));
        row.run();
        EXPECT_EQ(messages, (std::vector<std::string>{row.message}));
        messages.clear();
        EXPECT_TRUE(app->Quitting());
        EXPECT_EQ(app->ExitStatus(), 1);
        ASSERT_FALSE(windows.empty());
        EXPECT_TRUE(windows.back()->Closing());
        EXPECT_EQ(windows.back()->statusAtClose, 1);
        windows.clear();
        // Whatever the failed buttons wrote is gone with them; the blockers are the test's.
        for (const auto& entry : fs::directory_iterator(folder)) {
            EXPECT_TRUE(entry.is_directory()) << entry.path();
            fs::remove(entry.path());
        }
    }
}

} // namespace
