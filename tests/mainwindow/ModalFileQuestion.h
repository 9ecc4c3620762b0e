#pragma once

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// Stands in for the file dialog behind aptui::FileChooser in tests that drive
// the whole window with real input events. Like the real dialog it is modal
// over the window that asks, so the window is blocked and the widget under the
// pointer gets its leave events, yet no real file dialog opens and nothing
// outside one temporary folder is ever named: whatever the path field holds on
// accepting, only its file name is kept, inside that folder.
//
// Object names: "modalFileQuestion", its path field "fileQuestionPath" and the
// buttons "fileQuestionAccept" and "fileQuestionCancel".
class ModalFileQuestion : public QDialog
{
public:
    ModalFileQuestion(QWidget *parent, const QString &caption, const QString &proposal)
        : QDialog(parent ? parent->window() : nullptr)
    {
        setObjectName(QStringLiteral("modalFileQuestion"));
        setWindowTitle(caption);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(caption, this));
        m_path = new QLineEdit(proposal, this);
        m_path->setObjectName(QStringLiteral("fileQuestionPath"));
        layout->addWidget(m_path);
        auto *buttons = new QHBoxLayout;
        auto *accept = new QPushButton(QStringLiteral("OK"), this);
        accept->setObjectName(QStringLiteral("fileQuestionAccept"));
        accept->setDefault(true);
        auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
        cancel->setObjectName(QStringLiteral("fileQuestionCancel"));
        buttons->addWidget(accept);
        buttons->addWidget(cancel);
        layout->addLayout(buttons);
        connect(accept, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

    // Runs the question; the chosen path inside `folder`, empty when cancelled.
    static QString ask(QWidget *parent, const QString &caption, const QString &proposal, const QString &folder)
    {
        ModalFileQuestion question(parent, caption, proposal);
        if (parent)
            question.move(parent->window()->geometry().center() - QPoint(150, 50));
        if (question.exec() != QDialog::Accepted)
            return QString();
        const QString name = QFileInfo(question.m_path->text()).fileName();
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            return QString();
        return QDir(folder).filePath(name);
    }

private:
    QLineEdit *m_path = nullptr;
};
