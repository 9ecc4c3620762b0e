#include "host/HostLogging.h"

Q_LOGGING_CATEGORY(lcHost, "tavo.host", QtInfoMsg)
