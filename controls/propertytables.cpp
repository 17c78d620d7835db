// SPDX-License-Identifier: GPL-3.0-or-later
// The stored properties of the custom controls, beyond those of the
// framework classes they derive from.
#include "framework/core/propertyblock.h"

namespace {

using fw::PropertyInfo;
constexpr auto B = fw::PropertyKind::Boolean;

constexpr PropertyInfo kDateField[] = {{0x4d, "Editable", B}};
constexpr PropertyInfo kRoundedEditFieldField[] = {{0x4c, "UseRoundedFocusRing", B}, {0x4d, "HasFocus", B}};
constexpr PropertyInfo kCABClass[] = {
    {0x30, "PlayButton", B},       {0x31, "StopButton", B},    {0x32, "ForwardButton", B},
    {0x33, "ReloadButton", B},     {0x34, "PlusButton", B},    {0x35, "MinusButton", B},
    {0x36, "NoteButton", B},       {0x37, "XButton", B},       {0x38, "HelpButton", B},
    {0x3a, "Toggle", B},           {0x3b, "AppleButton", B},   {0x3c, "BackButton", B},
    {0x3d, "PauseButton", B},      {0x3e, "HomeButton", B},    {0x3f, "GearButton", B},
    {0x40, "CDButton", B},         {0x41, "DiskButton", B},    {0x42, "EnvelopeButton", B},
    {0x50, "MiniArrowUp", B},      {0x51, "MiniArrowDown", B}, {0x52, "MiniArrowRight", B},
    {0x53, "MiniArrowLeft", B},    {0x5a, "PrinterButton", B}, {0x5b, "PowerButton", B},
    {0x5c, "HeadPhonesButton", B}, {0x5d, "WebButton", B},     {0x5e, "UsersButton", B},
    {0x5f, "HammerButton", B},     {0x60, "FindButton", B},
};

const fw::PropertyTableRegistration kTables[] = {
    {"DateField", "EditField", kDateField},
    {"RoundedEditFieldField", "EditField", kRoundedEditFieldField},
    {"RoundedEditFieldCanvas", "Canvas"},
    {"CABClass", "Canvas", kCABClass},
};

} // namespace
