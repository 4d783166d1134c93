#pragma once

// a * b / c with a 64-bit intermediate, rounded to the nearest integer with halves away from
// zero. Returns -1 when c is 0 or the result does not fit in an int.
int MulDiv(int a, int b, int c);
