#include "host/CUiSingleton.h"

#include <QMutex>

namespace FenwaGUIToolkit {

::QMutex &singletonCreationMutex()
{
    static ::QMutex mutex;
    return mutex;
}

} // namespace FenwaGUIToolkit
