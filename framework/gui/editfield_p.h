// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: the backing of EditField.
#pragma once

#include "framework/gui/charindex.h"
#include "framework/gui/editfield.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QTextDocument;

namespace fw {

class EditFieldArea;

struct EditField::Private {
    // One of the two is the field's widget, once it is made.
    QLineEdit* edit = nullptr;
    EditFieldArea* area = nullptr;

    // Until then a single-line field keeps its text and selection (Qt
    // positions) as its line edit would...
    struct Line {
        QString text;
        int anchor = 0;
        int position = 0;
        int maxLength = INT_MAX;
    } line;
    // ... and a multi-line field a document of its own, its caret, the
    // styles laid on it, in order, and the line to scroll to.
    struct Run {
        int start, end;
        QTextCharFormat format;
    };
    std::unique_ptr<QTextDocument> doc;
    QTextCursor cursor;
    // The selection as last reported, as a text area tracks it.
    int shownAnchor = 0;
    int shownPosition = 0;
    std::vector<Run> runs;
    std::int32_t scrollLine = 0;
    // During a StyleEdit: how deep, and the selection, kept off the widget
    // until the edit ends.
    int styleEdits = 0;
    QTextCursor editSelection;

    // Character offsets to Qt positions, rebuilt after the text changes.
    detail::CharIndex index;
    bool indexStale = true;
    std::int32_t lastSelStart = 0;
    std::int32_t lastSelLength = 0;
    std::string lastText;

    // The widgets report to the field through these.
    static bool KeyDown(EditField& field, const std::string& key) { return field.Event_KeyDown(key); }
    static void TextMaybeChanged(EditField& field) { field.TextMaybeChanged(); }
    static void CheckSelection(EditField& field) { field.CheckSelection(); }
    static void TextEdited(EditField& field) { field.d->indexStale = true; }
    static void ScrollTo(EditField& field, std::int32_t line) { field.SetScrollPosition(line); }
};

// Offers a key event to the field's KeyDown first; true when it was taken.
bool OfferKey(EditField* field, QEvent* event);

// The rich text widget behind a multi-line field. Its document holds one
// block per line, so a line break is one position, as it is one character.
class EditFieldArea : public QTextEdit {
public:
    EditFieldArea(EditField& field, QWidget* parent);
    void Detach() { m_field = nullptr; }

    // The text with U+2029 between blocks and nothing else changed (a
    // no-break space stays one).
    QString RawText() const;
    // Line breaks (each CR and each LF) as block separators.
    static QString Paragraphs(QString text);
    // Replaces the document's text; the caret to set goes to 0.
    static QTextCursor PlainText(QTextDocument& doc, const QString& text);
    void SetPlainText(const QString& text) { setTextCursor(PlainText(*document(), text)); }
    // A line the field was scrolled to before its widget was made, reached
    // once the widget shows and lays out its lines.
    std::int32_t pendingLine = 0;
    // A line scrolled to while the widget handles a key, reached again once
    // it has done so.
    bool inKey = false;
    std::optional<std::int32_t> keyScroll;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    EditField* m_field;
};

} // namespace fw
