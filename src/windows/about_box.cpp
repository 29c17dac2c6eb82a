// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about_box.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "art/art.h"
#include "package_version.h"
#include "windows/side_windows.h"

namespace quadrino {
namespace {

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int pixelSize, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(sideWindowFont(pixelSize, bold));
    return label;
}

} // namespace

// ---- LinkLabel ------------------------------------------------------------------------------

LinkLabel::LinkLabel(const QUrl& address, QWidget* parent) : QLabel(parent), address_(address) {
    setTextFormat(Qt::PlainText);
    setText(address.toString());
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(tr("Open in your web browser"));
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) open();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        open();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::open() { emit activated(QDesktopServices::openUrl(address_)); }

// ---- AboutBox ---------------------------------------------------------------------------------

AboutBox::AboutBox(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setUpSideWindow(this, QStringLiteral("about"), tr("Quadrino - About"), 13);

    messageBox_ = [this](const QString& text) { QMessageBox::information(this, QStringLiteral("Quadrino"), text); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 16);
    layout->setSpacing(8);

    QLabel* title = addLabel(this, QStringLiteral("label_title"), QStringLiteral("Quadrino"), 22, true);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("image_about"));
    picture->setPixmap(aboutPicture());
    picture->setAccessibleName(tr("The board with one pawn of each colour and two dice"));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);

    auto* versionRow = new QHBoxLayout;
    versionRow->addStretch();
    versionRow->addWidget(addLabel(this, QStringLiteral("label_version"), tr("Version"), 13, true));
    // The one version text of the program: hosts compare it with their own, byte for byte.
    version_ = addLabel(this, QStringLiteral("version"), QString::fromLatin1(kPackageVersion.data(), qsizetype(kPackageVersion.size())),
                        13, false);
    versionRow->addWidget(version_);
    versionRow->addStretch();
    layout->addLayout(versionRow);

    QLabel* maker = addLabel(this, QStringLiteral("label_maker"),
                             tr("Made by %1").arg(QString::fromLatin1(kMakerName)), 13, false);
    maker->setAlignment(Qt::AlignCenter);
    layout->addWidget(maker);

    auto* site = new LinkLabel(QUrl(QString::fromLatin1(kMakerWebAddress)), this);
    site->setObjectName(QStringLiteral("label_website"));
    site->setAlignment(Qt::AlignCenter);
    connect(site, &LinkLabel::activated, this, [this](bool opened) {
        if (!opened && messageBox_) messageBox_(tr("Cannot open Webpage"));
    });
    layout->addWidget(site);

    layout->addSpacing(6);
    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QWidget::hide);
    auto* doneRow = new QHBoxLayout;
    doneRow->addStretch();
    doneRow->addWidget(done);
    doneRow->addStretch();
    layout->addLayout(doneRow);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutBox::version() const { return version_->text(); }

void AboutBox::setMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }

void AboutBox::showEvent(QShowEvent* event) {
    if (QWidget* owner = parentWidget()) {
        adjustSize();
        centreWindowAt(this, owner->window()->frameGeometry().center());
    }
    QDialog::showEvent(event);
}

// ---- the picture ------------------------------------------------------------------------------

QPixmap aboutPicture() {
    const QSize size(136, 112);
    const qreal ratio = art::renderRatio();
    QPixmap canvas(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)));
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);

    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // A corner of wood with the cross-shaped track, one arm per colour.
    const QRectF table(4, 4, 128, 104);
    QLinearGradient wood(table.topLeft(), table.bottomRight());
    wood.setColorAt(0.0, QColor(184, 132, 80));
    wood.setColorAt(1.0, QColor(120, 78, 42));
    p.setPen(QPen(QColor(80, 50, 24), 1.5));
    p.setBrush(wood);
    p.drawRoundedRect(table, 12, 12);

    const QPointF centre = table.center();
    const qreal arm = 17;
    const int seats[] = {1, 4, 2, 3}; // going round: top, right, bottom, left
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(90.0 * i);
        QRectF lane(-arm / 2, -table.height() / 2 + 6, arm, table.height() / 2 - 8);
        QLinearGradient g(lane.topLeft(), lane.bottomLeft());
        g.setColorAt(0.0, art::pawnColour(seats[i]).lighter(125));
        g.setColorAt(1.0, QColor(250, 244, 226));
        p.setPen(QPen(QColor(80, 50, 24, 160), 1));
        p.setBrush(g);
        p.drawRoundedRect(lane, 4, 4);
        p.restore();
    }

    // Two dice that make a five, the number that brings a pawn onto the board.
    const QPixmap two = art::die(2);
    const QPixmap three = art::die(3);
    p.save();
    p.translate(centre + QPointF(-17, -1));
    p.rotate(-12);
    p.drawPixmap(QRectF(-14, -14, 28, 28), two, QRectF(QPointF(0, 0), two.size()));
    p.restore();
    p.save();
    p.translate(centre + QPointF(16, 3));
    p.rotate(9);
    p.drawPixmap(QRectF(-14, -14, 28, 28), three, QRectF(QPointF(0, 0), three.size()));
    p.restore();

    // One pawn of each colour waiting in the corners.
    const QPointF spots[] = {{14, 12}, {104, 12}, {104, 72}, {14, 72}};
    const int corner[] = {1, 3, 4, 2};
    for (int i = 0; i < 4; ++i) {
        const QPixmap pawn = art::pawn(corner[i]);
        p.drawPixmap(QRectF(spots[i], QSizeF(18, 26)), pawn, QRectF(QPointF(0, 0), pawn.size()));
    }
    p.end();
    return canvas;
}

} // namespace quadrino
