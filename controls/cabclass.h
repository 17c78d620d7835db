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
// opens from artwork the class carries, by way of picture files. The holder
// picks the kind by setting one flag in its Open handler: a round button
// with one of 18 symbols (PlayButton ... FindButton), a mini arrow
// (MiniArrowUp ...) or one of six pre-drawn buttons (GearButton ...). Flags
// stored in the layout are cleared before that handler runs.
//
// Events: Open (after the set-up, before the kind is chosen), Close, Paint
// (over the button), MouseDown (a press inside the button's shape, once the
// pressed picture shows) and MouseUp. A failure shows a message box naming
// the step ("Error in Open Class", "Error in Set Round", ...) and quits the
// application with a failure status.
class CABClass : public fw::Canvas {
    enum class State : std::size_t { Plain, Pressed, Disabled };

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

#define CAB_FLAG(name, setter)                                            \
    bool name() const { return Flag(cabkinds::Flag::name); }              \
    void setter(bool on) { SetFlag(cabkinds::Flag::name, on); }
    CAB_FLAG(PlayButton, SetPlayButton)
    CAB_FLAG(StopButton, SetStopButton)
    CAB_FLAG(ForwardButton, SetForwardButton)
    CAB_FLAG(BackButton, SetBackButton)
    CAB_FLAG(PauseButton, SetPauseButton)
    CAB_FLAG(AppleButton, SetAppleButton)
    CAB_FLAG(ReloadButton, SetReloadButton)
    CAB_FLAG(PlusButton, SetPlusButton)
    CAB_FLAG(MinusButton, SetMinusButton)
    CAB_FLAG(NoteButton, SetNoteButton)
    CAB_FLAG(XButton, SetXButton)
    CAB_FLAG(HelpButton, SetHelpButton)
    CAB_FLAG(PowerButton, SetPowerButton)
    CAB_FLAG(HeadPhonesButton, SetHeadPhonesButton)
    CAB_FLAG(WebButton, SetWebButton)
    CAB_FLAG(UsersButton, SetUsersButton)
    CAB_FLAG(HammerButton, SetHammerButton)
    CAB_FLAG(FindButton, SetFindButton)
    CAB_FLAG(MiniArrowUp, SetMiniArrowUp)
    CAB_FLAG(MiniArrowDown, SetMiniArrowDown)
    CAB_FLAG(MiniArrowRight, SetMiniArrowRight)
    CAB_FLAG(MiniArrowLeft, SetMiniArrowLeft)
    // SetGearButton ... SetPrinterButton are the set-up routines of these
    // kinds, so their flags' setters end in Flag.
    CAB_FLAG(GearButton, SetGearButtonFlag)
    CAB_FLAG(HomeButton, SetHomeButtonFlag)
    CAB_FLAG(CDButton, SetCDButtonFlag)
    CAB_FLAG(DiskButton, SetDiskButtonFlag)
    CAB_FLAG(EnvelopeButton, SetEnvelopeButtonFlag)
    CAB_FLAG(PrinterButton, SetPrinterButtonFlag)
#undef CAB_FLAG

    // When on, releasing the mouse neither redraws nor raises MouseUp: the
    // pressed picture stays until the control is next painted.
    bool Toggle() const { return m_toggle; }
    void SetToggle(bool on) { m_toggle = on; }
    bool UseBorder() const { return m_useBorder; }
    void SetUseBorder(bool on) { m_useBorder = on; }

    // Amounts added to the red, green and blue of the face or the symbol of
    // the up or pressed picture. The pictures take them when they are next
    // built: at Open when set from the holder's Open handler, else at the
    // next Update.
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

    // On a round button, sets the flag of the symbol of that name ("Play",
    // "Back", "HeadPhones" ..., exactly as written) in place of the others;
    // an unknown name leaves none set. Update shows it.
    void SwitchSymbol(std::string_view name);
    // Rebuilds a round or mini arrow button after its flags or colours
    // changed, from its picture files (a new symbol's file written and read,
    // the old one let go), then redraws.
    void Update();

    // The kind's tags: ".round", ".miniup", ".Gear" ...; "" when no kind was
    // chosen. SymbolType names the symbol (".back", ".Up").
    const std::string& ButtonType() const { return m_buttonType; }
    const std::string& SymbolType() const { return m_symbolType; }
    // The size every picture is built at: the control's, as last limited.
    std::int32_t ButtonWidth() const { return m_buttonWidth; }
    std::int32_t ButtonHeight() const { return m_buttonHeight; }
    // The kind's artwork, base64 PNG; empty where the kind has none.
    std::string_view NormalPicString() const { return m_normalPicString; }
    std::string_view SymbolPicString() const { return m_symbolPicString; }
    std::string_view MaskPicString() const { return m_maskPicString; }
    std::string_view PressedPicString() const { return m_pressedPicString; }
    std::string_view DisabledPicString() const { return m_disabledPicString; }
    // A picture for the holder; the button neither sets nor reads it.
    const fw::PicturePtr& SymbolPic() const { return m_symbolPic; }
    void SetSymbolPic(fw::PicturePtr picture) { m_symbolPic = std::move(picture); }

