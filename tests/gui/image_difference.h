// How far two pictures of the same size differ, for comparing the fast path with the plain one.
#pragma once

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace trimora {

struct Difference {
    double share = 0; // of all pixels, those that differ by more than `slack` in a channel
    int largest = 0;  // the largest difference of one colour channel
    double mean = 0;  // mean difference per channel over the whole picture
};

inline Difference Compare(const QImage& a, const QImage& b, int slack) {
    Difference d;
    long long differing = 0, sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (p[x] == q[x]) continue;
            int largest = 0;
            for (int channel :
                 {qRed(p[x]) - qRed(q[x]), qGreen(p[x]) - qGreen(q[x]), qBlue(p[x]) - qBlue(q[x])}) {
                largest = std::max(largest, std::abs(channel));
                sum += std::abs(channel);
            }
            d.largest = std::max(d.largest, largest);
            if (largest > slack) ++differing;
        }
    }
    const double pixels = double(a.width()) * a.height();
    d.share = differing / pixels;
    d.mean = sum / (3 * pixels);
    return d;
}

} // namespace trimora
