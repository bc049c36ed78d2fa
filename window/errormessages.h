#pragma once

#include "platform/runtimeerror.h"

#include <QString>

// What the user is told for each error a computation can raise.
QString errorMessage(platform::ErrorCode code);

// What the user is told for the exception being handled: call it in a catch block. A computation's
// error says what it is; running out of memory says so; anything else, that the calculation failed.
QString currentFailureMessage() noexcept;
