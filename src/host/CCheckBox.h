#pragma once

#include <QCheckBox>

namespace FenwaGUIToolkit {

// A check box with the toolkit's look: it shows that it can be clicked.
class CCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CCheckBox(QWidget *parent = nullptr);
};

} // namespace FenwaGUIToolkit
