#pragma once

// The program's catalogues and number notation of one language, installed as
// start-up installs them, for as long as the object lives. Header only: the
// suites that use it link the model.
#include "host/TargetPath.h"
#include "model/LanaguageManager.h"

#include <QLocale>

#include <memory>

class ProgramLanguage
{
public:
    // The setup store's language numbers: 0 English, 1 Chinese, 8 Russian.
    explicit ProgramLanguage(int language)
    {
        // The catalogues come from the build tree; the suite keeps its own
        // data directory.
        const QString target = FenwaGUIToolkit::GetTargetPath();
        FenwaGUIToolkit::SetTargetPath(QString());
        const bool overridden = FenwaGUIToolkit::GetTargetPath() != target;
        FenwaGUIToolkit::SetTargetPath(QStringLiteral(TAVO_RUNTIME_DIR));
        m_manager = std::make_unique<apt::LanaguageManager>(language);
        FenwaGUIToolkit::SetTargetPath(overridden ? target : QString());
        QLocale::setDefault(m_manager->locale());
    }
    ~ProgramLanguage() { QLocale::setDefault(m_previousLocale); }
    ProgramLanguage(const ProgramLanguage &) = delete;
    ProgramLanguage &operator=(const ProgramLanguage &) = delete;

private:
    QLocale m_previousLocale;
    std::unique_ptr<apt::LanaguageManager> m_manager;
};
