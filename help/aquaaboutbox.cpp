// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/aquaaboutbox.h"

#include "resources/textos.h"
#include "calendar/module1.h"
#include "framework/core/appversion.h"
#include "framework/gui/application.h"
#include "help/controls/handlertag.h"

#include <string>

namespace windows {

namespace {
constexpr std::string_view kName = "Cyclane Duvivarode";
constexpr std::string_view kNotice = "Copyright © 2004-2007, Tarcyc Soft.";
constexpr std::string_view kHomePage = "http://www.tarcyc.example";

// An empty text takes its control out of the column.
template <class Field>
void FillOrCollapse(AquaAboutBox& box, Field* field, const std::string& text)
{
    if (text.empty())
        box.hideControl(field);
    else
        field->SetText(text);
}
} // namespace

AquaAboutBox::AquaAboutBox() = default;

void AquaAboutBox::hideControl(fw::Control* c)
{
    help::Tagged("AquaAboutBox.HideControl", [&] {
        if (!c || !c->Visible())
            return;
        const std::size_t count = ControlCount();
        std::size_t i = 0;
        while (i < count && ControlAt(i) != c)
            ++i;
        if (i == count)
            return;
        // The gap runs to the next control's top, so it takes the spacing
        // with it; the last control has no next one and frees its height.
        const std::int32_t gap = i + 1 < count ? ControlAt(i + 1)->Top() - c->Top() : c->Height();
        c->SetVisible(false);
        for (std::size_t j = i; j < count; ++j)
            ControlAt(j)->SetTop(ControlAt(j)->Top() - gap);
        SetHeight(Height() - gap);
    });
}

void AquaAboutBox::SetHomePage(std::string_view address)
{
    homePage->SetText(address);
    homePage->SetURL(address.empty() ? std::string() : std::string(address) + "/");
    // With no address the link would open "/" alone.
    if (address.empty())
        hideControl(homePage);
}

void AquaAboutBox::name_Open()
{
    help::Tagged("AquaAboutBox.Name.Open", [&] { name->SetText(kName); });
}

void AquaAboutBox::version_Open()
{
    help::Tagged("AquaAboutBox.Version.Open", [&] {
        const fw::Application* app = fw::App();
        version->SetText(app ? app->ShortVersion() : fw::ShortVersion());
    });
}

void AquaAboutBox::description_Open()
{
    help::Tagged("AquaAboutBox.Description.Open",
                 [&] { FillOrCollapse(*this, description, Textos::kAppAboutBoxDescription()); });
}

void AquaAboutBox::credits_Open()
{
    help::Tagged("AquaAboutBox.Credits.Open",
                 [&] { FillOrCollapse(*this, credits, Textos::kAppAboutBoxCredits()); });
}

void AquaAboutBox::copyright_Open()
{
    help::Tagged("AquaAboutBox.Copyright.Open", [&] { copyright->SetText(kNotice); });
}

void AquaAboutBox::homePage_Open()
{
    help::Tagged("AquaAboutBox.HomePage.Open", [&] { SetHomePage(kHomePage); });
}

void AquaAboutBox::AddMenuHandlers()
{
    AddMenuHandler("FileClose", this, &AquaAboutBox::FileClose_Action);
}

void AquaAboutBox::Event_EnableMenuItems()
{
    help::Tagged("AquaAboutBox.EnableMenuItems", [] {});
}

void AquaAboutBox::Event_Open()
{
    // An About box has nothing to collapse to.
    help::Tagged("AquaAboutBox.Open",
                 [&] { fw::ChangeWindowAttributes(*this, 0, fw::kWindowCollapseBoxAttribute); });
}

void AquaAboutBox::Event_Close()
{
    Module1::botonesmain(true);
}

bool AquaAboutBox::FileClose_Action()
{
    return help::Tagged("AquaAboutBox.FileClose", [&] {
        Close();
        return false;
    });
}

} // namespace windows

namespace win {

windows::AquaAboutBox* AquaAboutBox()
{
    return fw::WindowInstance<windows::AquaAboutBox>();
}

} // namespace win
