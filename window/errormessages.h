#pragma once

#include "platform/runtimeerror.h"

#include <QString>

// What the user is told for each error a computation can raise.
QString errorMessage(platform::ErrorCode code);
