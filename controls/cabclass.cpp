// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/cabclass.h"

#include "controls/cabartwork.gen.h"
#include "framework/gui/application.h"
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"

#include <stdexcept>
#include <utility>

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

// A step whose failure has been reported ends the routine that ran it.
template <class Step>
void Reporting(Step&& step)
{
    try {
        step();
    } catch (const Reported&) {
    }
}

fw::PicturePtr Read(const ButtonImageFilePtr& file)
{
    fw::PicturePtr picture = file ? file->OpenAsPicture() : nullptr;
    if (!picture)
        throw std::runtime_error("a picture file cannot be read");
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
        fw::Row<&CABClass::SetHomeButtonFlag>(0x3e, "HomeButton"),
        fw::Row<&CABClass::SetGearButtonFlag>(0x3f, "GearButton"),
        fw::Row<&CABClass::SetCDButtonFlag>(0x40, "CDButton"),
        fw::Row<&CABClass::SetDiskButtonFlag>(0x41, "DiskButton"),
        fw::Row<&CABClass::SetEnvelopeButtonFlag>(0x42, "EnvelopeButton"),
        fw::Row<&CABClass::SetMiniArrowUp>(0x50, "MiniArrowUp"),
        fw::Row<&CABClass::SetMiniArrowDown>(0x51, "MiniArrowDown"),
        fw::Row<&CABClass::SetMiniArrowRight>(0x52, "MiniArrowRight"),
        fw::Row<&CABClass::SetMiniArrowLeft>(0x53, "MiniArrowLeft"),
        fw::Row<&CABClass::SetPrinterButtonFlag>(0x5a, "PrinterButton"),
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
    Reporting([this] {
        Guarded("Error in Open Class", [this] {
            Setup();
            Open.Raise();
            SizeCheck();
            ChooseKind();
            BuildPictures();
        });
    });
}

void CABClass::ChooseKind()
{
    // Mini arrows first, then round, then the pre-drawn kinds in table order.
    if (cabkinds::AnyMiniArrow(m_flags)) {
        SetMiniArrows();
        return;
    }
    if (cabkinds::AnyRound(m_flags)) {
        SetRoundButton();
        return;
    }
    const cabkinds::PreDrawn* kind = cabkinds::FirstPreDrawn(m_flags);
    if (!kind)
        return;
    using F = cabkinds::Flag;
    static constexpr std::pair<F, void (CABClass::*)()> kSetUps[] = {
        {F::GearButton, &CABClass::SetGearButton},         {F::HomeButton, &CABClass::SetHomeButton},
        {F::CDButton, &CABClass::SetCdButton},             {F::DiskButton, &CABClass::SetDiskButton},
        {F::EnvelopeButton, &CABClass::SetEnvelopeButton}, {F::PrinterButton, &CABClass::SetPrinterButton},
    };
    for (const auto& [flag, setUp] : kSetUps)
        if (flag == kind->flag)
            (this->*setUp)();
}

