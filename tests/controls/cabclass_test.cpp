// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabclass.h"

#include "controls/buttonimagecache.h"
#include "controls/cabartwork.gen.h"
#include "framework/core/digest.h"
#include "framework/gui/application.h"
#include "framework/gui/picture.h"
#include "framework/gui/window.h"
#include "support/gui.h"
#include "support/testenv.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

using controls::CABClass;
namespace fs = std::filesystem;

// A window whose buttons a test makes in code; it notes the application's
// exit status when it closes, as the calendar window's Close handler reads it.
class ButtonWindow : public fw::Window {
public:
    std::function<void(ButtonWindow&)> build;
    std::optional<int> statusAtClose;

    // A button whose Open handler runs open, as a holder's handler would.
    CABClass* AddButton(const std::string& name, int left, int top, int width, int height,
                        std::function<void(CABClass&)> open = {})
    {
        CABClass* button = AddControl<CABClass>(name, fw::kNoIndex);
        button->SetProperty("Left", left);
        button->SetProperty("Top", top);
        button->SetProperty("Width", width);
        button->SetProperty("Height", height);
        if (open)
            button->Open.Bind([button, open] { open(*button); });
        return button;
    }

protected:
    void CreateControls() override
    {
        if (build)
            build(*this);
    }
    void Event_Close() override { statusAtClose = fw::App() ? fw::App()->ExitStatus() : -1; }
};

class CABClassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_unique<fw::Application>();
        previousHook = fw::SetMsgBoxHook([this](const std::string& text) { messages.push_back(text); });
        const fw::FolderItemPtr item = controls::ButtonImageCache::Folder();
        ASSERT_NE(item, nullptr);
        folder = item->Path();
        ASSERT_TRUE(Files().empty()) << "files left by an earlier test";
    }
    void TearDown() override
    {
        windows.clear();
        app.reset();
        fw::SetMsgBoxHook(previousHook);
    }

public:
    ButtonWindow* MakeWindow(std::function<void(ButtonWindow&)> build, int width = 200, int height = 100)
    {
        auto window = std::make_unique<ButtonWindow>();
        window->SetWidth(width);
        window->SetHeight(height);
        window->SetHasBackColor(true);
        window->SetBackColor(fw::RGB(214, 222, 232));
        window->build = std::move(build);
        window->Build();
        if (!app->Quitting()) {
            window->Show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window->Handle()));
        }
        windows.push_back(std::move(window));
        return windows.back().get();
    }

    // The names in the cache folder.
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string Content(const std::string& name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::unique_ptr<fw::Application> app;
    fw::TextHook previousHook;
    std::vector<std::string> messages;
    std::vector<std::unique_ptr<ButtonWindow>> windows;
    fs::path folder;
};

