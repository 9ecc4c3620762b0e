#include "model/JsonFieldReader.h"

#include <cmath>

JsonFieldReader::JsonFieldReader(const QJsonObject &object, const QString &prefix, Fault &fault)
    : m_rest(object), m_prefix(prefix), m_fault(fault)
{}

bool JsonFieldReader::isWholeNumber(const QJsonValue &value)
{
    const double d = value.toDouble();
    return value.isDouble() && std::isfinite(d) && std::floor(d) == d;
}

bool JsonFieldReader::text(const char *key, QString &out, bool required, int maxLength)
{
    const QJsonValue value = take(key);
    if (value.isUndefined())
        return !required || fail(key, true);
    if (!value.isString() || value.toString().size() > maxLength)
        return fail(key, false);
    out = value.toString();
    return true;
}

bool JsonFieldReader::boolean(const char *key, bool &out)
{
    const QJsonValue value = take(key);
    if (value.isUndefined())
        return true;
    if (!value.isBool())
        return fail(key, false);
    out = value.toBool();
    return true;
}

bool JsonFieldReader::integer(const char *key, int min, int max, int &out, bool required)
{
    const QJsonValue value = take(key);
    if (value.isUndefined())
        return !required || fail(key, true);
    if (!isWholeNumber(value) || value.toDouble() < min || value.toDouble() > max)
        return fail(key, false);
    out = int(value.toDouble());
    return true;
}

bool JsonFieldReader::number(const char *key, double above, double atMost, double &out, bool required)
{
    const QJsonValue value = take(key);
    if (value.isUndefined())
        return !required || fail(key, true);
    const double d = value.toDouble();
    if (!value.isDouble() || !(d > above && d <= atMost))
        return fail(key, false);
    out = d;
    return true;
}

bool JsonFieldReader::between(const char *key, double min, double max, double &out, bool required)
{
    const QJsonValue value = take(key);
    if (value.isUndefined())
        return !required || fail(key, true);
    const double d = value.toDouble();
    if (!value.isDouble() || !(d >= min && d <= max))
        return fail(key, false);
    out = d;
    return true;
}

bool JsonFieldReader::choice(const char *key, const QStringList &names, int &out, bool required)
{
    const QJsonValue value = take(key);
    if (value.isUndefined())
        return !required || fail(key, true);
    const int index = value.isString() ? int(names.indexOf(value.toString())) : -1;
    if (index < 0)
        return fail(key, false);
    out = index;
    return true;
}

bool JsonFieldReader::dateTime(const char *key, QDateTime &out)
{
    QString text;
    if (!this->text(key, text))
        return false;
    if (text.isNull())
        return true;
    const QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!parsed.isValid())
        return fail(key, false);
    out = parsed.toUTC();
    return true;
}

bool JsonFieldReader::has(const char *key) const
{
    return m_rest.contains(QString::fromLatin1(key));
}

QJsonValue JsonFieldReader::take(const char *key)
{
    const QString name = QString::fromLatin1(key);
    const QJsonValue value = m_rest.value(name);
    m_rest.remove(name);
    return value;
}

void JsonFieldReader::keep(const char *key, const QJsonValue &value)
{
    m_rest.insert(QString::fromLatin1(key), value);
}

QString JsonFieldReader::path(const char *key) const
{
    return m_prefix + QString::fromLatin1(key);
}

bool JsonFieldReader::fail(const char *key, bool missing)
{
    m_fault.field = path(key);
    m_fault.missing = missing;
    return false;
}
