#pragma once

// The floating type of the arithmetic (geometry, model, pictures). On x86-64 it is the
// x87 80-bit format that the results were made with; elsewhere the widest the platform
// has (IEEE binary128, done in software, on 64-bit ARM Linux and in WebAssembly). Files
// do not depend on it: the element stream writes its own 10-byte format.
//
// The browser page is built with ORTIVO_EXTENDED_DOUBLE: binary128 in software made a
// determination and a 3D frame several times too slow there, and double still puts the
// positions well within a millimetre of the desktop's.
#if defined(ORTIVO_EXTENDED_DOUBLE) && ORTIVO_EXTENDED_DOUBLE
using Extended = double;
#else
using Extended = long double;
#endif

// Pi in Extended. Not std::numbers::pi_v<long double>: libc++ 14 gives it only to double
// precision. On x86-64 this is the value libstdc++ gives.
inline constexpr Extended extendedPi = static_cast<Extended>(3.141592653589793238462643383279502884L);
