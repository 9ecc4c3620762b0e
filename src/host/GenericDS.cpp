#include "host/GenericDS.h"

namespace aptui {

GenericDS::GenericDS() = default;
GenericDS::~GenericDS() = default;

} // namespace aptui
