#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

// One element of an XML document, with the document it belongs to. Copies share
// the document, so a change made through one copy is saved by any other.
class XmlNode
{
public:
    // A null node on an empty document.
    XmlNode();
    virtual ~XmlNode();
    XmlNode(const XmlNode &) = default;
    XmlNode &operator=(const XmlNode &) = default;

    // Parses the file into the document; this node becomes its root element. False
    // only when the path is empty or the file cannot be opened: a file that does
    // not parse leaves an empty document and a null node.
    bool load(const QString &path);
    // Writes the whole document in GB2312 without indentation. The file is
    // replaced only once everything has been written.
    bool save(const QString &path) const;

    bool isNull() const { return m_element.isNull(); }
    QString tagName() const { return m_element.tagName(); }
    bool tagNameIs(const QString &name) const;

    // Element children only.
    int childCount() const;
    // Walks from the first child on every call; loops go through firstChild() and nextSibling().
    XmlNode childAt(int index) const;
    // First child element; a null node when there is none.
    XmlNode firstChild() const;
    // Next sibling element; a null node after the last one.
    XmlNode nextSibling() const;
    // First element of that tag anywhere below this one, in document order.
    XmlNode child(const QString &name) const;

    // Starts the document afresh with an XML declaration naming GB2312 and a root
    // element of that name, which this node becomes.
    bool createRoot(const QString &name);
    // New last child element; a null node when this node is null.
    XmlNode appendChild(const QString &name);
    // Removes the index-th child node, counting nodes of every kind.
    bool removeChildAt(int index);

    // Data of the first text child; empty when there is none.
    QString text() const;
    bool setText(const QString &text);
    bool setText(int value);

    QString attribute(const QString &name, const QString &defaultValue = QString()) const;
    bool setAttribute(const QString &name, const QString &value);

    QDomDocument document() const { return m_document; }
    QDomElement element() const { return m_element; }

protected:
    XmlNode(const QDomDocument &document, const QDomElement &element);

private:
    QString serialized() const;
    void clearDocument();

    QDomDocument m_document;
    QDomElement m_element;
};
