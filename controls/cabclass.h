// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/buttonimagecache.h"
#include "controls/cabkinds.h"
#include "framework/gui/canvas.h"
#include "framework/gui/event.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {
class Graphics;
class Picture;
using PicturePtr = std::shared_ptr<Picture>;
} // namespace fw

namespace controls {

// A drawn push button: a glossy face with an optional symbol, built when it
// opens from artwork the class carries. The holder picks the kind by setting
// one flag in its Open handler: a round button with one of 18 symbols
// (PlayButton ... FindButton), a mini arrow (MiniArrowUp ...) or one of six
// pre-drawn buttons (GearButton ...). Flags stored in the layout are cleared
// before that handler runs.
//
// Events: Open (after the set-up, before the kind is chosen), Close, Paint
// (over the button), MouseDown (a press inside the button's shape, once the
// pressed picture shows) and MouseUp. A failure shows a message box naming
// the step ("Error in Open Class", "Error in Set Round", ...) and quits the
// application with a failure status.
class CABClass : public fw::Canvas {
public:
    explicit CABClass(fw::Window& window);
    ~CABClass() override;
    std::string_view ClassName() const override { return "CABClass"; }
    static std::span<const fw::PropertyInfo> StoredProperties();

    // Gives no result, unlike Control::MouseDown, which it hides: the button
    // itself decides whether it takes the click.
    fw::Event<void(int x, int y)> MouseDown;

    bool Flag(cabkinds::Flag flag) const { return m_flags[cabkinds::Bit(flag)]; }
    void SetFlag(cabkinds::Flag flag, bool on) { m_flags[cabkinds::Bit(flag)] = on; }

#define CAB_FLAG(name)                                                    \
    bool name() const { return Flag(cabkinds::Flag::name); }              \
    void Set##name(bool on) { SetFlag(cabkinds::Flag::name, on); }
    CAB_FLAG(PlayButton)
    CAB_FLAG(StopButton)
    CAB_FLAG(ForwardButton)
    CAB_FLAG(BackButton)
    CAB_FLAG(PauseButton)
    CAB_FLAG(AppleButton)
    CAB_FLAG(ReloadButton)
    CAB_FLAG(PlusButton)
    CAB_FLAG(MinusButton)
    CAB_FLAG(NoteButton)
    CAB_FLAG(XButton)
    CAB_FLAG(HelpButton)
    CAB_FLAG(PowerButton)
    CAB_FLAG(HeadPhonesButton)
    CAB_FLAG(WebButton)
    CAB_FLAG(UsersButton)
    CAB_FLAG(HammerButton)
    CAB_FLAG(FindButton)
    CAB_FLAG(MiniArrowUp)
    CAB_FLAG(MiniArrowDown)
    CAB_FLAG(MiniArrowRight)
    CAB_FLAG(MiniArrowLeft)
    CAB_FLAG(GearButton)
    CAB_FLAG(HomeButton)
    CAB_FLAG(CDButton)
    CAB_FLAG(DiskButton)
    CAB_FLAG(EnvelopeButton)
    CAB_FLAG(PrinterButton)
#undef CAB_FLAG

    // When on, releasing the mouse neither redraws nor raises MouseUp.
    bool Toggle() const { return m_toggle; }
    void SetToggle(bool on) { m_toggle = on; }
    bool UseBorder() const { return m_useBorder; }
    void SetUseBorder(bool on) { m_useBorder = on; }

    // Amounts added to the red, green and blue of the face or the symbol of
    // the up or pressed picture; the pictures take those set by the end of
    // the holder's Open handler.
    void SetPressedButtonColor(int red, int green, int blue);
    void SetUpButtonColor(int red, int green, int blue);
    void SetUpSymbolColor(int red, int green, int blue);
    void SetPressedSymbolColor(int red, int green, int blue);
    double UpHue() const { return m_upFace.red; }
    double UpSat() const { return m_upFace.green; }
    double UpValue() const { return m_upFace.blue; }
    double PressedHue() const { return m_pressedFace.red; }
    double PressedSat() const { return m_pressedFace.green; }
    double PressedValue() const { return m_pressedFace.blue; }
    double UpSymbolHue() const { return m_upSymbol.red; }
    double UpSymbolSat() const { return m_upSymbol.green; }
    double UpSymbolValue() const { return m_upSymbol.blue; }
    double PressedSymbolHue() const { return m_pressedSymbol.red; }
    double PressedSymbolSat() const { return m_pressedSymbol.green; }
    double PressedSymbolValue() const { return m_pressedSymbol.blue; }

