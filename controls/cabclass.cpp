// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabclass.h"

#include "controls/cabartwork.gen.h"
#include "framework/gui/application.h"
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"

#include <span>
#include <stdexcept>

namespace controls {

namespace {

using cabkinds::Family;

// Thrown once a failure has been reported, so that the steps after it are
// skipped and nothing reports it a second time.
struct Reported {};

// Runs one step of the button; any failure inside it shows the step's
// message and quits the application with a failure status, which tells the
// application's Close handlers not to save over the user's settings.
template <class Step>
void Guarded(std::string_view message, Step&& step)
{
    try {
        step();
    } catch (const Reported&) {
        throw;
    } catch (...) {
        // The first failure ends the run; the window's other buttons, which
        // fail the same way, say nothing more.
        const fw::Application* app = fw::App();
        if (!app || !app->Quitting() || app->ExitStatus() == 0)
            fw::MsgBox(message);
        fw::Quit(1);
        throw Reported{};
    }
}

// A new picture, or null when the platform cannot make one of that size.
fw::PicturePtr NewPicture(std::int32_t width, std::int32_t height)
{
    fw::PicturePtr picture = fw::Picture::New(width, height, 32);
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0)
        return nullptr;
    return picture;
}

fw::PicturePtr MustNewPicture(std::int32_t width, std::int32_t height)
{
    fw::PicturePtr picture = NewPicture(width, height);
    if (!picture)
        throw std::runtime_error("cannot make a picture of that size");
    return picture;
}

// Only files this button's cache wrote are ever read.
fw::PicturePtr ReadPicture(const ButtonImageFilePtr& file)
{
    if (!file)
        throw std::runtime_error("no picture file");
    const std::optional<std::string> bytes = file->Read();
    if (!bytes)
        throw std::runtime_error("cannot read " + file->Name());
    fw::PicturePtr picture =
        fw::Picture::FromPNG(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
    if (!picture)
        throw std::runtime_error(file->Name() + " holds no picture");
    return picture;
}

} // namespace

CABClass::CABClass(fw::Window& window) : fw::Canvas(window) {}

CABClass::~CABClass() = default;

std::span<const fw::PropertyInfo> CABClass::StoredProperties()
{
    static constexpr fw::PropertyInfo kRows[] = {
        fw::Row<&CABClass::SetPlayButton>(0x30, "PlayButton"),
        fw::Row<&CABClass::SetStopButton>(0x31, "StopButton"),
        fw::Row<&CABClass::SetForwardButton>(0x32, "ForwardButton"),
        fw::Row<&CABClass::SetReloadButton>(0x33, "ReloadButton"),
        fw::Row<&CABClass::SetPlusButton>(0x34, "PlusButton"),
        fw::Row<&CABClass::SetMinusButton>(0x35, "MinusButton"),
        fw::Row<&CABClass::SetNoteButton>(0x36, "NoteButton"),
        fw::Row<&CABClass::SetXButton>(0x37, "XButton"),
        fw::Row<&CABClass::SetHelpButton>(0x38, "HelpButton"),
        fw::Row<&CABClass::SetToggle>(0x3a, "Toggle"),
        fw::Row<&CABClass::SetAppleButton>(0x3b, "AppleButton"),
        fw::Row<&CABClass::SetBackButton>(0x3c, "BackButton"),
        fw::Row<&CABClass::SetPauseButton>(0x3d, "PauseButton"),
        fw::Row<&CABClass::SetHomeButton>(0x3e, "HomeButton"),
        fw::Row<&CABClass::SetGearButton>(0x3f, "GearButton"),
        fw::Row<&CABClass::SetCDButton>(0x40, "CDButton"),
        fw::Row<&CABClass::SetDiskButton>(0x41, "DiskButton"),
        fw::Row<&CABClass::SetEnvelopeButton>(0x42, "EnvelopeButton"),
        fw::Row<&CABClass::SetMiniArrowUp>(0x50, "MiniArrowUp"),
        fw::Row<&CABClass::SetMiniArrowDown>(0x51, "MiniArrowDown"),
        fw::Row<&CABClass::SetMiniArrowRight>(0x52, "MiniArrowRight"),
        fw::Row<&CABClass::SetMiniArrowLeft>(0x53, "MiniArrowLeft"),
        fw::Row<&CABClass::SetPrinterButton>(0x5a, "PrinterButton"),
        fw::Row<&CABClass::SetPowerButton>(0x5b, "PowerButton"),
        fw::Row<&CABClass::SetHeadPhonesButton>(0x5c, "HeadPhonesButton"),
        fw::Row<&CABClass::SetWebButton>(0x5d, "WebButton"),
        fw::Row<&CABClass::SetUsersButton>(0x5e, "UsersButton"),
        fw::Row<&CABClass::SetHammerButton>(0x5f, "HammerButton"),
        fw::Row<&CABClass::SetFindButton>(0x60, "FindButton"),
    };
    return kRows;
}

// ---------------------------------------------------------------- colours

void CABClass::SetPressedButtonColor(int red, int green, int blue)
{
    m_pressedFace = {double(red), double(green), double(blue)};
}

void CABClass::SetUpButtonColor(int red, int green, int blue)
{
    m_upFace = {double(red), double(green), double(blue)};
}

void CABClass::SetUpSymbolColor(int red, int green, int blue)
{
    m_upSymbol = {double(red), double(green), double(blue)};
}

void CABClass::SetPressedSymbolColor(int red, int green, int blue)
{
    m_pressedSymbol = {double(red), double(green), double(blue)};
}

// ------------------------------------------------------- opening, closing

void CABClass::Setup()
{
    m_flags.reset();
    m_toggle = false;
    m_useBorder = false;
    // Untouched, a button shows its artwork's own colours and its pressed
    // face gets 255 more blue.
    SetUpButtonColor(0, 0, 0);
    SetUpSymbolColor(0, 0, 0);
    SetPressedButtonColor(0, 0, 255);
    SetPressedSymbolColor(0, 0, 0);
    m_buttonType.clear();
}

void CABClass::Event_Open()
{
    try {
        Guarded("Error in Open Class", [this] {
            Setup();
            Open.Raise();
            SizeCheck();
            ChooseKind();
            BuildPictures();
            FramePictures();
        });
    } catch (const Reported&) {
    }
}

void CABClass::ChooseKind()
{
    // Mini arrows first, then round, then the pre-drawn kinds in table order.
    if (cabkinds::AnyMiniArrow(m_flags))
        SetMiniArrows();
    else if (cabkinds::AnyRound(m_flags))
        SetRoundButton();
    else if (const cabkinds::PreDrawn* kind = cabkinds::FirstPreDrawn(m_flags))
        SetPreDrawn(*kind);
}

void CABClass::BuildPictures()
{
    // By the kind chosen, whatever other flags are set.
    switch (cabkinds::FamilyOf(m_buttonType)) {
    case Family::Round:
    case Family::MiniArrow:
        GeneratePics();
        LoadFromTemp();
        break;
    case Family::PreDrawn:
        GenerateOthers();
        LoadOthers();
        break;
    case Family::None:
        break;
    }
}

void CABClass::Event_Close()
{
    try {
        Guarded("Error in Close Class", [this] {
            ReleaseFiles();
            Close.Raise();
        });
    } catch (const Reported&) {
    }
}

void CABClass::ReleaseFiles()
{
    // In the order Normal, Symbol, Masked, Pressed, Disabled; each file goes
    // with its last holder.
    m_files.normal.reset();
    m_files.symbol.reset();
    m_files.masked.reset();
    m_files.pressed.reset();
    m_files.disabled.reset();
}

void CABClass::SizeCheck()
{
    SetLockLeft(false);
    SetLockTop(false);
    SetLockRight(false);
    SetLockBottom(false);
    const cabkinds::Size limited = cabkinds::LimitSize(m_flags, {Width(), Height()});
    if (limited.width != Width())
        SetWidth(limited.width);
    if (limited.height != Height())
        SetHeight(limited.height);
    m_buttonWidth = Width();
    m_buttonHeight = Height();
}

// ------------------------------------------------------------------ kinds

void CABClass::SetRoundButton()
{
    Guarded("Error in Set Round", [this] {
        m_normalPicString = cabart::kRoundFace;
        m_maskPicString = cabart::kRoundMask;
        m_buttonType = cabkinds::kRoundType;
        if (const cabkinds::RoundSymbol* symbol = cabkinds::FirstRound(m_flags)) {
            m_symbolPicString = symbol->art;
            m_symbolType = symbol->symbolType;
        }
    });
}

void CABClass::SetMiniArrows()
{
    Guarded("Error in Set MiniArrow", [this] {
        // The symbol's tag follows the artwork, so that a symbol file always
        // holds the symbol its name says.
        if (const cabkinds::MiniArrow* arrow = cabkinds::ChosenMiniArrow(m_flags)) {
            m_normalPicString = arrow->face;
            m_symbolPicString = arrow->symbol;
            m_maskPicString = arrow->mask;
            m_buttonType = arrow->buttonType;
            m_symbolType = arrow->symbolType;
        }
    });
}

void CABClass::SetPreDrawn(const cabkinds::PreDrawn& kind)
{
    Guarded(kind.setUpError, [&] {
        m_normalPicString = kind.normal;
        m_maskPicString = kind.mask;
        m_pressedPicString = kind.pressed;
        m_disabledPicString = kind.disabled;
        m_buttonType = kind.buttonType;
    });
}

// ---------------------------------------------------------------- drawing

// The picture at the control's size with the shape mask as its mask; the
// mask is clear wherever the built pictures do not reach.
fw::PicturePtr CABClass::Framed(const fw::PicturePtr& picture) const
{
    if (!picture || !m_buttonMask)
        return nullptr;
    fw::PicturePtr framed = NewPicture(Width(), Height());
    if (!framed)
        return nullptr;
    framed->Graphics().DrawPicture(*picture, 0, 0);
    fw::Graphics& mask = framed->Mask()->Graphics();
    mask.SetForeColor(fw::RGB(255, 255, 255));
    mask.FillRect(0, 0, framed->Width(), framed->Height());
    mask.DrawPicture(*m_buttonMask, 0, 0);
    return framed;
}

void CABClass::FramePictures()
{
    m_framedPlain = Framed(m_plain);
    m_framedPressed = Framed(m_pressed);
    m_framedDisabled = Framed(m_disabled);
    m_buttonPic = Enabled() ? m_framedPlain : m_framedDisabled;
}

void CABClass::Display(fw::Graphics& g) const
{
    if (const fw::PicturePtr& face = Enabled() ? m_framedPlain : m_framedDisabled)
        g.DrawPicture(*face, 0, 0);
}

void CABClass::Pressed()
{
    if (!m_framedPressed)
        return;
    m_buttonPic = m_framedPressed;
    // Straight onto the screen, before anyone hears of the press.
    fw::CanvasGraphics g = Graphics();
    g->DrawPicture(*m_buttonPic, 0, 0);
}

void CABClass::Event_Paint(fw::Graphics& g)
{
    Display(g);
    Paint.Raise(g);
}

bool CABClass::InsideShape(int x, int y) const
{
    // Nothing drawn yet, or a point beyond the built pictures: outside.
    if (!m_buttonPic || !m_buttonMask || x < 0 || y < 0 || x >= m_buttonPic->Width() || y >= m_buttonPic->Height()
        || x >= m_buttonMask->Width() || y >= m_buttonMask->Height())
        return false;
    return m_buttonPic->Mask()->RGBSurface().Pixel(x, y).Red != 255;
}

bool CABClass::Event_MouseDown(int x, int y)
{
    if (!InsideShape(x, y))
        return false;
    Pressed();
    MouseDown.Raise(x, y);
    return true;
}

void CABClass::Event_MouseUp(int x, int y)
{
    if (m_toggle)
        return;
    m_buttonPic = Enabled() ? m_framedPlain : m_framedDisabled;
    Refresh(true);
    MouseUp.Raise(x, y);
}

// ----------------------------------------------------- files and pictures

void CABClass::GeneratePics()
{
    Guarded("Error in Generate.", [this] {
        if (m_symbolType.empty())
            throw std::runtime_error("no symbol");
        m_files.normal = ButtonImageCache::Acquire("Normal" + m_buttonType, m_normalPicString);
        m_files.symbol = ButtonImageCache::Acquire("Symbol" + m_symbolType, m_symbolPicString);
        m_files.masked = ButtonImageCache::Acquire("Masked" + m_buttonType, m_maskPicString);
    });
}

void CABClass::GenerateOthers()
{
    Guarded("Error in Generate Others.", [this] {
        m_files.normal = ButtonImageCache::Acquire("Normal" + m_buttonType, m_normalPicString);
        m_files.pressed = ButtonImageCache::Acquire("Pressed" + m_buttonType, m_pressedPicString);
        m_files.masked = ButtonImageCache::Acquire("Masked" + m_buttonType, m_maskPicString);
        m_files.disabled = ButtonImageCache::Acquire("Disabled" + m_buttonType, m_disabledPicString);
    });
}

void CABClass::ColorChange(fw::Picture& p, const Offsets& offsets) const
{
    if (offsets.Zero())
        return;
    fw::RGBSurface surface = p.RGBSurface();
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            surface.SetPixel(x, y, cabkinds::Recolour(surface.Pixel(x, y), offsets.red, offsets.green, offsets.blue));
}

void CABClass::AttachSymbol(fw::Picture& b, const fw::Picture& s) const
{
    const cabkinds::Point at = cabkinds::SymbolOrigin(b.Width(), b.Height(), s.Width(), s.Height(), AppleButton());
    b.Graphics().DrawPicture(s, at.x, at.y);
}

// One state picture: copies of the face and the symbol, each recoloured, the
// symbol set into the face, all scaled to the button's size. Null when the
// button's size allows no picture.
fw::PicturePtr CABClass::BuildState(const Offsets& faceOffsets, const Offsets& symbolOffsets) const
{
    const int faceWidth = m_masterButton->Width();
    const int faceHeight = m_masterButton->Height();
    fw::PicturePtr face = MustNewPicture(faceWidth, faceHeight);
    face->Graphics().DrawPicture(*m_masterButton, 0, 0);
    fw::PicturePtr symbol = MustNewPicture(m_masterSymbol->Width(), m_masterSymbol->Height());
    symbol->Graphics().DrawPicture(*m_masterSymbol, 0, 0);
    // Its white ground is left out wherever it is drawn.
    symbol->SetTransparent(1);
    fw::PicturePtr target = NewPicture(m_buttonWidth, m_buttonHeight);
    if (!target)
        return nullptr;
    ColorChange(*face, faceOffsets);
    ColorChange(*symbol, symbolOffsets);
    AttachSymbol(*face, *symbol);
    target->Graphics().DrawPicture(*face, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, faceWidth, faceHeight);
    return target;
}

void CABClass::LoadFromTemp()
{
    Guarded("Error in LoadFrom", [this] {
        if (!m_masterButton)
            m_masterButton = ReadPicture(m_files.normal);
        if (!m_masterSymbol)
            m_masterSymbol = ReadPicture(m_files.symbol);
        fw::PicturePtr plain = BuildState(m_upFace, m_upSymbol);
        // No picture of the button's size can be made (a control of no
        // size): nothing is built and the earlier pictures stay.
        if (!plain)
            return;
        fw::PicturePtr pressed = BuildState(m_pressedFace, m_pressedSymbol);
        const fw::PicturePtr maskFile = ReadPicture(m_files.masked);
        fw::PicturePtr mask = MustNewPicture(m_buttonWidth, m_buttonHeight);
        mask->Graphics().DrawPicture(*maskFile, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, m_masterButton->Width(),
                                     m_masterButton->Height());
        fw::PicturePtr disabled = BuildState({15, 15, 15}, {75, 75, 75});
        if (!pressed || !disabled)
            throw std::runtime_error("cannot make a picture of the button's size");
        m_plain = std::move(plain);
        m_pressed = std::move(pressed);
        m_buttonMask = std::move(mask);
        m_disabled = std::move(disabled);
    });
}


void CABClass::LoadOthers()
{
    Guarded("Error in LoadOthers", [this] {
        const fw::PicturePtr normal = ReadPicture(m_files.normal);
        const int width = normal->Width();
        const int height = normal->Height();
        const auto scaled = [&](const fw::PicturePtr& source) {
            fw::PicturePtr target = MustNewPicture(m_buttonWidth, m_buttonHeight);
            target->Graphics().DrawPicture(*source, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, width, height);
            return target;
        };
        fw::PicturePtr plain = scaled(normal);
        fw::PicturePtr pressed = scaled(ReadPicture(m_files.pressed));
        fw::PicturePtr mask = scaled(ReadPicture(m_files.masked));
        fw::PicturePtr disabled = scaled(ReadPicture(m_files.disabled));
        m_plain = std::move(plain);
        m_pressed = std::move(pressed);
        m_buttonMask = std::move(mask);
        m_disabled = std::move(disabled);
    });
}

} // namespace controls
