#include "host/CUiSingleton.h"

#include <QMutex>

namespace FenwaGUIToolkit {

QRecursiveMutex &singletonCreationMutex()
{
    static QRecursiveMutex mutex;
    return mutex;
}

} // namespace FenwaGUIToolkit
