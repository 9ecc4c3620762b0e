#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <climits>

// Takes the fields of one JSON object of a plan; each reader answers false,
// noting the field by its path ("groups[2].channels"), when it is invalid or
// required and missing, and leaves `out` alone when an optional field is
// absent. What was never asked for is rest(), so that fields a later version
// wrote survive a save.
class JsonFieldReader
{
public:
    // The first field that spoiled a load.
    struct Fault
    {
        QString field;
        bool missing = false;
    };

    JsonFieldReader(const QJsonObject &object, const QString &prefix, Fault &fault);

    static bool isWholeNumber(const QJsonValue &value);

    bool text(const char *key, QString &out, bool required = false, int maxLength = INT_MAX);
    bool boolean(const char *key, bool &out);
    bool integer(const char *key, int min, int max, int &out, bool required = false);
    // A number above `above` and at most `atMost`.
    bool number(const char *key, double above, double atMost, double &out, bool required = false);
    // A number from `min` to `max`, both included.
    bool between(const char *key, double min, double max, double &out, bool required = false);
    // One of the names, answered as its index.
    bool choice(const char *key, const QStringList &names, int &out, bool required = false);
    bool dateTime(const char *key, QDateTime &out);

    bool has(const char *key) const;
    QJsonValue take(const char *key);
    // Puts a field back among the ones never asked for.
    void keep(const char *key, const QJsonValue &value);

    QString path(const char *key) const;
    bool fail(const char *key, bool missing);
    Fault &fault() { return m_fault; }

    QJsonObject rest() const { return m_rest; }

private:
    QJsonObject m_rest;
    QString m_prefix;
    Fault &m_fault;
};
