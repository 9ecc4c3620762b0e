#pragma once

#include "model/Result.h"
#include "model/ScenceInfo.h"
#include "model/ScenceItem.h"
#include "model/StructDeviceItem.h"
#include "model/StructDeviceType.h"

#include <QMap>
#include <QString>
#include <QVector>

// Registers the records and the containers that signal and slot signatures
// carry, under the names those signatures use. Call once at start-up; further
// calls do nothing.
void registerModelMetaTypes();
