#include "model/FigureAssumptions.h"

QString FigureAssumptions::title()
{
    //: Heading over what the capacity figures assume, on the calculator's info tip and in the report.
    return tr("How these figures are worked out");
}

QList<FigureAssumptions::Line> FigureAssumptions::lines()
{
    return {
        //: Topic of a line on what the capacity figures assume: the space a recorder needs beside the video.
        {tr("Recording overhead"),
         //: The two factors (1/0.997 and 1.024) of the capacity formulas, in words.
         tr("Every disk figure adds about 2.7 % to the video itself for the recorder's own records "
            "(a factor of 1/0.997 and one of 1.024).")},
        //: Topic of a line on what the capacity figures assume: the units of disk sizes.
        {tr("Disk sizes"),
         tr("Sizes are decimal, as printed on drives: 1 TB is 1000 GB, 10¹² bytes. An operating system shows "
            "the same disk in TiB, about 9 % less.")},
        //: Topic of a line on what the capacity figures assume: the usable space of a RAID array.
        {tr("Disk arrays"),
         tr("The usable capacity of an array is before any file system, which takes a little more.")},
        //: Topic of a line on what the capacity figures assume: how the figures are rounded.
        {tr("Rounding"),
         tr("Days kept are rounded down and disk needed is rounded up; a week counts 7 days and a month 30.")},
        //: Topic of a line on what the capacity figures assume: the ranges for calm and busy scenes.
        {tr("Scene activity"),
         tr("Ranges take every group whose bitrate came from the tables as recording calm (Low) to busy (High) "
            "scenes; a typed bitrate stays as typed.")},
    };
}

QString FigureAssumptions::richText()
{
    QString text = QStringLiteral("<p><b>%1</b></p>").arg(title().toHtmlEscaped());
    for (const Line &line : lines())
        text += QStringLiteral("<p><b>%1</b><br/>%2</p>").arg(line.topic.toHtmlEscaped(), line.text.toHtmlEscaped());
    return text;
}
