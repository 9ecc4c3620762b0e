#pragma once

#include <QAtomicPointer>
#include <QMutex>
#include <QMutexLocker>

#include <memory>

namespace FenwaGUIToolkit {

// The one mutex that serialises the creation of every process-wide singleton.
// Recursive, because creating one singleton may ask for another (the language
// manager reads the setup store).
QRecursiveMutex &singletonCreationMutex();

// Base of the process-wide objects. instance() creates the object on first use
// (checked again inside the lock) and keeps it until the process exits.
template <typename T>
class CUiSingleton
{
public:
    static T *instance()
    {
        T *object = s_instance.loadAcquire();
        if (!object) {
            QMutexLocker lock(&singletonCreationMutex());
            object = s_instance.loadRelaxed();
            if (!object) {
                holder().reset(new T);
                object = holder().get();
                s_instance.storeRelease(object);
            }
        }
        return object;
    }

protected:
    CUiSingleton() = default;
    virtual ~CUiSingleton() = default;

private:
    static std::unique_ptr<T> &holder()
    {
        static std::unique_ptr<T> object;
        return object;
    }
    static QAtomicPointer<T> s_instance;
};

template <typename T>
QAtomicPointer<T> CUiSingleton<T>::s_instance;

} // namespace FenwaGUIToolkit
