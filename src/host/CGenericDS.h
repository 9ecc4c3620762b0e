#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace FenwaGUIToolkit {

// One element of an XML document. Copies share the document, so a change made
// through one copy is saved by any other.
class CGenericDS
{
public:
    CGenericDS() = default;

    // Parses the file; on success this object becomes the document's root element.
    bool LoadXML(const QString &path);
    // Writes the whole document, in the encoding its declaration names (UTF-8 otherwise).
    bool SaveXML(const QString &path) const;

    bool IsNull() const { return m_element.isNull(); }
    int GetChildrenCount() const;
    // Walks from the first child on every call; loops go through GetFirstChild() and GetNextSibling().
    CGenericDS GetChild(int index) const;
    // First child element; an empty element when there is none.
    CGenericDS GetFirstChild() const;
    // Next sibling element; an empty element after the last one.
    CGenericDS GetNextSibling() const;
    // First child element with that tag; an empty element when there is none.
    CGenericDS GetChildByName(const QString &name) const;
    QString GetName() const;
    QString GetValue() const;
    bool SetValue(const QString &text);

private:
    CGenericDS(const QDomDocument &document, const QDomElement &element);

    QDomDocument m_document;
    QDomElement m_element;
};

} // namespace FenwaGUIToolkit
