// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel's texts stay readable under a dark system palette: each label's text
// colour against what actually lies beneath it on the window's sand ground.
#include <QApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

#include "panel_fixture.h"
#include "art/art.h"

using namespace quadrino;

namespace {

double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const auto [lo, hi] = std::minmax(luminance(a), luminance(b));
    return (hi + 0.05) / (lo + 0.05);
}

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(240, 240, 240));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::Text, QColor(240, 240, 240));
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    return p;
}

// The panel drawn as the main window shows it: on the sand ground of its client area.
QImage onGround(QWidget* panel) {
    QImage image(panel->size(), QImage::Format_ARGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), QBrush(QColor(221, 221, 193), art::background()));
    p.end();
    panel->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor meanOver(const QImage& image, const QRect& r) {
    double red = 0, green = 0, blue = 0;
    int n = 0;
    for (int y = std::max(r.top(), 0); y <= std::min(r.bottom(), image.height() - 1); ++y)
        for (int x = std::max(r.left(), 0); x <= std::min(r.right(), image.width() - 1); ++x) {
            const QRgb px = image.pixel(x, y);
            red += qRed(px);
            green += qGreen(px);
            blue += qBlue(px);
            ++n;
        }
    if (n == 0) return {};
    return QColor(int(red / n), int(green / n), int(blue / n));
}

} // namespace

class TestPanelPalette : public QObject {
    Q_OBJECT
private slots:
    void everyLabelReadsUnderADarkPalette();
};

void TestPanelPalette::everyLabelReadsUnderADarkPalette() {
    QApplication::setPalette(darkPalette());
    fixture::Table t(1, "Ann", true);
    t.seatEveryone();
    t.startGame("1");
    t.feed(encode(NextPlayer{1, 1}));
    t.feed(encode(AError{1, 5}));
    t.feed(encode(PlayerDisconnected{3, "Cid"}));
    t.panel->render();
    // Both notices at once, so that the labels on each are seen.
    t.w("panel_bottakeover")->show();

    QList<QLabel*> labels;
    for (QLabel* l : t.panel->findChildren<QLabel*>())
        if (l->isVisible() && !l->text().isEmpty()) labels << l;
    QVERIFY2(labels.size() >= 10, "the rules, names, status and notices all show");

    // What lies beneath the texts: the same picture with them hidden.
    for (QLabel* l : labels) l->hide();
    const QImage ground = onGround(t.panel.get());
    for (QLabel* l : labels) l->show();

    for (QLabel* l : labels) {
        const QRect r(l->mapTo(t.panel.get(), QPoint(0, 0)), l->size());
        const QColor text = l->palette().color(l->foregroundRole());
        const double ratio = contrast(text, meanOver(ground, r));
        // Three to one: the web's floor for large or bold text, which these labels mostly are.
        QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1 \"%2\": %3").arg(l->objectName(), l->text()).arg(ratio)));
    }
}

QTEST_MAIN(TestPanelPalette)
#include "test_panel_palette.moc"