    // The picture of the last draw, at the control's size with the shape as
    // its mask, which decides what a press hits; null before the first.
    const fw::PicturePtr& ButtonPic() const { return m_buttonPic; }
    // The pictures built from the picture files at the button's size. Open
    // asks for them; they are read and built when first needed (a paint, a
    // press, one of these getters), a round or mini arrow button's pressed
    // and disabled pictures only when they are. A failure then shows its
    // step's message ("Error in LoadFrom", "Error in LoadOthers") once and
    // quits with a failure status; the pictures stay null.
    const fw::PicturePtr& PlainButtonPic() const { return Built(m_plainButtonPic); }
    const fw::PicturePtr& PressButtonPic() const { return BuiltState(State::Pressed); }
    const fw::PicturePtr& DisabledButtonPic() const { return BuiltState(State::Disabled); }
    const fw::PicturePtr& ButtonMask() const { return Built(m_buttonMask); }
    // The face and the symbol read from their files, kept for rebuilds;
    // shared with the other buttons that hold the same files, so never
    // drawn into.
    const fw::PicturePtr& MasterButton() const { return Built(m_masterButton); }
    const fw::PicturePtr& MasterSymbol() const { return Built(m_masterSymbol); }

protected:
    // A new picture, or null when the platform cannot make one of that size.
    virtual fw::PicturePtr NewPicture(std::int32_t width, std::int32_t height) const;
    void Event_Open() override;
    void Event_Close() override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;
    void Event_PressLost() override;
    void Event_Paint(fw::Graphics& g) override;

private:
    struct Offsets {
        double red = 0;
        double green = 0;
        double blue = 0;
    };
    // The colours a build of the pictures takes, as they were when the
    // build was asked for (at Open or by Update), whatever the holder
    // changes later.
    struct Plan {
        Offsets upFace, pressedFace, upSymbol, pressedSymbol;
        bool apple = false;
    };

    void Setup();
    void SizeCheck();
    void ChooseKind();
    void SetRoundButton();
    void SetMiniArrows();
    void SetGearButton();
    void SetHomeButton();
    void SetCdButton();
    void SetDiskButton();
    void SetEnvelopeButton();
    void SetPrinterButton();
    void SetPreDrawn(cabkinds::Flag flag);
    void BuildPictures();
    void Display(fw::Graphics& g);
    void Pressed();
    bool InsideShape(int x, int y) const;

    void GeneratePics();
    void GenerateOthers();
    void LoadFromTemp();
    void LoadOthers();
    void ColorChange(fw::Picture& p, double red, double green, double blue) const;
    void AttachSymbol(fw::Picture& b, const fw::Picture& s) const;
    void TakeColours();
    // Runs the LoadFromTemp Open left for later, if it has not run yet;
    // gives the picture.
    const fw::PicturePtr& Built(const fw::PicturePtr& picture) const;
    // The pressed or disabled picture, built now if LoadFromTemp left it due.
    const fw::PicturePtr& BuiltState(State state) const;
    fw::PicturePtr MustNewPicture(std::int32_t width, std::int32_t height) const;
    fw::PicturePtr StatePicture(const Offsets& face, const Offsets& symbol, bool mayFail);
    fw::PicturePtr ScaledFromFile(const ButtonImageFilePtr& file, std::int32_t width, std::int32_t height);
    void SetPictures(fw::PicturePtr plain, fw::PicturePtr pressed, fw::PicturePtr mask, fw::PicturePtr disabled);
    // The state's picture at the control's size through the shape mask.
    const fw::PicturePtr& Framed(State state);

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
    // Open's LoadFromTemp is yet to run: it runs when a picture is first
    // needed.
    bool m_loadDue = false;
    // The pressed and disabled pictures LoadFromTemp leaves until needed.
    std::array<bool, 3> m_stateDue{};
    fw::PicturePtr m_plainButtonPic, m_pressButtonPic, m_disabledButtonPic, m_buttonMask;
    fw::PicturePtr m_masterButton, m_masterSymbol;
    fw::PicturePtr m_symbolPic;
    fw::PicturePtr m_buttonPic;
    // Framed pictures by state, made when first drawn and kept while the
    // pictures and the control's size stay.
    std::array<fw::PicturePtr, 3> m_framed;

    // The picture files this button holds, by role.
    struct Files {
        ButtonImageFilePtr normal, symbol, masked, pressed, disabled;
    } m_files;
};

} // namespace controls
