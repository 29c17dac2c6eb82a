// SPDX-License-Identifier: GPL-3.0-or-later
// quadrino-cvd: shows a screenshot as people with red-green colour blindness see it, to check
// that the seats stay apart. For each PNG given it writes NAME_deuteranopia.png and
// NAME_protanopia.png beside it (or into the folder given with -o). The simulation is
// Machado, Oliveira and Fernandes (2009) at severity 1.0, applied in linear RGB.
//   quadrino-cvd [-o FOLDER] shot.png...
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

struct Deficiency {
    const char* name;
    Matrix m;
};

constexpr Deficiency kDeficiencies[] = {
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
};

double toLinear(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int fromLinear(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(s * 255));
}

QImage simulate(const QImage& source, const Matrix& m) {
    std::array<double, 256> linear{};
    for (int v = 0; v < 256; ++v) linear[static_cast<size_t>(v)] = toLinear(v);
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = line[x];
            const std::array<double, 3> in{linear[static_cast<size_t>(qRed(px))],
                                           linear[static_cast<size_t>(qGreen(px))],
                                           linear[static_cast<size_t>(qBlue(px))]};
            std::array<int, 3> o{};
            for (size_t r = 0; r < 3; ++r) o[r] = fromLinear(m[r][0] * in[0] + m[r][1] * in[1] + m[r][2] * in[2]);
            line[x] = qRgba(o[0], o[1], o[2], qAlpha(px));
        }
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString folder;
    if (args.size() >= 2 && args.first() == u"-o") {
        folder = args.at(1);
        args = args.mid(2);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "quadrino-cvd: cannot create %s\n", qPrintable(folder));
            return 1;
        }
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: quadrino-cvd [-o FOLDER] shot.png...\n");
        return 2;
    }
    int failures = 0;
    for (const QString& path : args) {
        const QImage image(path);
        if (image.isNull()) {
            std::fprintf(stderr, "quadrino-cvd: cannot read %s as a picture\n", qPrintable(path));
            ++failures;
            continue;
        }
        const QFileInfo info(path);
        const QDir into(folder.isEmpty() ? info.absolutePath() : folder);
        for (const Deficiency& d : kDeficiencies) {
            const QString out = into.filePath(QStringLiteral("%1_%2.png").arg(info.completeBaseName(), QString::fromLatin1(d.name)));
            if (simulate(image, d.m).save(out)) {
                std::printf("%s\n", qPrintable(out));
            } else {
                std::fprintf(stderr, "quadrino-cvd: cannot write %s\n", qPrintable(out));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
