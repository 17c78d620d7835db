// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabclass.h"

#include "controls/cabartwork.gen.h"
#include "framework/core/digest.h"
#include "framework/gui/application.h"
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"

#include <map>
#include <optional>
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

// Artwork decoded from the program's own copy, shared by the buttons that
// show it while any of them holds it. The cache files hold the same bytes.
fw::PicturePtr Artwork(std::string_view base64)
{
    // Never destroyed; one entry per piece of artwork.
    static auto& decoded = *new std::map<const char*, std::weak_ptr<fw::Picture>>;
    std::weak_ptr<fw::Picture>& slot = decoded[base64.data()];
    if (fw::PicturePtr held = slot.lock())
        return held;
    const std::optional<std::string> bytes = fw::DecodeBase64(base64);
    fw::PicturePtr picture =
        bytes ? fw::Picture::FromPNG(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()))
              : nullptr;
    if (!picture)
        throw std::runtime_error("the artwork holds no picture");
    slot = picture;
    return picture;
}

} // namespace

CABClass::CABClass(fw::Window& window) : fw::Canvas(window) {}

CABClass::~CABClass() = default;

fw::PicturePtr CABClass::NewPicture(std::int32_t width, std::int32_t height) const
{
    fw::PicturePtr picture = fw::Picture::New(width, height, 32);
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0)
        return nullptr;
    return picture;
}

fw::PicturePtr CABClass::MustNewPicture(std::int32_t width, std::int32_t height) const
{
    fw::PicturePtr picture = NewPicture(width, height);
    if (!picture)
        throw std::runtime_error("cannot make a picture of that size");
    return picture;
}

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
    // By the kind chosen, whatever other flags are set: the files now, the
    // pictures when first needed.
    switch (cabkinds::FamilyOf(m_buttonType)) {
    case Family::Round:
    case Family::MiniArrow:
        GeneratePics();
        break;
    case Family::PreDrawn:
        GenerateOthers();
        break;
    case Family::None:
        break;
    }
    PlanPictures();
}

