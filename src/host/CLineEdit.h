#pragma once

#include <QLineEdit>

namespace FenwaGUIToolkit {

// A line edit with the toolkit's look.
class CLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CLineEdit(QWidget *parent = nullptr);
};

} // namespace FenwaGUIToolkit
