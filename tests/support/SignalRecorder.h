#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

// Records the order in which signals of one or more senders arrive, as
// "label" or "label(arg, arg)", for tests that care about sequence.
class SignalRecorder : public QObject
{
    Q_OBJECT

public:
    explicit SignalRecorder(QObject *parent = nullptr) : QObject(parent) {}

    template <typename Signal>
    void watch(const typename QtPrivate::FunctionPointer<Signal>::Object *sender, Signal signal, const QString &label)
    {
        connect(sender, signal, this,
                [this, label](const auto &...args) { m_events.append(format(label, {QVariant::fromValue(args)...})); });
    }

    // Adds an entry of the test's own, e.g. when a dialog was seen.
    void note(const QString &entry) { m_events.append(entry); }
    QStringList events() const { return m_events; }
    void clear() { m_events.clear(); }

private:
    static QString format(const QString &label, const QVariantList &args);

    QStringList m_events;
};
