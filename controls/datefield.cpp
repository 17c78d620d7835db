// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/datefield.h"

#include "framework/core/text.h"
#include "prefs/bprefs.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace controls {

namespace {

constexpr std::string_view kLeftArrow = "\x1c";
constexpr std::string_view kRightArrow = "\x1d";
constexpr std::string_view kUpArrow = "\x1e";
constexpr std::string_view kDownArrow = "\x1f";

} // namespace

DateField::DateField(fw::Window& window) : fw::EditField(window), m_date(std::make_shared<fw::Date>())
{
    SetReadOnly(true);
    SetUseFocusRing(true);
    // Anything but a date under the key leaves the field at now.
    if (BPrefs::HasKey("fechamens1"))
        if (fw::DatePtr stored = BPrefs::Value("fechamens1").AsDate())
            m_date = std::move(stored);
}

std::span<const fw::PropertyInfo> DateField::StoredProperties()
{
    static constexpr fw::PropertyInfo kRows[] = {
        fw::Row<&DateField::SetDisplayMonthName>(0x4c, "DisplayingMonthName"),
        fw::Row<&DateField::SetEditable>(0x4d, "Editable"),
        fw::Row<&DateField::SetDisplayDayName>(0x4e, "DisplayingDayName"),
    };
    return kRows;
}

void DateField::SetDate(const std::optional<fw::Date>& d)
{
    m_date = std::make_shared<fw::Date>(d ? *d : fw::Date());
    DrawDate();
}

void DateField::SetDisplayMonthName(bool on)
{
    if (on == m_displayingMonthName)
        return;
    m_displayingMonthName = on;
    DrawDate();
}

void DateField::SetDisplayDayName(bool on)
{
    if (on == m_displayingDayName)
        return;
    m_displayingDayName = on;
    DrawDate();
}

DatePart DateField::CaretPart() const
{
    return PartAt(SelStart(), m_parts);
}

std::int32_t DateField::SelectionValue() const
{
    switch (CaretPart()) {
    case DatePart::Year:
        return m_date->Year();
    case DatePart::Month:
        return m_date->Month();
    case DatePart::Day:
        break;
    }
    return m_date->Day();
}

void DateField::SelectionUp()
{
    Step(1);
}

void DateField::SelectionDown()
{
    Step(-1);
}

void DateField::Step(std::int32_t delta)
{
    *m_date = StepDatePart(*m_date, CaretPart(), delta);
    DrawDate();
    DateChanged.Raise();
}

void DateField::DrawDate()
{
    const std::int32_t caret = SelStart();
    const std::int32_t length = SelLength();
    const DateParts before = m_parts;
    DateFieldText shown = MakeDateFieldText(*m_date, m_displayingMonthName, m_displayingDayName);
    // The parts are known before the text changes, so that the selection
    // changes of setting it already see the new boundaries.
    m_parts = shown.parts;
    SetText(shown.text);
    SetSelStart(CaretAfterRedraw(caret, before, m_parts));
    // Setting SelStart leaves a bare caret; a selection there was stays one,
    // so that the part is selected again also without the focus.
    if (length > 0 && SelLength() == 0)
        SetSelLength(length);
    FixSelection();
    Refresh();
}

void DateField::FixSelection()
{
    // A field without the focus keeps a bare caret.
    if (!m_hasFocus && SelLength() == 0)
        return;
    SelectPart(CaretPart());
}

void DateField::SelectPart(DatePart part)
{
    // Within the text as it stands (one set from outside may be shorter than
    // the parts say), so that the selection changes that setting it raises
    // find it selected and stop.
    const auto end = static_cast<std::int32_t>(fw::Len(Text()));
    const TextRange range = PartRange(part, m_parts);
    const std::int32_t start = std::clamp(range.start, 0, end);
    const std::int32_t length = std::clamp(range.length, 0, end - start);
    if (SelStart() == start && SelLength() == length)
        return;
    SetSelStart(start);
    SetSelLength(length);
}

// Both set only the caret: the selection change that follows selects the
// part it went into.
void DateField::SelectLeft()
{
    SetSelStart(CaretLeftOf(CaretPart(), m_parts));
}

void DateField::SelectRight()
{
    SetSelStart(CaretRightOf(CaretPart(), m_parts));
}

void DateField::Event_Open()
{
    // Read-only whatever the layout says: the text changes only part by part.
    SetReadOnly(true);
    m_hasFocus = false;
    DrawDate();
    Open.Raise();
}

void DateField::Event_GotFocus()
{
    m_hasFocus = true;
    FixSelection();
}

void DateField::Event_LostFocus()
{
    m_hasFocus = false;
    FixSelection();
}

void DateField::Event_SelChange()
{
    FixSelection();
}

bool DateField::Event_MouseDown(int, int)
{
    // The field places the caret; the selection change widens it to the part.
    return false;
}

bool DateField::Event_KeyDown(const std::string& key)
{
    const DatePart part = CaretPart();
    if (SelLength() == 0)
        return false;
    if (key == kLeftArrow) {
        SelectLeft();
        return true;
    }
    if (key == kRightArrow) {
        SelectRight();
        return true;
    }
    if (!m_editable)
        return false;
    if (key == kUpArrow) {
        SelectionUp();
        return true;
    }
    if (key == kDownArrow) {
        SelectionDown();
        return true;
    }
    const std::optional<fw::Date> typed = TypeDateKey(*m_date, part, key);
    if (!typed)
        return false;
    const std::string before = Text();
    *m_date = *typed;
    DrawDate();
    if (Text() != before)
        DateChanged.Raise();
    return true;
}

} // namespace controls
