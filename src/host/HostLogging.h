#pragma once

#include <QLoggingCategory>

// The host layer's messages ("tavo.host"): warnings are on, debug lines only
// with QT_LOGGING_RULES="tavo.host.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcHost)
