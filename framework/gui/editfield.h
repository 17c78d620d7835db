// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/stylerun.h"
#include "framework/gui/textcontrol.h"

#include <memory>
#include <span>
#include <utility>

class QString;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace fw {

namespace detail {
class CharIndex;
}

// A text field: single-line on Qt's line edit; while MultiLine is set, a
// multi-line field on Qt's rich text widget, where a carriage return is a
// line break and counts as one character. Offsets count characters.
// The field keeps its text, selection and settings itself until it first
// shows, and makes its widget then: a field kept out of sight never has one.
// Until then its lines are counted unwrapped.
//
// KeyDown gets every key before the field acts on it, also while ReadOnly:
// the key's character as a one-character text, with the arrow keys as
// character codes 28 (left), 29 (right), 30 (up), 31 (down), Backspace 8,
// Tab 9, Return 13, Escape 27 and Delete 127. True from the handler means
// handled: the field does nothing more with the key.
class EditField : public TextControl {
public:
    enum : std::int32_t { kAlignDefault = 0, kAlignLeft = 1, kAlignCenter = 2, kAlignRight = 3 };

    explicit EditField(fw::Window& window);
    ~EditField() override;
    std::string_view ClassName() const override { return "EditField"; }
    static std::span<const PropertyInfo> StoredProperties();

    std::string Text() const;
    void SetText(std::string_view text);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on);
    bool Password() const { return m_password; }
    void SetPassword(bool on);
    bool Border() const { return m_border; }
    void SetBorder(bool on);
    // Changes the backing; the text and the settings carry over.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool on);
    // Multi-line fields only: whether the runs of SetTextAndStyle are shown.
    bool Styled() const { return m_styled; }
    void SetStyled(bool on) { m_styled = on; }
    bool ScrollBarVertical() const { return m_scrollBarVertical; }
    void SetScrollBarVertical(bool on);
    bool UseFocusRing() const { return m_useFocusRing; }
    void SetUseFocusRing(bool on);
    std::int32_t Alignment() const { return m_alignment; }
    void SetAlignment(std::int32_t alignment);
    Color TextColor() const { return m_textColor; }
    void SetTextColor(Color color);
    Color BackColor() const { return m_backColor; }
    void SetBackColor(Color color);
    // Maximum number of characters the user can type; 0: no limit.
    std::int32_t LimitText() const { return m_limitText; }
    void SetLimitText(std::int32_t limit);

    // The selection, in characters. Setting SelStart leaves an empty
    // selection there; setting SelLength keeps SelStart.
    std::int32_t SelStart() const;
    void SetSelStart(std::int32_t start);
    std::int32_t SelLength() const;
    void SetSelLength(std::int32_t length);

    // Character styles of the selection in a styled multi-line field, read at
    // its first character; where none was set there, the field's own. The
    // setters change the selected characters; in any other field, and on an
    // empty selection, they do nothing. SelTextFont reads System and
    // SmallSystem back as the application font's family.
    bool SelBold() const;
    void SetSelBold(bool on);
    bool SelItalic() const;
    void SetSelItalic(bool on);
    bool SelUnderline() const;
    void SetSelUnderline(bool on);
    std::string SelTextFont() const;
    void SetSelTextFont(std::string_view name);
    // Pixel size; 0 or less sets the field's own size.
    std::int32_t SelTextSize() const;
    void SetSelTextSize(std::int32_t size);
    Color SelTextColor() const;
    void SetSelTextColor(Color color);

    // While one lives, the field's selection and style changes are one edit
    // of its text: the lines are laid out once, when the last one ends, and
    // the selection shows then. SelChange is raised as the selection moves.
    // A text set meanwhile replaces the old one within the edit, so that the
    // old text is not laid out again.
    class StyleEdit {
    public:
        explicit StyleEdit(EditField& field);
        ~StyleEdit();
        StyleEdit(const StyleEdit&) = delete;
        StyleEdit& operator=(const StyleEdit&) = delete;

    private:
        EditField& m_field;
    };

    // Replaces the text and all its character styles at once (runs applied in
    // order, each outside the text clipped to it; a size of 0 or less is the
    // field's own); the selection goes to 0.
    void SetTextAndStyle(std::string_view text, std::span<const StyleRun> runs);

    // Lines as shown, wrapped lines counted, the first one 0; a single-line
    // field has line 0 only. ScrollPosition is the line at the top.
    std::int32_t ScrollPosition() const;
    void SetScrollPosition(std::int32_t line);
    std::int32_t LineNumAtCharPos(std::int32_t position) const;

    Event<bool(const std::string& key)> KeyDown;
    Event<void()> TextChange;
    // Only when the selection (start or length) really changed.
    Event<void()> SelChange;
    // Typed text that a field's input mask refuses, and where it starts.
    // Fields here have no mask, so nothing raises it.
    Event<void(const std::string& invalidText, std::int32_t startPosition)> ValidationError;

    // Framework side: the Qt backing and the selection bookkeeping, for the
    // field's widgets (editfield_p.h).
    struct Private;

    virtual bool Event_KeyDown(const std::string& key) { return KeyDown.Raise(key); }
    virtual void Event_TextChange() { TextChange.Raise(); }
    virtual void Event_SelChange() { SelChange.Raise(); }
    virtual void Event_ValidationError(const std::string& invalidText, std::int32_t startPosition)
    {
        ValidationError.Raise(invalidText, startPosition);
    }

protected:
    bool MakesWidgetWhenShown() const override { return true; }
    QWidget* MakeWidget(QWidget* content) override;
    void WidgetMade() override;

private:
    void ConnectLine();
    // Without a widget: the single-line field as a line edit would act, the
    // multi-line one on its own document.
    void LineSetText(const QString& text);
    void LineSelect(int anchor, int position);
    void NewDocument();
    void DropDocument();
    void SetDocCursor(const QTextCursor& cursor);
    void DocSelectionMoved();
    bool IsArea() const;
    // The multi-line backing's document, the widget's or the field's own.
    QTextDocument& Doc() const;
    void SetPlain(const QString& text);
    void SetLineText(const QString& text);
    void UpdatePalette();
    void CheckSelection();
    void TextMaybeChanged();
    // The backing's text in Qt's form, and the selection in Qt positions.
    QString QtText() const;
    const detail::CharIndex& Index() const;
    std::pair<int, int> QtSelection() const;
    void SetQtSelection(int anchor, int position);
    // Styles Qt positions from .. to of a styled multi-line field.
    void MergeStyle(int from, int to, const StyleRun& style);
    void SetSelStyle(const StyleRun& style);
    // The format of the selection's first character; empty where styles
    // are not kept.
    QTextCharFormat SelFormat() const;

    std::unique_ptr<Private> d;
    bool m_styled = false;
    bool m_scrollBarVertical = true;
    bool m_readOnly = false;
    bool m_password = false;
    bool m_border = true;
    bool m_multiLine = false;
    bool m_useFocusRing = true;
    std::int32_t m_alignment = kAlignDefault;
    Color m_textColor{0, 0, 0};
    Color m_backColor{255, 255, 255};
    std::int32_t m_limitText = 0;
};

} // namespace fw
