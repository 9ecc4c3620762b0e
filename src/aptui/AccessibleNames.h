#pragma once

#include <QString>

class QWidget;

namespace aptui {

// Names for screen readers. A field's caption is its buddy label; Qt reads a
// combo box by its current value and keeps the caption's colon, so the
// caption is made the field's name outright.
class AccessibleNames
{
public:
    // Gives every field below the root that has a caption and no name of its
    // own the caption's text, without its colon and shortcut marker.
    static void nameFieldsByTheirCaptions(QWidget *root);

    // "Channel Name :" -> "Channel Name"; "&Save" -> "Save".
    static QString captionName(const QString &caption);
};

} // namespace aptui
