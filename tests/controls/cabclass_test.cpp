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

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
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
        button->Open.InstallInstanceEventHandler([button, open] { open(*button); });
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

// Whether the screen shows the picture over the whole of the button's shape.
bool Shows(CABClass* button, const fw::PicturePtr& picture)
{
    const std::vector<QPoint> inside = Inside(*button);
    return Matching(OnScreen(button), picture, inside) == int(inside.size());
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

// Refuses every picture, or those of one width, while told to, as a
// platform out of memory would.
class RefusingButton : public CABClass {
public:
    using CABClass::CABClass;
    bool refuse = true;
    std::optional<int> onlyWidth;

protected:
    fw::PicturePtr NewPicture(std::int32_t w, std::int32_t h) const override
    {
        return refuse && (!onlyWidth || *onlyWidth == w) ? nullptr : CABClass::NewPicture(w, h);
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
    // Writes over a file of the cache in place, as the same file.
    void Overwrite(const std::string& name, const std::string& bytes) const
    {
        ASSERT_TRUE(fs::exists(folder / name));
        std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << bytes;
    }

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
        button->MouseDown.InstallInstanceEventHandler([&](int x, int y) {
            log.push_back(std::to_string(x) + "," + std::to_string(y));
        });
        button->MouseUp.InstallInstanceEventHandler([&](int, int) { log.push_back("up"); });
    });
    const std::vector<QPoint> inside = Inside(*button);
    ASSERT_GT(inside.size(), 200u);
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
    EXPECT_TRUE(Shows(button, button->PlainButtonPic()));
    testenv::press(button);
    testenv::runFor(10);
    EXPECT_TRUE(Shows(button, button->PressButtonPic()));
    testenv::release(button);
    testenv::runFor(30);
    EXPECT_TRUE(Shows(button, button->PlainButtonPic()));
    button->SetEnabled(false);
    testenv::click(button);
    testenv::runFor(10);
    EXPECT_EQ(log, (std::vector<std::string>{"10,10", "up"}));
}

// Open takes the kind from the flags that the holder's Open handler sets,
// and from nothing else: flags stored in the layout are cleared before the
// handler runs, no flag gives no file and no picture, and of several flags
// the mini arrows are tested first, then the symbols in their order.
TEST_F(CABClassTest, OpenTakesTheKindFromTheFlagsItsHandlerSets)
{
    using namespace controls::cabart;
    struct Row {
        const char* name;
        std::vector<const char*> stored;
        std::initializer_list<Flag> set;
        const char *buttonType, *symbolType;
        Files files;
        std::string_view face, symbol;
    };
    const Row rows[] = {
        {"no flag", {}, {}, "", "", {}, {}, {}},
        {"PlayButton stored in the layout", {"PlayButton"}, {}, "", "", {}, {}, {}},
        {"MiniArrowUp stored in the layout, Back set", {"MiniArrowUp"}, {Flag::BackButton}, ".round", ".back",
         {"Normal.round", "Symbol.back", "Masked.round"}, kRoundFace, kSymbolBack},
        {"Stop and Back", {}, {Flag::StopButton, Flag::BackButton}, ".round", ".stop",
         {"Normal.round", "Symbol.stop", "Masked.round"}, kRoundFace, kSymbolStop},
        {"MiniArrowDown and PlayButton", {}, {Flag::MiniArrowDown, Flag::PlayButton}, ".minidown", ".Down",
         {"Normal.minidown", "Symbol.Down", "Masked.minidown"}, kMiniDownFace, kMiniDownSymbol},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* b = nullptr;
        MakeWindow([&](ControlWindow& w) {
            b = AddButton(w, "b", 10, 10, 40, 40, With(row.set));
            for (const char* flag : row.stored)
                testenv::Set(b, {{flag, true}});
        });
        testenv::runFor(20);
        // The flags are the handler's, whatever the layout stored.
        for (std::size_t f = 0; f < controls::cabkinds::kFlagCount; ++f)
            EXPECT_EQ(b->Flag(Flag(f)), std::find(row.set.begin(), row.set.end(), Flag(f)) != row.set.end()) << f;
        EXPECT_EQ(b->ButtonType(), row.buttonType);
        EXPECT_EQ(b->SymbolType(), row.symbolType);
        EXPECT_EQ(InFolder(), row.files);
        if (row.files.empty()) {
            EXPECT_EQ(b->MasterButton(), nullptr);
            EXPECT_EQ(b->PlainButtonPic(), nullptr);
            EXPECT_EQ(b->ButtonMask(), nullptr);
            EXPECT_EQ(b->ButtonPic(), nullptr);
        } else {
            EXPECT_EQ(Content("Normal" + b->ButtonType()), fw::DecodeBase64(row.face));
            EXPECT_EQ(Content("Symbol" + b->SymbolType()), fw::DecodeBase64(row.symbol));
            ASSERT_NE(b->PlainButtonPic(), nullptr);
            EXPECT_TRUE(Shows(b, b->PlainButtonPic()));
        }
        b->ParentWindow().Close();
        EXPECT_TRUE(InFolder().empty());
    }
}

