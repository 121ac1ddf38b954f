// The web edition's trigonometric functions and hypot, in place of emscripten's (musl's, from
// fdlibm): computed in 113-bit long double and rounded once, they are correctly rounded but in
// the rarest cases. The desktop's glibc is correctly rounded in nearly every case, musl in far
// fewer (about 3 to 18 in 100 arguments differ from glibc's, here fewer than 1 in 100): results
// rounded to the last shown digit and pixels rounded from them then agree with the desktop's.
// exp, log and pow are the same algorithms in both libraries and stay musl's.
#include <cmath>

extern "C" {

double sin(double x) { return static_cast<double>(sinl(x)); }
double cos(double x) { return static_cast<double>(cosl(x)); }
double tan(double x) { return static_cast<double>(tanl(x)); }
double asin(double x) { return static_cast<double>(asinl(x)); }
double acos(double x) { return static_cast<double>(acosl(x)); }
double atan(double x) { return static_cast<double>(atanl(x)); }
double atan2(double y, double x) { return static_cast<double>(atan2l(y, x)); }
double hypot(double x, double y) { return static_cast<double>(hypotl(x, y)); }

}
