#pragma once

#include <QString>

namespace aptui {

// A tool tip that shows the text as written. Qt shows a tool tip as rich text
// when it looks like markup, so a name such as "<h1>x" would be drawn as a
// heading; such a text is escaped, its spaces and line breaks kept.
QString plainToolTip(const QString &text);

} // namespace aptui
