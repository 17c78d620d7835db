// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: the backing of EditField.
#pragma once

#include "framework/gui/charindex.h"
#include "framework/gui/editfield.h"

#include <QTextEdit>

#include <cstdint>
#include <memory>
#include <string>

class QEvent;
class QLineEdit;

namespace fw {

class EditFieldArea;

struct EditField::Private {
    // One of the two is the field's widget.
    QLineEdit* edit = nullptr;
    EditFieldArea* area = nullptr;
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
    void SetPlainText(const QString& text);

protected:
    bool event(QEvent* event) override;

private:
    EditField* m_field;
};

} // namespace fw
