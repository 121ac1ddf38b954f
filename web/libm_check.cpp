// The web edition's sine, cosine, arc tangent, arc cosine and hypot (formula/libm_web.cpp) against the
// desktop's libm. The desktop writes arguments and its values (libm_check write FILE); the web
// edition reads them (libm_check check FILE) and fails when hypot differs from the desktop's at all
// or the others are not correctly rounded (up to one argument in 100000), or
// differ from the desktop's more often than one in 200 (musl's: several in 100).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kArguments = 200000;
enum { kX, kY, kZ, kSin, kCos, kAtan, kAcos, kHypot, kColumns };

// Arguments over the angles and lengths of the program, from a fixed sequence (splitmix64).
double Next(std::uint64_t& state, double low, double high) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return low + (high - low) * static_cast<double>(z >> 11) * 0x1p-53;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: libm_check write|check DATEI\n");
        return 2;
    }
    const bool write = std::strcmp(argv[1], "write") == 0;
    std::FILE* file = std::fopen(argv[2], write ? "wb" : "rb");
    if (!file) {
        std::fprintf(stderr, "libm_check: %s lässt sich nicht öffnen\n", argv[2]);
        return 1;
    }
    std::uint64_t state = 20261208;
    long differ[kColumns] = {}, notRounded[kColumns] = {};
    for (int i = 0; i < kArguments; ++i) {
        double row[kColumns];
        if (write) {
            const double x = Next(state, -8, 8), y = Next(state, -20, 20), z = Next(state, -1, 1);
            row[kX] = x, row[kY] = y, row[kZ] = z;
            row[kSin] = std::sin(x), row[kCos] = std::cos(x), row[kAtan] = std::atan(y), row[kAcos] = std::acos(z);
            row[kHypot] = std::hypot(x, y);
            if (std::fwrite(row, sizeof row, 1, file) != 1) return 1;
            continue;
        }
        if (std::fread(row, sizeof row, 1, file) != 1) {
            std::fprintf(stderr, "libm_check: %s ist zu kurz\n", argv[2]);
            return 1;
        }
        const double x = row[kX], y = row[kY], z = row[kZ];
        const double ours[kColumns] = {x, y, z, std::sin(x), std::cos(x), std::atan(y), std::acos(z), std::hypot(x, y)};
        const double exact[kColumns] = {x,
                                        y,
                                        z,
                                        static_cast<double>(sinl(x)),
                                        static_cast<double>(cosl(x)),
                                        static_cast<double>(atanl(y)),
                                        static_cast<double>(acosl(z)),
                                        ours[kHypot]};
        for (int c = kSin; c < kColumns; ++c) {
            differ[c] += ours[c] != row[c];
            notRounded[c] += ours[c] != exact[c];
        }
    }
    std::fclose(file);
    if (write) return 0;
    std::printf("von %d: sin %ld/%ld, cos %ld/%ld, atan %ld/%ld, acos %ld/%ld verschieden/nicht richtig gerundet, "
                "hypot %ld verschieden\n",
                kArguments, differ[kSin], notRounded[kSin], differ[kCos], notRounded[kCos], differ[kAtan],
                notRounded[kAtan], differ[kAcos], notRounded[kAcos], differ[kHypot]);
    bool ok = differ[kHypot] == 0;
    for (int c = kSin; c <= kAcos; ++c) ok = ok && notRounded[c] * 100000 <= kArguments && differ[c] * 200 <= kArguments;
    return ok ? 0 : 1;
}