TEST_F(CABClassTest, FilesAreSharedAndGoWithTheirLastButton)
{
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    CABClass* first = MakeButton(With({Flag::BackButton}));
    EXPECT_EQ(InFolder(), (Files{"Normal.round", "Masked.round", "Symbol.back"}));
    EXPECT_EQ(Content("Normal.round"), fw::DecodeBase64(controls::cabart::kRoundFace));
    // Each file the button wrote, as the cache holds it.
    for (const char* name : {"Normal.round", "Masked.round", "Symbol.back"}) {
        const fw::FolderItemPtr item = controls::ButtonImageCache::Acquire(name, "")->Item();
        EXPECT_EQ(std::tuple(item->Name(), item->MacType(), item->MacCreator(), item->Visible()),
                  std::tuple(name, "PNGf", "EIFF", false));
    }

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

// Pictures are built when first asked for, from the colours set by the end
// of the holder's Open handler, whatever is set after it until Update.
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
        // Update builds them again with the colours of now.
        b->Update();
        EXPECT_EQ(b->PressButtonPic()->Image(), Composed(*b, later[2], later[3]));
        EXPECT_EQ(b->PlainButtonPic()->Image(), Composed(*b, later[0], later[1]));
        b->ParentWindow().Close();
    }
}

TEST_F(CABClassTest, AFailureShowsItsStepAndQuitsWithAFailureStatus)
{
    const auto back = [this] { return MakeButton(With({Flag::BackButton})); };
    const Setter throwing = [](CABClass&) { throw std::runtime_error("broken"); };
    // blocked: a name taken by folders before the run.
    struct Row { const char* name; std::string blocked; std::function<void()> run; std::string message; };
    // Buttons that refuse every picture from the start or once shown, then pressed.
    const auto Refusing = [&](std::initializer_list<const char*> names, bool fromStart) {
        std::vector<RefusingButton*> buttons;
        MakeWindow([&](ControlWindow& w) {
            for (const char* name : names) {
                auto* b = buttons.emplace_back(w.AddControl<RefusingButton>(name, fw::kNoIndex));
                testenv::Set(b, {{"Left", 10}, {"Top", 10}, {"Width", 30}, {"Height", 30}});
                b->refuse = fromStart;
                b->Open.InstallInstanceEventHandler(
                    [b] { b->SetFlag(b->Name() == "disk" ? Flag::DiskButton : Flag::BackButton, true); });
            }
        });
        testenv::runFor(20);
        for (RefusingButton* b : buttons) {
            b->refuse = true;
            testenv::press(b);
        }
        testenv::runFor(10);
    };
    // A button opened hidden, whose file is spoilt before it first shows.
    const auto Spoilt = [&](const char* file) {
        CABClass* b = MakeButton([](CABClass& button) {
            button.SetBackButton(true);
            button.SetVisible(false);
        });
        Overwrite(file, "not a picture");
        b->SetVisible(true);
        testenv::runFor(20);
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
        // Opened fine; the first paint needs a picture that cannot be made or read.
        {"no picture when first drawn, two buttons", "", [&] { Refusing({"back", "stop"}, true); }, "Error in LoadFrom"},
        {"no pressed picture when first pressed", "", [&] { Refusing({"back"}, false); }, "Error in LoadFrom"},
        {"a pre-drawn button with no picture", "", [&] { Refusing({"disk"}, true); }, "Error in LoadOthers"},
        {"a face file that holds no picture", "", [&] { Spoilt("Normal.round"); }, "Error in LoadFrom"},
        {"a mask file that holds no picture", "", [&] { Spoilt("Masked.round"); }, "Error in LoadFrom"},
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

// The pictures are what the files hold: a symbol file written over before
// the button first shows gives the button that symbol.
TEST_F(CABClassTest, PicturesAreReadFromTheirFiles)
{
    CABClass* button = MakeButton([](CABClass& b) {
        b.SetBackButton(true);
        b.SetVisible(false);
    });
    Overwrite("Symbol.back", *fw::DecodeBase64(controls::cabart::kSymbolStop));
    button->SetVisible(true);
    testenv::runFor(20);
    ASSERT_NE(button->MasterSymbol(), nullptr);
    EXPECT_EQ(std::pair(button->MasterSymbol()->Width(), button->MasterSymbol()->Height()), std::pair(25, 26));
    EXPECT_EQ(button->PlainButtonPic()->Image(), Composed(*button, {}, {}));
    EXPECT_TRUE(Shows(button, button->PlainButtonPic()));
}

// SwitchSymbol changes a round button's symbol flag only; Update then builds
// the button again, letting the old symbol's file go and reading the new one.
TEST_F(CABClassTest, SwitchSymbolThenUpdate)
{
    // The only kind flag set after SwitchSymbol; the symbol type and the files after Update.
    struct Row {
        const char* name; Flag kind; const char* symbol;
        std::optional<Flag> flagAfter; const char* symbolType; Files files;
    };
    const Row rows[] = {
        {"Play on a mini arrow", Flag::MiniArrowUp, "Play", Flag::MiniArrowUp, ".Up",
         {"Normal.miniup", "Symbol.Up", "Masked.miniup"}},
        {"Play on a pre-drawn button", Flag::GearButton, "Play", Flag::GearButton, "",
         {"Normal.Gear", "Pressed.Gear", "Masked.Gear", "Disabled.Gear"}},
        {"an unknown name", Flag::PlayButton, "Rewind", std::nullopt, ".play",
         {"Normal.round", "Symbol.play", "Masked.round"}},
        {"a name in other letters", Flag::PlayButton, "back", std::nullopt, ".play",
         {"Normal.round", "Symbol.play", "Masked.round"}},
        {"Back on a play button", Flag::PlayButton, "Back", Flag::BackButton, ".back",
         {"Normal.round", "Symbol.back", "Masked.round"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* b = MakeButton(With({row.kind}), 40, 40);
        const QImage before = b->PlainButtonPic()->Image();
        const fw::PicturePtr oldSymbol = b->MasterSymbol();
        b->SwitchSymbol(row.symbol);
        for (std::size_t f = 0; f < controls::cabkinds::kFlagCount; ++f)
            EXPECT_EQ(b->Flag(Flag(f)), row.flagAfter == Flag(f)) << f;
        b->Update();
        EXPECT_EQ(b->SymbolType(), row.symbolType);
        EXPECT_EQ(InFolder(), row.files);
        testenv::runFor(20);
        EXPECT_TRUE(Shows(b, b->PlainButtonPic()));
        if (row.flagAfter == row.kind || !row.flagAfter) {
            EXPECT_EQ(b->PlainButtonPic()->Image(), before);
            EXPECT_EQ(b->MasterSymbol(), oldSymbol);
        } else {
            EXPECT_NE(b->PlainButtonPic()->Image(), before);
            EXPECT_EQ(b->PlainButtonPic()->Image(), Composed(*b, {}, {}));
            EXPECT_EQ(fw::OpenAsPicture(fw::FolderItem(folder / ("Symbol" + b->SymbolType())))->Image(),
                      b->MasterSymbol()->Image());
        }
        b->ParentWindow().Close();
        EXPECT_TRUE(InFolder().empty());
    }
}

// A button made larger than its kind allows after Open is brought back at its
// next paint; the pictures keep the size they were built at.
TEST_F(CABClassTest, AnEnlargedButtonShrinksAtTheNextPaint)
{
    struct Row { const char* name; Flag kind; int width, height; int enlarged, limitedWidth, limitedHeight; };
    const Row rows[] = {
        {"round", Flag::BackButton, 20, 20, 70, 50, 50},
        {"mini arrow", Flag::MiniArrowDown, 22, 24, 60, 50, 50},
        {"printer", Flag::PrinterButton, 40, 20, 100, 72, 31},
        {"within the limit", Flag::HomeButton, 20, 20, 30, 30, 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* b = MakeButton(With({row.kind}), row.width, row.height);
        b->SetWidth(row.enlarged);
        b->SetHeight(row.enlarged);
        EXPECT_EQ(b->ButtonWidth(), row.width);
        testenv::runFor(30);
        EXPECT_EQ(std::pair(b->Width(), b->Height()), std::pair(row.limitedWidth, row.limitedHeight));
        EXPECT_EQ(std::pair(b->ButtonWidth(), b->ButtonHeight()), std::pair(row.limitedWidth, row.limitedHeight));
        EXPECT_EQ(b->PlainButtonPic()->Width(), row.width);
        // Its last paint drew it at that size.
        EXPECT_EQ(b->ButtonPic()->Width(), row.limitedWidth);
        b->ParentWindow().Close();
    }
}

// With Toggle, the pressed picture stays after the release until something
// repaints the button; a repaint then shows what Paint draws: the up picture.
TEST_F(CABClassTest, AToggleButtonRepaintsItsUpPicture)
{
    std::vector<std::string> log;
    CABClass* b = MakeButton([&](CABClass& button) {
        button.SetForwardButton(true);
        button.SetToggle(true);
        button.MouseUp.InstallInstanceEventHandler([&](int, int) { log.push_back("up"); });
    });
    testenv::press(b);
    testenv::runFor(10);
    EXPECT_TRUE(Shows(b, b->PressButtonPic()));
    testenv::release(b);
    testenv::runFor(10);
    EXPECT_TRUE(Shows(b, b->PressButtonPic()));
    EXPECT_TRUE(log.empty());
    b->ParentWindow().Content()->update();
    testenv::runFor(10);
    EXPECT_TRUE(Shows(b, b->PlainButtonPic()));
}

// A press that ends without its release reaching the button (a menu takes
// the mouse, the window loses the pointer) brings the up picture back, and
// raises no MouseUp; a toggle button keeps its pressed picture, as at a
// release. The next click works as ever.
TEST_F(CABClassTest, APressEndedWithoutAReleaseBringsTheButtonUp)
{
    struct Row { const char* name; bool toggle; bool leave; };
    const Row rows[] = {
        {"the pointer leaves while held", false, true},
        {"the pointer comes back with the button up", false, false},
        {"a toggle button", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> log;
        CABClass* b = MakeButton([&](CABClass& button) {
            button.SetForwardButton(true);
            button.SetToggle(row.toggle);
            button.MouseDown.InstallInstanceEventHandler([&](int, int) { log.push_back("down"); });
            button.MouseUp.InstallInstanceEventHandler([&](int, int) { log.push_back("up"); });
        });
        const QPoint centre(b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
        QWidget* under = b->ParentWindow().Content()->childAt(centre);
        ASSERT_NE(under, nullptr);
        testenv::press(b);
        testenv::runFor(10);
        ASSERT_TRUE(Shows(b, b->PressButtonPic()));
        if (row.leave) {
            // What the platform sends when a popup grabs the mouse.
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(under, &leave);
        }
        // The release reaches another window.
        QWidget elsewhere;
        QTest::mouseRelease(&elsewhere, Qt::LeftButton);
        if (!row.leave) {
            const QPoint at = under->mapFrom(b->ParentWindow().Content(), centre);
            QMouseEvent move(QEvent::MouseMove, at, under->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
            QCoreApplication::sendEvent(under, &move);
        }
        testenv::runFor(10);
        EXPECT_TRUE(Shows(b, row.toggle ? b->PressButtonPic() : b->PlainButtonPic()));
        EXPECT_EQ(log, std::vector<std::string>{"down"});
        testenv::click(b);
        testenv::runFor(10);
        const std::vector<std::string> afterClick =
            row.toggle ? std::vector<std::string>{"down", "down"} : std::vector<std::string>{"down", "down", "up"};
        EXPECT_EQ(log, afterClick);
        b->ParentWindow().Close();
    }
}

// When no picture can be made at the button's size, the build makes none and
// says nothing; an Update that can make them builds them.
TEST_F(CABClassTest, NoPictureAtTheButtonsSizeBuildsNothing)
{
    RefusingButton* b = nullptr;
    MakeWindow([&](ControlWindow& w) {
        b = w.AddControl<RefusingButton>("b", fw::kNoIndex);
        testenv::Set(b, {{"Left", 10}, {"Top", 10}, {"Width", 30}, {"Height", 30}});
        b->onlyWidth = 30;
        b->Open.InstallInstanceEventHandler([b] { b->SetBackButton(true); });
    });
    testenv::runFor(20);
    EXPECT_EQ(b->PlainButtonPic(), nullptr);
    EXPECT_EQ(b->ButtonMask(), nullptr);
    EXPECT_EQ(b->ButtonPic(), nullptr);
    EXPECT_TRUE(messages.empty());
    b->refuse = false;
    b->Update();
    ASSERT_NE(b->PlainButtonPic(), nullptr);
    EXPECT_EQ(b->PlainButtonPic()->Width(), 30);
}

} // namespace
