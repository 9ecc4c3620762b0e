#include "model/ModelLogging.h"

Q_LOGGING_CATEGORY(lcModel, "tavo.model", QtInfoMsg)
