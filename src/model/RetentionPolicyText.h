#pragma once

#include "model/RetentionPolicy.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// A group's own retention policy in words: the short badges of its card,
// the same read out for screen readers, and the cells of the report's table.
// A policy not of its own has no badges and no words.
class RetentionPolicyText
{
    Q_DECLARE_TR_FUNCTIONS(RetentionPolicyText)

public:
    // "90 d", then "events 335 d", "sub 30 d" and "audio" for the tiers kept;
    // the tiers count the days they are kept after the video.
    static QStringList badges(const RetentionPolicy &policy);
    // The badges in words, one phrase each in the same order: "kept 90 days",
    // "events kept 335 more days", "sub-stream kept 30 more days", "audio G.711".
    static QStringList spokenParts(const RetentionPolicy &policy);
    // Those phrases as one list.
    static QString spoken(const RetentionPolicy &policy);

    // "90 days", a retention in weeks or months counted in days too.
    static QString retention(const RetentionPolicy &policy);
    // "24 h a day", "10 h on weekdays, 0 h at weekends".
    static QString schedule(const RetentionPolicy &policy);
    // "335 more days at 20 % motion"; none() without the tier.
    static QString events(const RetentionPolicy &policy);
    // "30 more days at 512 kbps (720P, 15 fps)"; none() without the tier.
    static QString subStream(const RetentionPolicy &policy);
    // "G.711, 64 kbps", "AAC, 96 kbps", "None".
    static QString audio(const RetentionPolicy &policy);

private:
    // "G.711", "G.726", "AAC"; empty for none.
    static QString codec(int audio);
};
