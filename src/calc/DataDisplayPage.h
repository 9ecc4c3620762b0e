#pragma once

#include <QString>
#include <QWidget>

class QFrame;
class FigureLabel;
class QLabel;

// Shows how long the disk keeps video, by day, week and month, each figure
// over its unit in the plural form the figure takes. Passive: the calculator
// page feeds it ready-formatted numbers.
class DataDisplayPage : public QWidget
{
    Q_OBJECT

public:
    explicit DataDisplayPage(QWidget *parent = nullptr);

    static QString dayTemplate();
    static QString weekMonthTemplate();

public slots:
    void displayTime(const QString &day, const QString &week, const QString &month);
    // The unrounded days under the whole-unit figures; 0 clears the line.
    void displayExactTime(double days);
    // What busy and calm scenes would make of the days; a single figure
    // clears the line.
    void displayTimeRange(double busyDays, double calmDays);

    // What the groups that keep their own retention make of the figure, in
    // words; empty clears the line.
    void displayTimeNote(const QString &note);

private:
    void setupForm();
    // The unit under each figure, in the plural that figure takes.
    void showUnits(const QString &day, const QString &week, const QString &month);
    void addBlock(const QString &widgetName, QWidget *block, QLabel *method, FigureLabel *number, QLabel *tip,
                  QFrame *line);

    QLabel *m_labelDiskplayTimeNeed = nullptr;
    QWidget *m_widgetDiskplayByDay = nullptr;
    QLabel *m_labelDiskplayDayMethod = nullptr;
    FigureLabel *m_labelByDay = nullptr;
    QLabel *m_labelDiskplayDayTip = nullptr;
    QFrame *m_diskplayLine2 = nullptr;
    QWidget *m_widgetDiskplayByWeek = nullptr;
    QLabel *m_labelDiskplayWeekTipMethod = nullptr;
    FigureLabel *m_labelByWeek = nullptr;
    QLabel *m_labelDiskplayWeekTip = nullptr;
    QFrame *m_diskplayLine3 = nullptr;
    QWidget *m_widgetDiskplayByMonth = nullptr;
    QLabel *m_labelDiskplayMonthMethod = nullptr;
    FigureLabel *m_labelByMonth = nullptr;
    QLabel *m_labelDiskplayMonthTip = nullptr;
    QFrame *m_diskplayLine1 = nullptr;
    QLabel *m_labelExactTime = nullptr;
    QLabel *m_labelTimeRange = nullptr;
    QLabel *m_labelTimeNote = nullptr;
};
