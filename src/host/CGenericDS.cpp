#include "host/CGenericDS.h"

#include "host/CFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>

namespace FenwaGUIToolkit {

CGenericDS::CGenericDS(const QDomDocument &document, const QDomElement &element)
    : m_document(document), m_element(element)
{}

bool CGenericDS::LoadXML(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    QDomDocument document;
    if (!document.setContent(&file))
        return false;
    m_document = document;
    m_element = document.documentElement();
    return true;
}

bool CGenericDS::SaveXML(const QString &path) const
{
    if (m_document.isNull() || path.isEmpty())
        return false;

    QTextCodec *codec = nullptr;
    const QDomNode first = m_document.firstChild();
    if (first.isProcessingInstruction()) {
        static const QRegularExpression encodingRx(QStringLiteral("encoding\\s*=\\s*[\"']([^\"']+)[\"']"));
        const QRegularExpressionMatch match = encodingRx.match(first.toProcessingInstruction().data());
        if (match.hasMatch())
            codec = QTextCodec::codecForName(match.captured(1).toLatin1());
    }
    if (!codec)
        codec = QTextCodec::codecForName("UTF-8");

    return CFile::WriteAll(path, codec->fromUnicode(m_document.toString(4)));
}

int CGenericDS::GetChildrenCount() const
{
    int count = 0;
    for (QDomElement e = m_element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++count;
    return count;
}

CGenericDS CGenericDS::GetChild(int index) const
{
    if (index < 0)
        return CGenericDS(m_document, QDomElement());
    QDomElement e = m_element.firstChildElement();
    for (int i = 0; i < index && !e.isNull(); ++i)
        e = e.nextSiblingElement();
    return CGenericDS(m_document, e);
}

CGenericDS CGenericDS::GetFirstChild() const
{
    return CGenericDS(m_document, m_element.firstChildElement());
}

CGenericDS CGenericDS::GetNextSibling() const
{
    return CGenericDS(m_document, m_element.nextSiblingElement());
}

CGenericDS CGenericDS::GetChildByName(const QString &name) const
{
    return CGenericDS(m_document, m_element.firstChildElement(name));
}

QString CGenericDS::GetName() const
{
    return m_element.tagName();
}

QString CGenericDS::GetValue() const
{
    return m_element.text();
}

bool CGenericDS::SetValue(const QString &text)
{
    if (m_element.isNull())
        return false;
    // Replace the element's text, keeping its child elements.
    for (QDomNode n = m_element.firstChild(); !n.isNull();) {
        const QDomNode next = n.nextSibling();
        if (n.isText())
            m_element.removeChild(n);
        n = next;
    }
    m_element.insertBefore(m_document.createTextNode(text), m_element.firstChild());
    return true;
}

} // namespace FenwaGUIToolkit
