#pragma once

class QWidget;

namespace aptui {

// Applies the style sheet to the widget again. Rules that select by object
// name or by a dynamic property are only re-read on polish, so a widget whose
// name or property changed needs this to take its new look.
void repolish(QWidget *widget);

// Sets the "invalid" property the style sheet marks a field by, and restyles
// the field when it changed.
void markInvalid(QWidget *field, bool invalid);

} // namespace aptui