    // The kind's tags: ".round", ".miniup", ".Gear" ...; "" when no kind was
    // chosen. SymbolType names the symbol (".back", ".Up").
    const std::string& ButtonType() const { return m_buttonType; }
    const std::string& SymbolType() const { return m_symbolType; }
    // The size every picture is built at: the control's, as last limited.
    std::int32_t ButtonWidth() const { return m_buttonWidth; }
    std::int32_t ButtonHeight() const { return m_buttonHeight; }

    // The pictures Open planned, each built when first needed (a paint, a
    // press, a caller) and then kept. A failure in building one shows its
    // step's message ("Error in LoadFrom", "Error in LoadOthers") and quits
    // with a failure status, as at Open; the picture stays null.
    // The picture of the last draw, whose mask decides what a press hits.
    const fw::PicturePtr& ButtonPic() const { return Framed(m_shown); }
    const fw::PicturePtr& PlainButtonPic() const { return Face(State::Plain); }
    const fw::PicturePtr& PressButtonPic() const { return Face(State::Pressed); }
    const fw::PicturePtr& DisabledButtonPic() const { return Face(State::Disabled); }
    const fw::PicturePtr& ButtonMask() const;
    // The decoded face and symbol, kept for rebuilds; shared with the other
    // buttons that show the same artwork, so never drawn into.
    const fw::PicturePtr& MasterButton() const;
    const fw::PicturePtr& MasterSymbol() const;

protected:
    // A new picture, or null when the platform cannot make one of that size.
    virtual fw::PicturePtr NewPicture(std::int32_t width, std::int32_t height) const;
    void Event_Open() override;
    void Event_Close() override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;
    void Event_Paint(fw::Graphics& g) override;

private:
    struct Offsets {
        double red = 0;
        double green = 0;
        double blue = 0;
        bool Zero() const { return red == 0 && green == 0 && blue == 0; }
    };
    enum class State : std::size_t { Plain, Pressed, Disabled };
    static constexpr std::size_t kStates = 3;
    // What Open chose for the pictures: they are built from it when first
    // needed, whatever the holder changes later.
    struct Plan {
        cabkinds::Family family = cabkinds::Family::None;
        std::string_view failure;
        Offsets upFace, pressedFace, upSymbol, pressedSymbol;
        bool apple = false;
    };

    void Setup();
    void SizeCheck();
    void ChooseKind();
    void BuildPictures();
    void PlanPictures();
    void SetRoundButton();
    void SetMiniArrows();
    void SetPreDrawn(const cabkinds::PreDrawn& kind);
    void Pressed();
    bool InsideShape(int x, int y) const;
    void GeneratePics();
    void GenerateOthers();
    void ReleaseFiles();

    // On demand: a state's picture at the button's size, and that picture
    // as it draws (at the control's size, through the shape mask).
    const fw::PicturePtr& Face(State state) const;
    const fw::PicturePtr& Framed(State state) const;
    // Runs a build Open planned under the plan's failure message; a failure
    // leaves the picture null and is reported once, as the run quits.
    template <class Step>
    void Deferred(Step&& step) const;
    fw::PicturePtr MustNewPicture(std::int32_t width, std::int32_t height) const;
    void LoadMasters() const;
    fw::PicturePtr BuildState(const Offsets& face, const Offsets& symbol) const;
    fw::PicturePtr ScaledArtwork(std::string_view art) const;
    void AttachSymbol(fw::Picture& b, const fw::Picture& s) const;

    cabkinds::Flags m_flags;
    bool m_toggle = false;
    bool m_useBorder = false;
    Offsets m_upFace, m_pressedFace{0, 0, 255}, m_upSymbol, m_pressedSymbol;

    std::string m_buttonType;
    std::string m_symbolType;
    std::string_view m_normalPicString, m_symbolPicString, m_maskPicString;
    std::string_view m_pressedPicString, m_disabledPicString;
    std::int32_t m_buttonWidth = 0;
    std::int32_t m_buttonHeight = 0;

    Plan m_plan;
    State m_shown = State::Plain;
    mutable std::array<fw::PicturePtr, kStates> m_faces, m_framed;
    mutable fw::PicturePtr m_buttonMask, m_masterButton, m_masterSymbol;

    // The picture files this button holds, by role.
    struct Files {
        ButtonImageFilePtr normal, symbol, masked, pressed, disabled;
    } m_files;
};

} // namespace controls
