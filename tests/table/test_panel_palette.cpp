// SPDX-License-Identifier: GPL-3.0-or-later
// The board panel's texts stay readable under a dark system palette: each label's text
// colour against what actually lies beneath its text on the window's sand ground.
#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <cmath>

#include "panel_fixture.h"
#include "art/art.h"

using namespace quadrino;

class TestPanelPalette : public QObject {
    Q_OBJECT
private slots:
    void everyLabelReadsUnderADarkPalette() {
        const QColor light(240, 240, 240), grey(53, 53, 53);
        QApplication::setPalette(QPalette(light, grey, grey.lighter(), grey.darker(), grey, light, Qt::white, grey, grey));
        fixture::Table t(1, "Ann", true);
        t.seatEveryone();
        t.startGame("1");
        t.feed(encode(NextPlayer{1, 1}));
        t.feed(encode(PlayerDisconnected{3, "Cid"}));
        QList<QLabel*> labels;
        for (QLabel* l : t.panel->findChildren<QLabel*>())
            if (l->isVisible() && !l->text().isEmpty()) labels << l;
        QVERIFY2(labels.size() >= 10, "the rules, names, status and the question all show");

        for (QLabel* l : labels) l->hide();
        QImage ground(t.panel->size(), QImage::Format_RGB32);
        QPainter(&ground).fillRect(ground.rect(), QBrush(QColor(221, 221, 193), art::background()));
        t.panel->QWidget::render(&ground, QPoint(), QRegion(), QWidget::DrawChildren);
        auto luminance = [](const QColor& c) {
            auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
        };
        for (QLabel* l : labels) {
            // Only where the text lies: a label's box may reach over other ground.
            const QRect r = QStyle::alignedRect(l->layoutDirection(), l->alignment(),
                                                l->fontMetrics().size(0, l->text()).boundedTo(l->size()), l->rect())
                                .translated(l->mapTo(t.panel.get(), QPoint(0, 0))) & ground.rect();
            double beneath = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) beneath += luminance(ground.pixelColor(x, y));
            // By value: minmax of two temporaries would hand back references to them.
            const auto [lo, hi] = std::minmax({beneath / (double(r.width()) * r.height()),
                                               luminance(l->palette().color(l->foregroundRole()))});
            // Three to one: the web's floor for large or bold text, which these labels mostly are.
            QVERIFY2((hi + 0.05) / (lo + 0.05) >= 3.0, qPrintable(l->objectName() + u' ' + l->text()));
        }
    }
};

QTEST_MAIN(TestPanelPalette)
#include "test_panel_palette.moc"
