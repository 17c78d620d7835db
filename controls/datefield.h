// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/datefieldtext.h"
#include "framework/core/date.h"
#include "framework/gui/editfield.h"

#include <cstdint>
#include <optional>
#include <string>

namespace controls {

// A read-only field that shows one date as year/month/day and edits it part
// by part: while it has the focus one whole part is selected; the left and
// right arrows move between the parts; with Editable set, the up and down
// arrows step the selected part and digits type it. The window's arrow
// buttons call SelectionUp and SelectionDown. The month may show as its
// English name, and the weekday's name may follow the day (in the day part).
//
// It starts with the date object stored under "fechamens1" in the
// preferences, itself, so that stepping the field changes the stored date
// too; or with now when there is none (or it is not a date).
class DateField : public fw::EditField {
public:
    explicit DateField(fw::Window& window);
    std::string_view ClassName() const override { return "DateField"; }
    static std::span<const fw::PropertyInfo> StoredProperties();

    // The date shown (MyDate): the field's own object, not a copy. A change
    // made to it is the field's date, shown at the next redraw.
    const fw::DatePtr& Date() const { return m_date; }
    // A copy of d, or now when there is none; redraws, raises no event.
    void SetDate(const std::optional<fw::Date>& d);

    // Each setter redraws only when the value changes.
    bool DisplayMonthName() const { return m_displayingMonthName; }
    void SetDisplayMonthName(bool on);
    bool DisplayDayName() const { return m_displayingDayName; }
    void SetDisplayDayName(bool on);

    bool Editable() const { return m_editable; }
    void SetEditable(bool on) { m_editable = on; }
    // True from the field's GotFocus to its LostFocus.
    bool HasFocus() const { return m_hasFocus; }
    // Where the parts of the text end (first "/", second "/", text length).
    const DateParts& Parts() const { return m_parts; }

    // Step the year, month or day that holds the caret by one, redraw and
    // raise DateChanged, even where the date cannot move (beyond the years
    // 1 to 9999). The up and down arrow keys come here too.
    virtual void SelectionUp();
    virtual void SelectionDown();
    // The year, month or day that holds the caret.
    std::int32_t SelectionValue() const;

    static std::string Month2STR(std::int32_t month) { return controls::Month2STR(month); }
    static std::string Day2STR(std::int32_t dayOfWeek) { return controls::Day2STR(dayOfWeek); }
    static std::int32_t DaysOfMonth(std::int32_t month, std::int32_t year)
    {
        return controls::DaysOfMonth(month, year);
    }

    // Raised after every step, and after a key that changed the text.
    fw::Event<void()> DateChanged;

    void Event_Open() override;
    void Event_GotFocus() override;
    void Event_LostFocus() override;
    bool Event_KeyDown(const std::string& key) override;
    void Event_SelChange() override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int, int) override {}
    void Event_MouseMove(int, int) override {}
    void Event_MouseEnter() override {}
    void Event_MouseExit() override {}
    void Event_TextChange() override {}
    void Event_ValidationError(const std::string&, std::int32_t) override {}

private:
    void DrawDate();
    void FixSelection();
    void SelectPart(DatePart part);
    void SelectLeft();
    void SelectRight();
    DatePart CaretPart() const;
    void Step(std::int32_t delta);

    fw::DatePtr m_date;
    bool m_displayingMonthName = false;
    bool m_editable = false;
    bool m_displayingDayName = false;
    bool m_hasFocus = false;
    DateParts m_parts{};
};

} // namespace controls