void CABClass::PlanPictures()
{
    m_framed = {};
    m_shown = Enabled() ? State::Plain : State::Disabled;
    const Family family = cabkinds::FamilyOf(m_buttonType);
    const bool sized = m_buttonWidth > 0 && m_buttonHeight > 0;
    if (family == Family::PreDrawn && !sized)
        Guarded("Error in LoadOthers", [] { throw std::runtime_error("no picture of the button's size"); });
    // No kind, or a round button of no size: nothing is built and the
    // earlier pictures stay.
    if (family == Family::None || !sized) {
        m_plan.family = Family::None;
        return;
    }
    m_plan = {family, family == Family::PreDrawn ? "Error in LoadOthers" : "Error in LoadFrom",
              m_upFace, m_pressedFace, m_upSymbol, m_pressedSymbol, AppleButton()};
    m_faces = {};
    m_buttonMask.reset();
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

template <class Step>
void CABClass::Deferred(Step&& step) const
{
    if (m_plan.family == Family::None)
        return;
    try {
        Guarded(m_plan.failure, step);
    } catch (const Reported&) {
    }
}

// The state's picture at the control's size with the shape mask as its mask;
// the mask is clear wherever the built pictures do not reach.
const fw::PicturePtr& CABClass::Framed(State state) const
{
    fw::PicturePtr& framed = m_framed[std::size_t(state)];
    const fw::PicturePtr& picture = Face(state);
    if (framed || !picture || !ButtonMask())
        return framed;
    fw::PicturePtr made = NewPicture(m_buttonWidth, m_buttonHeight);
    if (!made)
        return framed;
    made->Graphics().DrawPicture(*picture, 0, 0);
    fw::Graphics& mask = made->Mask()->Graphics();
    mask.SetForeColor(fw::RGB(255, 255, 255));
    mask.FillRect(0, 0, made->Width(), made->Height());
    mask.DrawPicture(*m_buttonMask, 0, 0);
    framed = std::move(made);
    return framed;
}

void CABClass::Pressed()
{
    if (!Framed(State::Pressed))
        return;
    m_shown = State::Pressed;
    // Straight onto the screen, before anyone hears of the press.
    fw::CanvasGraphics g = Graphics();
    g->DrawPicture(*ButtonPic(), 0, 0);
}

void CABClass::Event_Paint(fw::Graphics& g)
{
    if (const fw::PicturePtr& face = Framed(Enabled() ? State::Plain : State::Disabled))
        g.DrawPicture(*face, 0, 0);
    Paint.Raise(g);
}

bool CABClass::InsideShape(int x, int y) const
{
    // Nothing drawn yet, or a point beyond the built pictures: outside.
    const fw::PicturePtr& picture = ButtonPic();
    const fw::PicturePtr& mask = ButtonMask();
    if (!picture || !mask || x < 0 || y < 0 || x >= picture->Width() || y >= picture->Height() || x >= mask->Width()
        || y >= mask->Height())
        return false;
    return picture->Mask()->RGBSurface().Pixel(x, y).Red != 255;
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
    m_shown = Enabled() ? State::Plain : State::Disabled;
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

void CABClass::AttachSymbol(fw::Picture& b, const fw::Picture& s) const
{
    const cabkinds::Point at = cabkinds::SymbolOrigin(b.Width(), b.Height(), s.Width(), s.Height(), m_plan.apple);
    b.Graphics().DrawPicture(s, at.x, at.y);
}

namespace {

void Recolour(fw::Picture& p, double red, double green, double blue)
{
    if (red == 0 && green == 0 && blue == 0)
        return;
    p.RGBSurface().MapChannels(cabkinds::ShiftedChannel(red), cabkinds::ShiftedChannel(green),
                               cabkinds::ShiftedChannel(blue));
}

} // namespace

void CABClass::LoadMasters() const
{
    if (!m_masterButton)
        m_masterButton = Artwork(m_normalPicString);
    if (!m_masterSymbol)
        m_masterSymbol = Artwork(m_symbolPicString);
}

const fw::PicturePtr& CABClass::MasterButton() const
{
    if (!m_masterButton && m_plan.family != Family::PreDrawn)
        Deferred([this] { LoadMasters(); });
    return m_masterButton;
}

const fw::PicturePtr& CABClass::MasterSymbol() const
{
    if (!m_masterSymbol && m_plan.family != Family::PreDrawn)
        Deferred([this] { LoadMasters(); });
    return m_masterSymbol;
}

// One state picture: copies of the face and the symbol, each recoloured, the
// symbol set into the face, all scaled to the button's size.
fw::PicturePtr CABClass::BuildState(const Offsets& faceOffsets, const Offsets& symbolOffsets) const
{
    LoadMasters();
    const int faceWidth = m_masterButton->Width();
    const int faceHeight = m_masterButton->Height();
    fw::PicturePtr face = MustNewPicture(faceWidth, faceHeight);
    face->Graphics().DrawPicture(*m_masterButton, 0, 0);
    fw::PicturePtr symbol = MustNewPicture(m_masterSymbol->Width(), m_masterSymbol->Height());
    symbol->Graphics().DrawPicture(*m_masterSymbol, 0, 0);
    // Its white ground is left out wherever it is drawn.
    symbol->SetTransparent(1);
    fw::PicturePtr target = MustNewPicture(m_buttonWidth, m_buttonHeight);
    Recolour(*face, faceOffsets.red, faceOffsets.green, faceOffsets.blue);
    Recolour(*symbol, symbolOffsets.red, symbolOffsets.green, symbolOffsets.blue);
    AttachSymbol(*face, *symbol);
    target->Graphics().DrawPicture(*face, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, faceWidth, faceHeight);
    return target;
}

// A pre-drawn button's artwork scaled from the size of its normal picture.
fw::PicturePtr CABClass::ScaledArtwork(std::string_view art) const
{
    const fw::PicturePtr normal = Artwork(m_normalPicString);
    const fw::PicturePtr source = Artwork(art);
    fw::PicturePtr target = MustNewPicture(m_buttonWidth, m_buttonHeight);
    target->Graphics().DrawPicture(*source, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, normal->Width(),
                                   normal->Height());
    return target;
}

const fw::PicturePtr& CABClass::Face(State state) const
{
    fw::PicturePtr& face = m_faces[std::size_t(state)];
    if (face)
        return face;
    Deferred([&] {
        if (m_plan.family == Family::PreDrawn) {
            const std::string_view art[kStates] = {m_normalPicString, m_pressedPicString, m_disabledPicString};
            face = ScaledArtwork(art[std::size_t(state)]);
            return;
        }
        // Disabled: greyer face, much greyer symbol.
        const Offsets disabledFace{15, 15, 15}, disabledSymbol{75, 75, 75};
        const Offsets* offsets[kStates][2] = {{&m_plan.upFace, &m_plan.upSymbol},
                                              {&m_plan.pressedFace, &m_plan.pressedSymbol},
                                              {&disabledFace, &disabledSymbol}};
        const auto& [faceOffsets, symbolOffsets] = offsets[std::size_t(state)];
        face = BuildState(*faceOffsets, *symbolOffsets);
    });
    return face;
}

const fw::PicturePtr& CABClass::ButtonMask() const
{
    if (m_buttonMask)
        return m_buttonMask;
    Deferred([this] {
        if (m_plan.family == Family::PreDrawn) {
            m_buttonMask = ScaledArtwork(m_maskPicString);
            return;
        }
        LoadMasters();
        const fw::PicturePtr art = Artwork(m_maskPicString);
        fw::PicturePtr mask = MustNewPicture(m_buttonWidth, m_buttonHeight);
        mask->Graphics().DrawPicture(*art, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, m_masterButton->Width(),
                                     m_masterButton->Height());
        m_buttonMask = std::move(mask);
    });
    return m_buttonMask;
}

} // namespace controls
