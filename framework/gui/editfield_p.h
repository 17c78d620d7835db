// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: the multi-line backing of EditField.
#pragma once

#include <QTextEdit>

class QEvent;

namespace fw {

class EditField;

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
