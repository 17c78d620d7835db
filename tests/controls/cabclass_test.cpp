// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabclass.h"

#include "controls/buttonimagecache.h"
#include "controls/cabartwork.gen.h"
#include "controls/controltestwindow.h"
#include "framework/core/digest.h"
#include "framework/gui/picture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
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

class CABClassTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const fw::FolderItemPtr item = controls::ButtonImageCache::Folder();
        ASSERT_NE(item, nullptr);
        folder = item->Path();
        ASSERT_TRUE(Files().empty()) << "files left by an earlier test";
    }

    // A window of one button.
    CABClass* MakeButton(Setter open, int width = 20, int height = 20)
    {
        CABClass* button = nullptr;
        MakeWindow([&button, open, width, height](ControlWindow& w) {
            button = AddButton(w, "b", 10, 10, width, height, open);
        });
        return button;
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

    fs::path folder;
};

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
    struct Row {
        const char* name;
        Setter open;
        int width, height;
        std::string buttonType, symbolType;
        int expectedWidth, expectedHeight;
        int masterWidth;   // 0: no master picture
    };
    const Row rows[] = {
        {"no flag: nothing built", {}, 20, 20, "", "", 20, 20, 0},
        {"up and left: the left arrow whole", With({Flag::MiniArrowUp, Flag::MiniArrowLeft}), 13, 23, ".minileft",
         ".Left", 13, 23, 82},
        {"envelope 100 x 100", With({Flag::EnvelopeButton}), 100, 100, ".Enve", "", 42, 32, 0},
        // The pictures follow the kind chosen, not the pre-drawn flag.
        {"gear with play: a round button", With({Flag::GearButton, Flag::PlayButton}), 50, 50, ".round", ".play", 50,
         50, 75},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* button = MakeButton(row.open, row.width, row.height);
        const auto size = std::pair{row.expectedWidth, row.expectedHeight};
        EXPECT_EQ(std::pair(button->ButtonType(), button->SymbolType()), std::pair(row.buttonType, row.symbolType));
        EXPECT_EQ(std::pair(button->Width(), button->Height()), size);
        EXPECT_EQ(std::pair(button->ButtonWidth(), button->ButtonHeight()), size);
        EXPECT_EQ(button->MasterButton() ? button->MasterButton()->Width() : 0, row.masterWidth);
        const bool built = !row.buttonType.empty();
        EXPECT_EQ(button->PlainButtonPic() != nullptr, built);
        for (const fw::PicturePtr& p : {button->PlainButtonPic(), button->PressButtonPic(),
                                        button->DisabledButtonPic(), button->ButtonMask()})
            if (built)
                EXPECT_EQ(p ? std::pair(p->Width(), p->Height()) : std::pair(0, 0), size);
        button->ParentWindow().Close();
        EXPECT_TRUE(Files().empty());
    }
}

