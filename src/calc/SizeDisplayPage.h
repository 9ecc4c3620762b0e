#pragma once

#include <QString>
#include <QWidget>

class FigureLabel;
class QLabel;

// Shows the disk capacity a retention needs. Passive: the calculator page
// feeds it the ready-formatted size and unit.
class SizeDisplayPage : public QWidget
{
    Q_OBJECT

public:
    explicit SizeDisplayPage(QWidget *parent = nullptr);

    // The rich-text template, translated, with %1 the size and %2 the unit.
    static QString sizeTemplate();

public slots:
    void displaySize(const QString &size, const QString &unit);
    // The unrounded size under the whole-unit figure; 0 clears the line.
    void displayExactSize(double gigabytes);
    // What calm and busy scenes would make of the size; a single figure
    // clears the line.
    void displaySizeRange(double calmGB, double busyGB);

    // What the groups that keep their own retention make of the figure, in
    // words; empty clears the line.
    void displaySizeNote(const QString &note);

private:
    QLabel *m_labelDisplaySizeTitle = nullptr;
    QWidget *m_WidgetSizeBack = nullptr;
    FigureLabel *m_labelDisplaySize = nullptr;
    QLabel *m_labelExactSize = nullptr;
    QLabel *m_labelSizeRange = nullptr;
    QLabel *m_labelSizeNote = nullptr;
};