// What the window shows on screen over the control now: the pixels that the
// platform holds for the window, not a fresh rendering.
QImage OnScreen(fw::Control* control)
{
    QWidget* widget = control->Handle();
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(top->winId(), at.x(), at.y(), control->Width(), control->Height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
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

// ------------------------------------------------------------------ kinds

TEST_F(CABClassTest, OpenChoosesKindSizeAndPictures)
{
    using Setter = std::function<void(CABClass&)>;
    struct Row {
        const char* name;
        Setter open;
        int width, height;
        std::string buttonType, symbolType;
        int expectedWidth, expectedHeight;
        int masterWidth;   // 0: no picture built
    };
    const Row rows[] = {
        {"no flag: nothing built", {}, 20, 20, "", "", 20, 20, 0},
        {"back", [](CABClass& b) { b.SetBackButton(true); }, 20, 20, ".round", ".back", 20, 20, 75},
        {"stop and back", [](CABClass& b) { b.SetStopButton(true); b.SetBackButton(true); }, 20, 20, ".round",
         ".stop", 20, 20, 75},
        {"up and left: the left arrow whole",
         [](CABClass& b) { b.SetMiniArrowUp(true); b.SetMiniArrowLeft(true); }, 13, 23, ".minileft", ".Left", 13,
         23, 82},
        {"down and play: a mini arrow", [](CABClass& b) { b.SetMiniArrowDown(true); b.SetPlayButton(true); }, 13,
         10, ".minidown", ".Down", 13, 10, 75},
        {"round 60 x 60 shrinks", [](CABClass& b) { b.SetForwardButton(true); }, 60, 60, ".round", ".forw", 50, 50,
         75},
        {"pause limited like every round", [](CABClass& b) { b.SetPauseButton(true); }, 70, 30, ".round", ".pause",
         50, 30, 75},
        {"envelope 100 x 100", [](CABClass& b) { b.SetEnvelopeButton(true); }, 100, 100, ".Enve", "", 42, 32, 0},
        {"printer", [](CABClass& b) { b.SetPrinterButton(true); }, 100, 100, ".Print", "", 72, 31, 0},
        {"gear", [](CABClass& b) { b.SetGearButton(true); }, 50, 50, ".Gear", "", 50, 50, 0},
        // The pictures follow the kind chosen, not the pre-drawn flag.
        {"gear with play: a round button", [](CABClass& b) { b.SetGearButton(true); b.SetPlayButton(true); }, 50,
         50, ".round", ".play", 50, 50, 75},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* button = nullptr;
        ButtonWindow* w = MakeWindow([&](ButtonWindow& win) {
            button = win.AddButton("b", 10, 10, row.width, row.height, row.open);
        });
        EXPECT_EQ(button->ButtonType(), row.buttonType);
        EXPECT_EQ(button->SymbolType(), row.symbolType);
        EXPECT_EQ(button->Width(), row.expectedWidth);
        EXPECT_EQ(button->Height(), row.expectedHeight);
        EXPECT_EQ(button->ButtonWidth(), row.expectedWidth);
        EXPECT_EQ(button->ButtonHeight(), row.expectedHeight);
        if (row.masterWidth) {
            ASSERT_NE(button->MasterButton(), nullptr);
            EXPECT_EQ(button->MasterButton()->Width(), row.masterWidth);
        } else {
            EXPECT_EQ(button->MasterButton(), nullptr);
        }
        const bool built = !row.buttonType.empty();
        EXPECT_EQ(button->PlainButtonPic() != nullptr, built);
        for (const fw::PicturePtr& p : {button->PlainButtonPic(), button->PressButtonPic(),
                                        button->DisabledButtonPic(), button->ButtonMask()}) {
            if (built) {
                ASSERT_NE(p, nullptr);
                EXPECT_EQ(p->Width(), row.expectedWidth);
                EXPECT_EQ(p->Height(), row.expectedHeight);
            }
        }
        w->Close();
        EXPECT_TRUE(Files().empty());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CABClassTest, LayoutValuesAreClearedBeforeTheOpenHandler)
{
    CABClass* button = nullptr;
    std::vector<bool> seen;
    std::vector<double> colours;
    MakeWindow([&](ButtonWindow& win) {
        button = win.AddButton("b", 10, 10, 20, 20, [&](CABClass& b) {
            seen = {b.PlayButton(), b.StopButton(), b.Toggle(), b.GearButton()};
            colours = {b.UpHue(),       b.UpSat(),         b.UpValue(),         b.PressedHue(),
                       b.PressedSat(),  b.PressedValue(),  b.UpSymbolHue(),     b.UpSymbolSat(),
                       b.UpSymbolValue(), b.PressedSymbolHue(), b.PressedSymbolSat(), b.PressedSymbolValue()};
        });
        // As a property block would set them.
        button->SetProperty("PlayButton", true);
        button->SetProperty("StopButton", true);
        button->SetProperty("Toggle", true);
        button->SetProperty("GearButton", true);
        button->SetPressedButtonColor(9, 9, 9);
        EXPECT_TRUE(button->PlayButton());
        EXPECT_THROW(button->SetProperty("PlayButton", std::int32_t{1}), std::invalid_argument);
        EXPECT_THROW(button->SetProperty("RewindButton", true), std::invalid_argument);
    });
    EXPECT_EQ(seen, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(colours, (std::vector<double>{0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(button->ButtonType(), "");
    EXPECT_TRUE(Files().empty());
}

// ------------------------------------------------------------ the mouse

class CABClassMouse : public CABClassTest {
protected:
    void MakeBack(std::function<void(CABClass&)> more = {})
    {
        MakeWindow([&](ButtonWindow& win) {
            button = win.AddButton("mesanterior", 40, 30, 20, 20, [more](CABClass& b) {
                b.SetBackButton(true);
                if (more)
                    more(b);
            });
            button->MouseDown.Bind([this](int x, int y) {
                log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
                screenAtDown = OnScreen(button);
            });
            button->MouseUp.Bind([this](int, int) { log.push_back("up"); });
        });
        inside = Inside(*button);
        ASSERT_GT(inside.size(), 200u);
    }

    CABClass* button = nullptr;
    std::vector<std::string> log;
    QImage screenAtDown;
    std::vector<QPoint> inside;
};

TEST_F(CABClassMouse, PressShowsThePressedPictureBeforeTheHandlerRuns)
{
    MakeBack();
    const int all = int(inside.size());
    // The pictures differ inside the shape, so the comparisons below tell them apart.
    ASSERT_LT(Matching(button->PlainButtonPic()->Image().convertToFormat(QImage::Format_RGB32),
                       button->PressButtonPic(), inside),
              all / 4);
    EXPECT_EQ(Matching(OnScreen(button), button->PlainButtonPic(), inside), all);

    testenv::press(button);
    ASSERT_EQ(log, (std::vector<std::string>{"down 10,10"}));
    EXPECT_EQ(Matching(screenAtDown, button->PressButtonPic(), inside), all);

    testenv::release(button);
    testenv::runFor(30);
    EXPECT_EQ(log, (std::vector<std::string>{"down 10,10", "up"}));
    EXPECT_EQ(Matching(OnScreen(button), button->PlainButtonPic(), inside), all);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CABClassMouse, ClicksOutsideTheShapeAreNotTaken)
{
    MakeBack();
    const QImage before = OnScreen(button);
    struct Row {
        const char* name;
        int x, y;   // in the window
    };
    const Row rows[] = {
        // (Not the widget's own 0,0: QTest reads that point as "the centre".)
        {"top left corner", 41, 31},
        {"bottom right corner", 59, 49},
        {"top right corner", 59, 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testenv::clickAt(&button->ParentWindow(), row.x, row.y);
        testenv::runFor(10);
        EXPECT_TRUE(log.empty()) << log.front();
        EXPECT_EQ(OnScreen(button), before);
    }
    // Beyond the pictures built at Open: an enlarged button takes no click
    // there, although the new area is within its kind's limit.
    button->SetWidth(45);
    button->SetHeight(45);
    testenv::runFor(30);
    EXPECT_EQ(button->Width(), 45);
    testenv::clickAt(&button->ParentWindow(), 40 + 35, 30 + 35);
    testenv::runFor(10);
    EXPECT_TRUE(log.empty());
    testenv::clickAt(&button->ParentWindow(), 40 + 10, 30 + 10);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(CABClassMouse, ToggleKeepsThePressedPictureUntilTheNextRepaint)
{
    MakeBack([](CABClass& b) { b.SetToggle(true); });
    const int all = int(inside.size());
    testenv::click(button);
    testenv::runFor(30);
    EXPECT_EQ(log, (std::vector<std::string>{"down 10,10"}));
    EXPECT_EQ(Matching(OnScreen(button), button->PressButtonPic(), inside), all);
    button->RefreshNow();
    EXPECT_EQ(Matching(OnScreen(button), button->PlainButtonPic(), inside), all);
}

TEST_F(CABClassMouse, ADisabledButtonShowsItsDisabledPictureAndTakesNoPress)
{
    MakeBack();
    button->SetEnabled(false);
    button->RefreshNow();
    EXPECT_EQ(Matching(OnScreen(button), button->DisabledButtonPic(), inside), int(inside.size()));
    testenv::click(button);
    testenv::runFor(10);
    EXPECT_TRUE(log.empty());
}

TEST_F(CABClassMouse, AnEnlargedButtonShrinksBackAtTheNextPaint)
{
    MakeBack();
    button->SetWidth(80);
    button->SetHeight(70);
    button->RefreshNow();
    testenv::runFor(30);
    EXPECT_EQ(button->Width(), 50);
    EXPECT_EQ(button->Height(), 50);
    EXPECT_EQ(button->ButtonWidth(), 50);
}

// ------------------------------------------------------------- colours

// Each channel moves on its own: channels without an offset keep their values
// exactly, the others never go down and do go up somewhere.
void ExpectOffsets(const fw::PicturePtr& picture, const fw::PicturePtr& reference, bool red, bool green, bool blue)
{
    ASSERT_TRUE(picture && reference);
    const QImage a = picture->Image(), b = reference->Image();
    ASSERT_EQ(a.size(), b.size());
    int raised[3] = {0, 0, 0};
    const bool moves[3] = {red, green, blue};
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const int pa[3] = {qRed(a.pixel(x, y)), qGreen(a.pixel(x, y)), qBlue(a.pixel(x, y))};
            const int pb[3] = {qRed(b.pixel(x, y)), qGreen(b.pixel(x, y)), qBlue(b.pixel(x, y))};
            for (int c = 0; c < 3; ++c) {
                if (!moves[c])
                    ASSERT_EQ(pa[c], pb[c]) << "channel " << c << " at " << x << "," << y;
                else
                    ASSERT_GE(pa[c], pb[c]) << "channel " << c << " at " << x << "," << y;
                raised[c] += pa[c] > pb[c];
            }
        }
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(raised[c] > 0, moves[c]) << "channel " << c;
}

TEST_F(CABClassTest, ColourOffsetsMoveOnlyTheirChannel)
{
    using Setter = std::function<void(CABClass&)>;
    struct Row {
        const char* name;
        Setter open;
        bool plainR, plainG, plainB;
        bool pressedR, pressedG, pressedB;
    };
    const Row rows[] = {
        {"defaults: pressed face gets blue", {}, false, false, false, false, false, true},
        {"pressed red", [](CABClass& b) { b.SetPressedButtonColor(255, 0, 0); }, false, false, false, true, false,
         false},
        {"up green", [](CABClass& b) { b.SetUpButtonColor(0, 60, 0); }, false, true, false, false, false, true},
        {"up symbol blue", [](CABClass& b) { b.SetUpSymbolColor(0, 0, 120); }, false, false, true, false, false,
         true},
        {"pressed symbol red, pressed face none",
         [](CABClass& b) { b.SetPressedButtonColor(0, 0, 0); b.SetPressedSymbolColor(200, 0, 0); }, false, false,
         false, true, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* reference = nullptr;
        CABClass* button = nullptr;
        ButtonWindow* w = MakeWindow([&](ButtonWindow& win) {
            reference = win.AddButton("reference", 10, 10, 40, 40, [](CABClass& b) { b.SetStopButton(true); });
            button = win.AddButton("b", 60, 10, 40, 40, [&](CABClass& b) {
                b.SetStopButton(true);
                if (row.open)
                    row.open(b);
            });
        });
        ExpectOffsets(button->PlainButtonPic(), reference->PlainButtonPic(), row.plainR, row.plainG, row.plainB);
        ExpectOffsets(button->PressButtonPic(), reference->PlainButtonPic(), row.pressedR, row.pressedG,
                      row.pressedB);
        // Disabled: 15 on the face, 75 on the symbol, every channel.
        ExpectOffsets(reference->DisabledButtonPic(), reference->PlainButtonPic(), true, true, true);
        w->Close();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CABClassTest, ColoursSetAfterOpenShowAtTheNextUpdate)
{
    CABClass* button = nullptr;
    MakeWindow([&](ButtonWindow& win) {
        button = win.AddButton("b", 10, 10, 20, 20, [](CABClass& b) { b.SetPlayButton(true); });
    });
    const fw::PicturePtr before = button->PlainButtonPic();
    const QImage pixels = before->Image().copy();
    button->SetUpButtonColor(80, 0, 0);
    EXPECT_EQ(button->PlainButtonPic(), before);
    EXPECT_EQ(button->PlainButtonPic()->Image(), pixels);
    button->Update();
    EXPECT_NE(button->PlainButtonPic(), before);
    ExpectOffsets(button->PlainButtonPic(), before, true, false, false);
}

// ------------------------------------------------------ symbols and files

TEST_F(CABClassTest, SwitchSymbolThenUpdateShowsTheNewSymbol)
{
    CABClass* play = nullptr;
    CABClass* otherPlay = nullptr;
    CABClass* arrow = nullptr;
    MakeWindow([&](ButtonWindow& win) {
        play = win.AddButton("play", 10, 10, 20, 20, [](CABClass& b) { b.SetPlayButton(true); });
        arrow = win.AddButton("arrow", 40, 10, 13, 10, [](CABClass& b) { b.SetMiniArrowUp(true); });
    });
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Masked.round", "Symbol.play", "Normal.miniup",
                                               "Masked.miniup", "Symbol.Up"}));
    const fw::PicturePtr playSymbol = play->MasterSymbol();

    play->SwitchSymbol("Back");
    EXPECT_TRUE(play->BackButton());
    EXPECT_FALSE(play->PlayButton());
    EXPECT_EQ(play->SymbolType(), ".play");   // until Update
    play->Update();
    EXPECT_EQ(play->SymbolType(), ".back");
    EXPECT_EQ(play->MasterSymbol()->Width(), 38);
    EXPECT_EQ(play->MasterSymbol()->Height(), 27);
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Masked.round", "Symbol.back", "Normal.miniup",
                                               "Masked.miniup", "Symbol.Up"}));

    // A name outside the list clears every round flag: the button keeps its symbol.
    play->SwitchSymbol("Rewind");
    EXPECT_FALSE(play->BackButton());
    play->Update();
    EXPECT_EQ(play->SymbolType(), ".back");
    EXPECT_NE(play->PlainButtonPic(), nullptr);

    // Only round buttons switch.
    arrow->SwitchSymbol("Play");
    EXPECT_FALSE(arrow->PlayButton());
    EXPECT_TRUE(arrow->MiniArrowUp());

    // A symbol another button still shows keeps its file.
    ButtonWindow* second = MakeWindow([&](ButtonWindow& win) {
        otherPlay = win.AddButton("other", 10, 10, 20, 20, [](CABClass& b) { b.SetBackButton(true); });
    });
    otherPlay->SwitchSymbol("Stop");
    otherPlay->Update();
    EXPECT_EQ(Files().count("Symbol.back"), 1u);
    EXPECT_EQ(Files().count("Symbol.stop"), 1u);
    second->Close();
    EXPECT_EQ(Files().count("Symbol.stop"), 0u);
    EXPECT_NE(playSymbol, nullptr);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CABClassTest, FilesAreSharedAndGoWithTheirLastButton)
{
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    ButtonWindow* first = MakeWindow([&](ButtonWindow& win) {
        win.AddButton("back", 10, 10, 20, 20, [](CABClass& b) { b.SetBackButton(true); });
    });
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Masked.round", "Symbol.back"}));
    EXPECT_EQ(Content("Normal.round"), fw::DecodeBase64(controls::cabart::kRoundFace));
    EXPECT_EQ(Content("Symbol.back"), fw::DecodeBase64(controls::cabart::kSymbolBack));
    EXPECT_EQ(Content("Masked.round"), fw::DecodeBase64(controls::cabart::kRoundMask));

    CABClass* stillShowing = nullptr;
    ButtonWindow* second = MakeWindow([&](ButtonWindow& win) {
        stillShowing = win.AddButton("back", 10, 10, 20, 20, [](CABClass& b) { b.SetBackButton(true); });
        win.AddButton("stop", 40, 10, 20, 20, [](CABClass& b) { b.SetStopButton(true); });
    });
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Masked.round", "Symbol.back", "Symbol.stop"}));

    first->Close();
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Masked.round", "Symbol.back", "Symbol.stop"}));
    // The remaining button can still rebuild from its files.
    stillShowing->Update();
    EXPECT_TRUE(messages.empty());

    second->Close();
    EXPECT_TRUE(Files().empty());

    ButtonWindow* gear = MakeWindow([&](ButtonWindow& win) {
        win.AddButton("gear", 10, 10, 50, 50, [](CABClass& b) { b.SetGearButton(true); });
    });
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.Gear", "Pressed.Gear", "Masked.Gear", "Disabled.Gear"}));
    gear->Close();
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(CABClassTest, AForeignFileOfTheSameNameIsNeitherReadNorDeleted)
{
    const std::string foreign = "not a picture";
    for (const char* name : {"Normal.round", "Symbol.back"}) {
        std::ofstream out(folder / name, std::ios::binary);
        out << foreign;
    }
    CABClass* button = nullptr;
    ButtonWindow* w = MakeWindow([&](ButtonWindow& win) {
        button = win.AddButton("back", 10, 10, 20, 20, [](CABClass& b) { b.SetBackButton(true); });
    });
    EXPECT_TRUE(messages.empty());
    ASSERT_NE(button->MasterButton(), nullptr);
    EXPECT_EQ(button->MasterButton()->Width(), 75);
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Normal.round-2", "Symbol.back", "Symbol.back-2",
                                               "Masked.round"}));
    EXPECT_EQ(Content("Normal.round-2"), fw::DecodeBase64(controls::cabart::kRoundFace));
    w->Close();
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Symbol.back"}));
    EXPECT_EQ(Content("Normal.round"), foreign);
    EXPECT_EQ(Content("Symbol.back"), foreign);
    fs::remove(folder / "Normal.round");
    fs::remove(folder / "Symbol.back");
}

TEST_F(CABClassTest, AButtonWithoutSizeBuildsNothingAndPaintsNothing)
{
    CABClass* button = nullptr;
    MakeWindow([&](ButtonWindow& win) {
        button = win.AddButton("b", 10, 10, 0, 0, [](CABClass& b) { b.SetStopButton(true); });
    });
    EXPECT_EQ(button->ButtonType(), ".round");
    EXPECT_EQ(button->PlainButtonPic(), nullptr);
    EXPECT_EQ(button->ButtonMask(), nullptr);
    button->RefreshNow();
    EXPECT_EQ(button->ButtonPic(), nullptr);
    EXPECT_TRUE(messages.empty());
}

// Every kind through the real control: its pictures are built at the size
// of the control and show inside its shape.
TEST_F(CABClassTest, EveryKindShowsItsPicture)
{
    std::vector<CABClass*> buttons;
    ButtonWindow* w = MakeWindow(
        [&](ButtonWindow& win) {
            int x = 6;
            int y = 6;
            const auto add = [&](controls::cabkinds::Flag flag, int width, int height) {
                if (x + width > 470) {
                    x = 6;
                    y += 56;
                }
                buttons.push_back(win.AddButton("b" + std::to_string(buttons.size()), x, y, width, height,
                                                [flag](CABClass& b) { b.SetFlag(flag, true); }));
                x += width + 6;
            };
            for (const auto& symbol : controls::cabkinds::kRoundSymbols)
                add(symbol.flag, 40, 40);
            for (const auto& arrow : controls::cabkinds::kMiniArrows)
                add(arrow.flag, arrow.buttonType == ".miniup" || arrow.buttonType == ".minidown" ? 22 : 26,
                    arrow.buttonType == ".miniup" || arrow.buttonType == ".minidown" ? 24 : 22);
            for (const auto& kind : controls::cabkinds::kPreDrawn)
                add(kind.flag, kind.maxWidth, kind.maxHeight);
        },
        480, 180);
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(buttons.size(), 28u);
    // One disabled, to show it too.
    buttons[1]->SetEnabled(false);
    buttons[1]->RefreshNow();
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

// ------------------------------------------------------------- failures

TEST_F(CABClassTest, AFailureShowsItsStepAndQuitsWithAFailureStatus)
{
    struct Row {
        const char* name;
        std::function<void(CABClassTest&, CABClass*&)> run;
        std::string message;
        bool windowSawFailure;   // the window's Close handler saw the failure status
    };
    const Row rows[] = {
        {"the Open handler throws",
         [](CABClassTest& t, CABClass*&) {
             t.MakeWindow([](ButtonWindow& win) {
                 win.AddButton("b", 10, 10, 20, 20, [](CABClass&) { throw std::runtime_error("broken"); });
             });
         },
         "Error in Open Class", true},
        {"no file can be written",
         [](CABClassTest& t, CABClass*&) {
             fs::create_directory(t.folder / "Normal.round");
             for (int i = 2; i <= 100; ++i)
                 fs::create_directory(t.folder / ("Normal.round-" + std::to_string(i)));
             t.MakeWindow([](ButtonWindow& win) {
                 win.AddButton("b", 10, 10, 20, 20, [](CABClass& b) { b.SetBackButton(true); });
             });
         },
         "Error in Generate.", true},
        {"a pre-drawn file cannot be written",
         [](CABClassTest& t, CABClass*&) {
             fs::create_directory(t.folder / "Pressed.Home");
             for (int i = 2; i <= 100; ++i)
                 fs::create_directory(t.folder / ("Pressed.Home-" + std::to_string(i)));
             t.MakeWindow([](ButtonWindow& win) {
                 win.AddButton("b", 10, 10, 20, 20, [](CABClass& b) { b.SetHomeButton(true); });
             });
         },
         "Error in Generate Others.", true},
        {"a picture file went away before a rebuild",
         [](CABClassTest& t, CABClass*& button) {
             t.MakeWindow([&](ButtonWindow& win) {
                 button = win.AddButton("b", 10, 10, 20, 20, [](CABClass& b) { b.SetBackButton(true); });
             });
             fs::remove(t.folder / "Masked.round");
             button->Update();
         },
         "Error in LoadFrom", true},
        {"the Close handler throws",
         [](CABClassTest& t, CABClass*& button) {
             ButtonWindow* w = t.MakeWindow([&](ButtonWindow& win) {
                 button = win.AddButton("b", 10, 10, 20, 20, [](CABClass& b) { b.SetBackButton(true); });
             });
             button->Close.Bind([] { throw std::runtime_error("broken"); });
             w->Close();
         },
         "Error in Close Class", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        messages.clear();
        CABClass* button = nullptr;
        row.run(*this, button);
        EXPECT_EQ(messages, (std::vector<std::string>{row.message}));
        EXPECT_TRUE(app->Quitting());
        EXPECT_EQ(app->ExitStatus(), 1);
        ASSERT_FALSE(windows.empty());
        EXPECT_TRUE(windows.back()->Closing());
        if (row.windowSawFailure) {
            EXPECT_EQ(windows.back()->statusAtClose, 1);
        }
        windows.clear();
        // Whatever the failed buttons wrote is gone with them; the blockers are the test's.
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_TRUE(entry.is_directory()) << entry.path();
        for (const auto& entry : fs::directory_iterator(folder))
            fs::remove(entry.path());
    }
}

} // namespace
