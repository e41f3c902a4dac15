// Long double division for WebAssembly. Emscripten's compiler-rt (LLVM 14) divides
// binary128 wrongly for some divisors (1 / (1 - 2^-113) gives 2, which put 3D points
// at twice their distance), so the division the compiler calls for long double is
// defined here: long division of the significands, rounded to nearest, ties to even.
#if defined(__EMSCRIPTEN__)

#include <cstring>

namespace {

using u128 = unsigned __int128;
constexpr int kBias = 16383, kSpecial = 0x7FFF;
constexpr u128 kImplicit = u128(1) << 112, kFraction = kImplicit - 1, kQuiet = u128(1) << 111;
constexpr u128 kInfinity = u128(kSpecial) << 112, kSign = u128(1) << 127;

long double fromBits(u128 bits) {
  long double r;
  std::memcpy(&r, &bits, sizeof r);
  return r;
}

// The significand with its leading bit at 112, and the unbiased exponent of that bit.
void unpack(u128 bits, u128& significand, int& exponent) {
  exponent = int(bits >> 112) & kSpecial;
  significand = bits & kFraction;
  if (exponent != 0) {
    significand |= kImplicit;
  } else {
    exponent = 1;
    while ((significand & kImplicit) == 0) significand <<= 1, --exponent;
  }
  exponent -= kBias;
}

}  // namespace

extern "C" long double __divtf3(long double a, long double b) {
  u128 x, y;
  std::memcpy(&x, &a, sizeof x);
  std::memcpy(&y, &b, sizeof y);
  const u128 sign = (x ^ y) & kSign;
  const u128 ax = x & ~kSign, ay = y & ~kSign;
  if (ax > kInfinity) return fromBits(x | kQuiet);
  if (ay > kInfinity) return fromBits(y | kQuiet);
  if (ax == kInfinity) return fromBits(ay == kInfinity ? kInfinity | kQuiet : sign | kInfinity);
  if (ay == kInfinity) return fromBits(sign);
  if (ay == 0) return fromBits(ax == 0 ? kInfinity | kQuiet : sign | kInfinity);
  if (ax == 0) return fromBits(sign);

  u128 n, d;
  int ea, eb;
  unpack(ax, n, ea);
  unpack(ay, d, eb);
  int exponent = ea - eb;
  if (n < d) n <<= 1, --exponent;  // the quotient's leading bit comes first
  // 113 bits of the quotient and two more; the remainder tells whether anything is left.
  u128 q = 0;
  for (int i = 0; i < 115; ++i) {
    q <<= 1;
    if (n >= d) n -= d, q |= 1;
    n <<= 1;
  }
  int biased = exponent + kBias;
  const int shift = 2 + (biased < 1 ? 1 - biased : 0);  // denormal results keep fewer bits
  if (biased < 1) biased = 0;
  if (shift >= 116) return fromBits(sign);
  u128 kept = q >> shift;
  const u128 rest = q & ((u128(1) << shift) - 1), half = u128(1) << (shift - 1);
  if (rest > half || (rest == half && (n != 0 || (kept & 1) != 0))) ++kept;
  if (biased == 0) return fromBits(sign | kept);  // 2^112 here is the smallest normal
  if (kept >> 113) kept >>= 1, ++biased;
  if (biased >= kSpecial) return fromBits(sign | kInfinity);
  return fromBits(sign | (u128(biased) << 112) | (kept & kFraction));
}

#endif
