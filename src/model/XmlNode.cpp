#include "model/XmlNode.h"

#include "host/CFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextStream>

namespace {

const char kSaveCodec[] = "GB2312";

bool isXmlDeclaration(const QDomNode &node)
{
    return node.isProcessingInstruction() && node.nodeName() == QLatin1String("xml");
}

// The encoding named by the XML declaration at the head of raw file content.
QByteArray declaredEncoding(const QByteArray &content)
{
    static const QRegularExpression declaration(
        QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(content.left(256)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The declaration's attributes with the encoding replaced; it belongs right
// after the version, before a standalone attribute.
QString withEncoding(QString attributes, const QString &encoding)
{
    static const QRegularExpression oldEncoding(QStringLiteral("\\s*encoding\\s*=\\s*(\"[^\"]*\"|'[^']*')"));
    static const QRegularExpression version(QStringLiteral("version\\s*=\\s*(\"[^\"]*\"|'[^']*')"));
    attributes.remove(oldEncoding);
    const QRegularExpressionMatch match = version.match(attributes);
    if (!match.hasMatch())
        return (QStringLiteral("version=\"1.0\"") + encoding + QLatin1Char(' ') + attributes.trimmed()).trimmed();
    attributes.insert(match.capturedEnd(), encoding);
    return attributes.trimmed();
}

} // namespace

// A named (empty) document type makes the document itself exist from the start,
// so copies taken before anything is added still share it.
XmlNode::XmlNode() : m_document(QString()) {}

XmlNode::XmlNode(const QDomDocument &document, const QDomElement &element) : m_document(document), m_element(element) {}

XmlNode::~XmlNode() = default;

bool XmlNode::load(const QString &path)
{
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray content = file.readAll();
    file.close();

    // Our own files are GB2312; decode through the codec so that the parser does
    // not depend on which encodings the platform's converter knows.
    const QByteArray encoding = declaredEncoding(content);
    QTextCodec *codec = encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding);
    const bool parsed = codec && codec->mibEnum() != 106 // 106: UTF-8, which the parser reads itself
                            ? bool(m_document.setContent(codec->toUnicode(content)))
                            : bool(m_document.setContent(content));
    // The parser may leave the part it read before the error; a broken file contributes nothing.
    if (!parsed)
        clearDocument();
    m_element = m_document.documentElement();
    return true;
}

QString XmlNode::serialized() const
{
    // QDomDocument::toString() would warn that its converter lacks GB2312; the
    // nodes are written one by one instead.
    QString out;
    QTextStream stream(&out);
    // The bytes are GB2312 whatever the loaded file declared, so the declaration
    // must say so, or the next load would decode them as something else.
    const QString encoding = QStringLiteral(" encoding=\"%1\"").arg(QLatin1String(kSaveCodec));
    const QDomDocumentType type = m_document.doctype();
    bool typeWritten = type.isNull() || type.name().isEmpty();
    bool declared = false;
    for (QDomNode node = m_document.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (isXmlDeclaration(node)) {
            stream << QStringLiteral("<?xml ") << withEncoding(node.toProcessingInstruction().data(), encoding)
                   << QStringLiteral("?>\n");
            declared = true;
            continue;
        }
        if (!declared) {
            stream << QStringLiteral("<?xml version=\"1.0\"") << encoding << QStringLiteral("?>\n");
            declared = true;
        }
        if (!typeWritten) {
            type.save(stream, 0);
            typeWritten = true;
        }
        node.save(stream, 0);
    }
    if (!typeWritten)
        type.save(stream, 0);
    stream.flush();
    return out;
}

bool XmlNode::save(const QString &path) const
{
    QTextCodec *codec = QTextCodec::codecForName(kSaveCodec);
    if (!codec)
        return false;
    return FenwaGUIToolkit::CFile::WriteAll(path, codec->fromUnicode(serialized()));
}

bool XmlNode::tagNameIs(const QString &name) const
{
    return !m_element.isNull() && m_element.tagName() == name;
}

int XmlNode::childCount() const
{
    int count = 0;
    for (QDomElement e = m_element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++count;
    return count;
}

XmlNode XmlNode::childAt(int index) const
{
    if (index < 0)
        return XmlNode(m_document, QDomElement());
    QDomElement e = m_element.firstChildElement();
    for (int i = 0; i < index && !e.isNull(); ++i)
        e = e.nextSiblingElement();
    return XmlNode(m_document, e);
}

XmlNode XmlNode::firstChild() const
{
    return XmlNode(m_document, m_element.firstChildElement());
}

XmlNode XmlNode::nextSibling() const
{
    return XmlNode(m_document, m_element.nextSiblingElement());
}

XmlNode XmlNode::child(const QString &name) const
{
    if (m_element.isNull())
        return XmlNode(m_document, QDomElement());
    return XmlNode(m_document, m_element.elementsByTagName(name).item(0).toElement());
}

void XmlNode::clearDocument()
{
    // Node by node, so that copies keep sharing the document.
    while (!m_document.firstChild().isNull())
        m_document.removeChild(m_document.firstChild());
}

bool XmlNode::createRoot(const QString &name)
{
    // Appending a second root to a loaded document would write a file no parser
    // accepts, so whatever the document held is dropped first.
    clearDocument();
    m_document.appendChild(m_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"GB2312\"")));
    m_element = m_document.createElement(name);
    m_document.appendChild(m_element);
    return true;
}

XmlNode XmlNode::appendChild(const QString &name)
{
    if (m_element.isNull())
        return XmlNode(m_document, QDomElement());
    QDomElement e = m_document.createElement(name);
    m_element.appendChild(e);
    return XmlNode(m_document, e);
}

bool XmlNode::removeChildAt(int index)
{
    const QDomNodeList children = m_element.childNodes();
    if (m_element.isNull() || index < 0 || index >= children.count())
        return false;
    return !m_element.removeChild(children.item(index)).isNull();
}

QString XmlNode::text() const
{
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText())
            return n.toText().data();
    }
    return QString();
}

bool XmlNode::setText(const QString &text)
{
    if (m_element.isNull())
        return false;
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText()) {
            n.toText().setData(text);
            return true;
        }
    }
    m_element.appendChild(m_document.createTextNode(text));
    return true;
}

bool XmlNode::setText(int value)
{
    return setText(QString::number(value));
}

QString XmlNode::attribute(const QString &name, const QString &defaultValue) const
{
    return m_element.attribute(name, defaultValue);
}

bool XmlNode::setAttribute(const QString &name, const QString &value)
{
    if (m_element.isNull())
        return false;
    m_element.setAttribute(name, value);
    return true;
}