void CABClass::BuildPictures()
{
    // By the kind chosen, whatever other flags are set.
    switch (cabkinds::FamilyOf(m_buttonType)) {
    case Family::Round:
    case Family::MiniArrow:
        // The files now; reading and recolouring them waits until the
        // pictures are first needed, so that opening a window stays quick.
        GeneratePics();
        TakeColours();
        m_loadDue = true;
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
    Reporting([this] {
        Guarded("Error in Close Class", [this] {
            // In the order Normal, Symbol, Masked, Pressed, Disabled; each
            // file goes with its last holder.
            m_files.normal.reset();
            m_files.symbol.reset();
            m_files.masked.reset();
            m_files.pressed.reset();
            m_files.disabled.reset();
            Close.Raise();
        });
    });
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

void CABClass::SetGearButton()
{
    SetPreDrawn(cabkinds::Flag::GearButton);
}

void CABClass::SetHomeButton()
{
    SetPreDrawn(cabkinds::Flag::HomeButton);
}

void CABClass::SetCdButton()
{
    SetPreDrawn(cabkinds::Flag::CDButton);
}

void CABClass::SetDiskButton()
{
    SetPreDrawn(cabkinds::Flag::DiskButton);
}

void CABClass::SetEnvelopeButton()
{
    SetPreDrawn(cabkinds::Flag::EnvelopeButton);
}

void CABClass::SetPrinterButton()
{
    SetPreDrawn(cabkinds::Flag::PrinterButton);
}

void CABClass::SetPreDrawn(cabkinds::Flag flag)
{
    const cabkinds::PreDrawn& kind = *cabkinds::PreDrawnKind(flag);
    Guarded(kind.setUpError, [&] {
        m_normalPicString = kind.normal;
        m_maskPicString = kind.mask;
        m_pressedPicString = kind.pressed;
        m_disabledPicString = kind.disabled;
        m_buttonType = kind.buttonType;
    });
}

void CABClass::SwitchSymbol(std::string_view name)
{
    if (m_buttonType != cabkinds::kRoundType)
        return;
    for (const cabkinds::RoundSymbol& symbol : cabkinds::kRoundSymbols)
        SetFlag(symbol.flag, false);
    if (const std::optional<cabkinds::Flag> flag = cabkinds::SwitchSymbolFlag(name))
        SetFlag(*flag, true);
}

void CABClass::Update()
{
    Reporting([this] {
        const std::string oldButton = m_buttonType;
        const std::string oldSymbol = m_symbolType;
        bool chosen = true;
        if (cabkinds::AnyRound(m_flags))
            SetRoundButton();
        else if (cabkinds::AnyMiniArrow(m_flags))
            SetMiniArrows();
        else
            chosen = false;
        if (chosen && (m_symbolType != oldSymbol || m_buttonType != oldButton)) {
            // The old symbol's file goes with its last holder. Another kind
            // brings another face too, read from its own file.
            m_files.symbol.reset();
            if (m_buttonType != oldButton) {
                m_files = {};
                m_masterButton.reset();
            }
            GeneratePics();
            m_masterSymbol.reset();
        }
        // Built now, with the colours of now. A pre-drawn button is built
        // again from its own files; one without a kind has nothing to build.
        TakeColours();
        m_loadDue = false;
        switch (cabkinds::FamilyOf(m_buttonType)) {
        case Family::Round:
        case Family::MiniArrow:
            LoadFromTemp();
            break;
        case Family::PreDrawn:
            LoadOthers();
            break;
        case Family::None:
            break;
        }
    });
    Refresh(true);
}

// ---------------------------------------------------------------- drawing

const fw::PicturePtr& CABClass::Framed(State state)
{
    const fw::PicturePtr& picture = state == State::Plain ? PlainButtonPic() : BuiltState(state);
    fw::PicturePtr& framed = m_framed[std::size_t(state)];
    if (framed && framed->Width() == Width() && framed->Height() == Height())
        return framed;
    framed.reset();
    if (!picture || !m_buttonMask)
        return framed;
    fw::PicturePtr made = NewPicture(Width(), Height());
    if (!made)
        return framed;
    made->Graphics().DrawPicture(*picture, 0, 0);
    // Clear wherever the shape mask does not reach.
    fw::Graphics& mask = made->Mask()->Graphics();
    mask.SetForeColor(fw::RGB(255, 255, 255));
    mask.FillRect(0, 0, made->Width(), made->Height());
    mask.DrawPicture(*m_buttonMask, 0, 0);
    framed = std::move(made);
    return framed;
}

void CABClass::Display(fw::Graphics& g)
{
    m_buttonPic = Framed(Enabled() ? State::Plain : State::Disabled);
    if (m_buttonPic)
        g.DrawPicture(*m_buttonPic, 0, 0);
}

void CABClass::Pressed()
{
    m_buttonPic = Framed(State::Pressed);
    if (!m_buttonPic)
        return;
    // Straight onto the screen, before anyone hears of the press; the next
    // paint shows what Display draws.
    fw::CanvasGraphics g = Graphics();
    g->DrawPicture(*m_buttonPic, 0, 0);
}

void CABClass::Event_Paint(fw::Graphics& g)
{
    Display(g);
    Paint.Raise(g);
    SizeCheck();
}

bool CABClass::InsideShape(int x, int y) const
{
    // Nothing drawn yet, or a point beyond the picture: outside.
    if (!m_buttonPic || x < 0 || y < 0 || x >= m_buttonPic->Width() || y >= m_buttonPic->Height())
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
    Refresh(true);
    MouseUp.Raise(x, y);
}

void CABClass::Event_PressLost()
{
    // No release came (a menu or another program took the mouse): the
    // button comes up as at a release, without MouseUp.
    if (!m_toggle)
        Refresh(true);
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

void CABClass::TakeColours()
{
    m_plan = {m_upFace, m_pressedFace, m_upSymbol, m_pressedSymbol, AppleButton()};
}

const fw::PicturePtr& CABClass::Built(const fw::PicturePtr& picture) const
{
    // The deferred step of Open runs once; the button is never a const
    // object.
    if (m_loadDue) {
        auto* self = const_cast<CABClass*>(this);
        self->m_loadDue = false;
        Reporting([self] { self->LoadFromTemp(); });
    }
    return picture;
}

void CABClass::ColorChange(fw::Picture& p, double red, double green, double blue) const
{
    if (red == 0 && green == 0 && blue == 0)
        return;
    p.RGBSurface().MapChannels(cabkinds::ShiftedChannel(red), cabkinds::ShiftedChannel(green),
                               cabkinds::ShiftedChannel(blue));
}

void CABClass::AttachSymbol(fw::Picture& b, const fw::Picture& s) const
{
    const cabkinds::Point at = cabkinds::SymbolOrigin(b.Width(), b.Height(), s.Width(), s.Height(), m_plan.apple);
    b.Graphics().DrawPicture(s, at.x, at.y);
}

// One state picture: copies of the face and the symbol, each recoloured, the
// symbol set into the face, all scaled to the button's size. Null when the
// platform cannot make the picture at the button's size and mayFail.
fw::PicturePtr CABClass::StatePicture(const Offsets& faceOffsets, const Offsets& symbolOffsets, bool mayFail)
{
    const int faceWidth = m_masterButton->Width();
    const int faceHeight = m_masterButton->Height();
    fw::PicturePtr face = MustNewPicture(faceWidth, faceHeight);
    face->Graphics().DrawPicture(*m_masterButton, 0, 0);
    fw::PicturePtr symbol = MustNewPicture(m_masterSymbol->Width(), m_masterSymbol->Height());
    symbol->Graphics().DrawPicture(*m_masterSymbol, 0, 0);
    // Its white ground is left out wherever it is drawn.
    symbol->SetTransparent(1);
    fw::PicturePtr target = mayFail ? NewPicture(m_buttonWidth, m_buttonHeight)
                                    : MustNewPicture(m_buttonWidth, m_buttonHeight);
    if (!target)
        return nullptr;
    ColorChange(*face, faceOffsets.red, faceOffsets.green, faceOffsets.blue);
    ColorChange(*symbol, symbolOffsets.red, symbolOffsets.green, symbolOffsets.blue);
    AttachSymbol(*face, *symbol);
    target->Graphics().DrawPicture(*face, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, faceWidth, faceHeight);
    return target;
}

// A file's picture drawn into a new picture of the button's size, scaled
// from width x height.
fw::PicturePtr CABClass::ScaledFromFile(const ButtonImageFilePtr& file, std::int32_t width, std::int32_t height)
{
    const fw::PicturePtr source = Read(file);
    fw::PicturePtr target = MustNewPicture(m_buttonWidth, m_buttonHeight);
    target->Graphics().DrawPicture(*source, 0, 0, m_buttonWidth, m_buttonHeight, 0, 0, width, height);
    return target;
}

void CABClass::SetPictures(fw::PicturePtr plain, fw::PicturePtr pressed, fw::PicturePtr mask,
                           fw::PicturePtr disabled)
{
    m_plainButtonPic = std::move(plain);
    m_pressButtonPic = std::move(pressed);
    m_buttonMask = std::move(mask);
    m_disabledButtonPic = std::move(disabled);
    m_framed = {};
    m_stateDue = {};
}

void CABClass::LoadFromTemp()
{
    Guarded("Error in LoadFrom", [this] {
        if (!m_masterButton)
            m_masterButton = Read(m_files.normal);
        if (!m_masterSymbol)
            m_masterSymbol = Read(m_files.symbol);
        fw::PicturePtr plain = StatePicture(m_plan.upFace, m_plan.upSymbol, true);
        // No picture at the button's size: nothing is built and the earlier
        // pictures stay.
        if (!plain)
            return;
        fw::PicturePtr mask = ScaledFromFile(m_files.masked, m_masterButton->Width(), m_masterButton->Height());
        // The pressed and disabled pictures follow from the same masters and
        // colours when first needed: most buttons show neither before the
        // window has long been on screen.
        SetPictures(std::move(plain), nullptr, std::move(mask), nullptr);
        m_stateDue[std::size_t(State::Pressed)] = true;
        m_stateDue[std::size_t(State::Disabled)] = true;
    });
}

const fw::PicturePtr& CABClass::BuiltState(State state) const
{
    Built(m_plainButtonPic);
    auto* self = const_cast<CABClass*>(this);
    fw::PicturePtr& picture = state == State::Pressed ? self->m_pressButtonPic : self->m_disabledButtonPic;
    if (std::exchange(self->m_stateDue[std::size_t(state)], false))
        Reporting([&] {
            Guarded("Error in LoadFrom", [&] {
                // Disabled: greyer face, much greyer symbol.
                picture = state == State::Pressed ? self->StatePicture(m_plan.pressedFace, m_plan.pressedSymbol, false)
                                                  : self->StatePicture({15, 15, 15}, {75, 75, 75}, false);
            });
        });
    return picture;
}

void CABClass::LoadOthers()
{
    Guarded("Error in LoadOthers", [this] {
        // The normal picture's size is the source size of all four.
        const fw::PicturePtr normal = Read(m_files.normal);
        const auto scaled = [&](const ButtonImageFilePtr& file) {
            return ScaledFromFile(file, normal->Width(), normal->Height());
        };
        fw::PicturePtr plain = scaled(m_files.normal);
        fw::PicturePtr pressed = scaled(m_files.pressed);
        fw::PicturePtr mask = scaled(m_files.masked);
        fw::PicturePtr disabled = scaled(m_files.disabled);
        SetPictures(std::move(plain), std::move(pressed), std::move(mask), std::move(disabled));
    });
}

} // namespace controls
