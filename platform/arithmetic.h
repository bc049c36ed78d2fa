#pragma once

// Checked double arithmetic. Each operation rounds once to double; a zero divisor raises
// ErrorCode::DivisionByZero and a result that is not finite raises ErrorCode::Overflow.
// The operations live out of line so that no caller can fuse or reorder them.
namespace platform {

double multiply(double left, double right);
double subtract(double left, double right);
double divide(double left, double right);

} // namespace platform
