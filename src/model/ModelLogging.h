#pragma once

#include <QLoggingCategory>

// The data layer's messages ("tavo.model"): warnings name unusable data files
// and settings; debug lines only with QT_LOGGING_RULES="tavo.model.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcModel)