TEST_F(CABClassTest, LayoutValuesAreClearedBeforeTheOpenHandler)
{
    CABClass* button = nullptr;
    std::vector<bool> seen;
    std::vector<double> colours;
    MakeWindow([&](ControlWindow& w) {
        button = AddButton(w, "b", 10, 10, 20, 20, [&](CABClass& b) {
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

TEST_F(CABClassTest, AButtonWithoutSizeBuildsNothingAndPaintsNothing)
{
    CABClass* button = MakeButton(With({Flag::StopButton}), 0, 0);
    EXPECT_EQ(button->ButtonType(), ".round");
    EXPECT_EQ(button->PlainButtonPic(), nullptr);
    EXPECT_EQ(button->ButtonMask(), nullptr);
    button->RefreshNow();
    EXPECT_EQ(button->ButtonPic(), nullptr);
}

// ------------------------------------------------------------ the mouse

class CABClassMouse : public CABClassTest {
protected:
    void MakeBack(Setter more = {})
    {
        MakeWindow([&](ControlWindow& w) {
            button = AddButton(w, "mesanterior", 40, 30, 20, 20, [more](CABClass& b) {
                b.SetBackButton(true);
                if (more)
                    more(b);
            });
            button->MouseDown.Bind([this](int x, int y) {
                log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
            });
            button->MouseUp.Bind([this](int, int) { log.push_back("up"); });
        });
        inside = Inside(*button);
        ASSERT_GT(inside.size(), 200u);
    }
    int Shows(const fw::PicturePtr& picture) const { return Matching(OnScreen(button), picture, inside); }

    CABClass* button = nullptr;
    std::vector<std::string> log;
    std::vector<QPoint> inside;
};

TEST_F(CABClassMouse, PressShowsThePressedPictureUntilRelease)
{
    MakeBack();
    const int all = int(inside.size());
    // The pictures differ inside the shape, so the comparisons below tell them apart.
    ASSERT_LT(Matching(button->PlainButtonPic()->Image().convertToFormat(QImage::Format_RGB32),
                       button->PressButtonPic(), inside),
              all / 4);
    EXPECT_EQ(Shows(button->PlainButtonPic()), all);

    testenv::press(button);
    ASSERT_EQ(log, (std::vector<std::string>{"down 10,10"}));
    testenv::runFor(10);
    EXPECT_EQ(Shows(button->PressButtonPic()), all);

    testenv::release(button);
    testenv::runFor(30);
    EXPECT_EQ(log, (std::vector<std::string>{"down 10,10", "up"}));
    EXPECT_EQ(Shows(button->PlainButtonPic()), all);
}

TEST_F(CABClassMouse, ClicksOutsideTheShapeAreNotTaken)
{
    MakeBack();
    const QImage before = OnScreen(button);
    // Corners, in the window (not the widget's own 0,0: QTest reads that as "the centre").
    for (const auto& [x, y] : {std::pair{41, 31}, {59, 49}, {59, 30}}) {
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        testenv::clickAt(&button->ParentWindow(), x, y);
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
    // Nor does a disabled one.
    log.clear();
    button->SetEnabled(false);
    testenv::click(button);
    testenv::runFor(10);
    EXPECT_TRUE(log.empty());
}

TEST_F(CABClassMouse, ToggleKeepsThePressedPictureUntilTheNextRepaint)
{
    MakeBack([](CABClass& b) { b.SetToggle(true); });
    testenv::click(button);
    testenv::runFor(30);
    EXPECT_EQ(log, (std::vector<std::string>{"down 10,10"}));
    EXPECT_EQ(Shows(button->PressButtonPic()), int(inside.size()));
    button->RefreshNow();
    EXPECT_EQ(Shows(button->PlainButtonPic()), int(inside.size()));
}

TEST_F(CABClassMouse, AnEnlargedButtonShrinksBackAtTheNextUpdate)
{
    MakeBack();
    button->SetWidth(80);
    button->SetHeight(70);
    button->Update();
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
    struct Row { const char* name; Setter open; bool plainR, plainG, plainB; bool pressedR, pressedG, pressedB; };
    const Row rows[] = {
        {"defaults: pressed face gets blue", {}, false, false, false, false, false, true},
        {"up symbol blue", [](CABClass& b) { b.SetUpSymbolColor(0, 0, 120); }, false, false, true, false, false, true},
        {"pressed symbol red, pressed face none",
         [](CABClass& b) { b.SetPressedButtonColor(0, 0, 0); b.SetPressedSymbolColor(200, 0, 0); }, false, false,
         false, true, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CABClass* reference = nullptr;
        CABClass* button = nullptr;
        ControlWindow* w = MakeWindow([&](ControlWindow& win) {
            reference = AddButton(win, "reference", 10, 10, 40, 40, With({Flag::StopButton}));
            button = AddButton(win, "b", 60, 10, 40, 40, [&](CABClass& b) {
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
}

TEST_F(CABClassTest, ColoursSetAfterOpenShowAtTheNextUpdate)
{
    CABClass* button = MakeButton(With({Flag::PlayButton}));
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
    CABClass* arrow = nullptr;
    MakeWindow([&](ControlWindow& w) {
        play = AddButton(w, "play", 10, 10, 20, 20, With({Flag::PlayButton}));
        arrow = AddButton(w, "arrow", 40, 10, 13, 10, With({Flag::MiniArrowUp}));
    });
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Masked.round", "Symbol.play", "Normal.miniup",
                                               "Masked.miniup", "Symbol.Up"}));

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
    CABClass* other = MakeButton(With({Flag::BackButton}));
    other->SwitchSymbol("Stop");
    other->Update();
    EXPECT_EQ(Files().count("Symbol.back"), 1u);
    EXPECT_EQ(Files().count("Symbol.stop"), 1u);
    other->ParentWindow().Close();
    EXPECT_EQ(Files().count("Symbol.stop"), 0u);
}

TEST_F(CABClassTest, FilesAreSharedAndGoWithTheirLastButton)
{
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    CABClass* first = MakeButton(With({Flag::BackButton}));
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Masked.round", "Symbol.back"}));
    EXPECT_EQ(Content("Normal.round"), fw::DecodeBase64(controls::cabart::kRoundFace));
    EXPECT_EQ(Content("Symbol.back"), fw::DecodeBase64(controls::cabart::kSymbolBack));
    EXPECT_EQ(Content("Masked.round"), fw::DecodeBase64(controls::cabart::kRoundMask));

    CABClass* stillShowing = nullptr;
    ControlWindow* second = MakeWindow([&](ControlWindow& w) {
        stillShowing = AddButton(w, "back", 10, 10, 20, 20, With({Flag::BackButton}));
        AddButton(w, "stop", 40, 10, 20, 20, With({Flag::StopButton}));
    });
    const std::set<std::string> both = {"Normal.round", "Masked.round", "Symbol.back", "Symbol.stop"};
    EXPECT_EQ(Files(), both);

    first->ParentWindow().Close();
    EXPECT_EQ(Files(), both);
    // The remaining button can still rebuild from its files.
    stillShowing->Update();

    second->Close();
    EXPECT_TRUE(Files().empty());

    CABClass* gear = MakeButton(With({Flag::GearButton}), 50, 50);
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.Gear", "Pressed.Gear", "Masked.Gear", "Disabled.Gear"}));
    gear->ParentWindow().Close();
    EXPECT_TRUE(Files().empty());
}

TEST_F(CABClassTest, AForeignFileOfTheSameNameIsNeitherReadNorDeleted)
{
    const std::string foreign = "not a picture";
    for (const char* name : {"Normal.round", "Symbol.back"})
        std::ofstream(folder / name, std::ios::binary) << foreign;
    CABClass* button = MakeButton(With({Flag::BackButton}));
    ASSERT_NE(button->MasterButton(), nullptr);
    EXPECT_EQ(button->MasterButton()->Width(), 75);
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Normal.round-2", "Symbol.back", "Symbol.back-2",
                                               "Masked.round"}));
    EXPECT_EQ(Content("Normal.round-2"), fw::DecodeBase64(controls::cabart::kRoundFace));
    button->ParentWindow().Close();
    EXPECT_EQ(Files(), (std::set<std::string>{"Normal.round", "Symbol.back"}));
    EXPECT_EQ(Content("Normal.round"), foreign);
    EXPECT_EQ(Content("Symbol.back"), foreign);
    fs::remove(folder / "Normal.round");
    fs::remove(folder / "Symbol.back");
}

// Every kind through the real control: its pictures are built at the size
// of the control and show inside its shape.
TEST_F(CABClassTest, EveryKindShowsItsPicture)
{
    std::vector<CABClass*> buttons;
    ControlWindow* w = MakeWindow(
        [&](ControlWindow& win) {
            win.SetHasBackColor(true);
            win.SetBackColor(fw::RGB(214, 222, 232));
            int x = 6;
            int y = 6;
            const auto add = [&](Flag flag, int width, int height) {
                if (x + width > 470) {
                    x = 6;
                    y += 56;
                }
                buttons.push_back(AddButton(win, "b" + std::to_string(buttons.size()), x, y, width, height,
                                            With({flag})));
                x += width + 6;
            };
            for (const auto& symbol : controls::cabkinds::kRoundSymbols)
                add(symbol.flag, 40, 40);
            for (const auto& arrow : controls::cabkinds::kMiniArrows) {
                const bool vertical = arrow.buttonType == ".miniup" || arrow.buttonType == ".minidown";
                add(arrow.flag, vertical ? 22 : 26, vertical ? 24 : 22);
            }
            for (const auto& kind : controls::cabkinds::kPreDrawn)
                add(kind.flag, kind.maxWidth, kind.maxHeight);
        },
        480, 180);
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
    // Folders in place of every name the button could write.
    const auto block = [this](const std::string& name) {
        fs::create_directory(folder / name);
        for (int i = 2; i <= 100; ++i)
            fs::create_directory(folder / (name + "-" + std::to_string(i)));
    };
    const auto throwing = [](CABClass&) { throw std::runtime_error("broken"); };
    struct Row {
        const char* name;
        std::function<void()> run;
        std::string message;
        bool windowSawFailure;   // the window's Close handler saw the failure status
    };
    const Row rows[] = {
        {"the Open handler throws", [&] { MakeButton(throwing); }, "Error in Open Class", true},
        {"no file can be written",
         [&] {
             block("Normal.round");
             MakeButton(With({Flag::BackButton}));
         },
         "Error in Generate.", true},
        {"a pre-drawn file cannot be written",
         [&] {
             block("Pressed.Home");
             MakeButton(With({Flag::HomeButton}));
         },
         "Error in Generate Others.", true},
        {"a picture file went away before a rebuild",
         [&] {
             CABClass* button = MakeButton(With({Flag::BackButton}));
             fs::remove(folder / "Masked.round");
             button->Update();
         },
         "Error in LoadFrom", true},
        {"the Close handler throws",
         [&] {
             CABClass* button = MakeButton(With({Flag::BackButton}));
             button->Close.Bind([] { throw std::runtime_error("broken"); });
             button->ParentWindow().Close();
         },
         "Error in Close Class", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        row.run();
        EXPECT_EQ(messages, (std::vector<std::string>{row.message}));
        messages.clear();
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
