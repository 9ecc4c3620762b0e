#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes over QDesktopServices::openUrl for the given schemes while it lives,
// so tests see what the program asked the desktop to open and nothing is
// actually launched. openUrl answers true for those schemes meanwhile.
class DesktopOpenRecorder : public QObject
{
    Q_OBJECT

public:
    explicit DesktopOpenRecorder(const QStringList &schemes = {QStringLiteral("file")}, QObject *parent = nullptr);
    ~DesktopOpenRecorder() override;

    QList<QUrl> urls() const { return m_urls; }
    void clear() { m_urls.clear(); }

public slots:
    void open(const QUrl &url);

private:
    QStringList m_schemes;
    QList<QUrl> m_urls;
};
