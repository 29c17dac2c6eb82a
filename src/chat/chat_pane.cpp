#include "chat/chat_pane.h"

#include <QDesktopServices>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace quadrino {
namespace {

// The text style a fragment was written in, stored in its character format.
constexpr int kStyleProperty = QTextFormat::UserProperty + 1;
const QString kSmileyScheme = QStringLiteral("smiley");

QColor toQColor(BgrColour c) { return QColor::fromRgb(bgrToRgb(c) & 0xFFFFFFu); }

QImage plainFace(int n) {
    QImage img(17, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 220, 0));
    p.setPen(QColor(120, 90, 0));
    p.drawEllipse(QRectF(1.5, 0.5, 14, 14));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(5.5, 4.5, 1.5, 2));
    p.drawEllipse(QRectF(10, 4.5, 1.5, 2));
    p.setBrush(Qt::NoBrush);
    // The mouth varies a little so the eighteen codes are told apart.
    p.drawArc(QRectF(4.5, 5 + (n % 3), 8, 5), 200 * 16, 140 * 16);
    return img;
}

} // namespace

ChatPane::ChatPane(QWidget* parent) : QTextBrowser(parent), smileys_(plainFace) {
    setObjectName(QStringLiteral("mainchat"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUndoRedoEnabled(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(233, 233, 214));
    setPalette(pal);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(textSize_);
    setFont(f);
    applyPaneLook();
    opener_ = [](const QString& target) {
        return QDesktopServices::openUrl(QUrl::fromUserInput(target));
    };
    connect(this, &QTextBrowser::anchorClicked, this, &ChatPane::openLink);
}

void ChatPane::applyPaneLook() {
    // Five pixels of margin left and right; the lines start at the top edge.
    QTextFrameFormat ff = document()->rootFrame()->frameFormat();
    ff.setLeftMargin(5);
    ff.setRightMargin(5);
    ff.setTopMargin(2);
    ff.setBottomMargin(2);
    ff.setPadding(0);
    ff.setBorder(0);
    document()->rootFrame()->setFrameFormat(ff);
}

QTextCharFormat ChatPane::styleFormat(int style) const {
    QTextCharFormat fmt;
    fmt.setProperty(kStyleProperty, style);
    if (style == kChatLinkStyle) {
        fmt.setForeground(toQColor(0x008000));
        fmt.setFontUnderline(true);
    } else {
        fmt.setForeground(toQColor(colours_[static_cast<std::size_t>(style)].value_or(kBlack)));
        fmt.setFontWeight(QFont::Bold);
    }
    return fmt;
}

std::optional<BgrColour> ChatPane::styleColour(int style) const {
    if (style < 0 || style >= kChatStyleCount) return std::nullopt;
    return colours_[static_cast<std::size_t>(style)];
}

int ChatPane::styleAt(int position) const {
    QTextCursor c(document());
    c.setPosition(position);
    c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    const QTextCharFormat fmt = c.charFormat();
    return fmt.hasProperty(kStyleProperty) ? fmt.intProperty(kStyleProperty) : -1;
}

void ChatPane::recolour(int style, BgrColour colour) {
    // Colours change rarely (a sender picking a new colour), so a walk over the document
    // only when a style's colour really changes keeps adding a line cheap.
    auto& slot = colours_[static_cast<std::size_t>(style)];
    if (slot == colour) return;
    const bool hadLines = slot.has_value();
    slot = colour;
    if (!hadLines) return;
    std::vector<std::pair<int, int>> ranges;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const QTextCharFormat fmt = frag.charFormat();
            if (fmt.hasProperty(kStyleProperty) && fmt.intProperty(kStyleProperty) == style && !fmt.isImageFormat())
                ranges.emplace_back(frag.position(), frag.length());
        }
    }
    QTextCharFormat change;
    change.setForeground(toQColor(colour));
    QTextCursor c(document());
    for (auto [pos, len] : ranges) {
        c.setPosition(pos);
        c.setPosition(pos + len, QTextCursor::KeepAnchor);
        c.mergeCharFormat(change);
    }
}

void ChatPane::addlinetochat(const QString& text, BgrColour colour) {
    const auto line = parseChatLine(text);
    if (!line) return;
    recolour(line->style, colour);
    const QTextCharFormat fmt = styleFormat(line->style);

    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) c.insertBlock();
    c.insertText(line->namePart + u' ', fmt);
    for (const ChatPiece& piece : line->pieces) {
        switch (piece.type) {
        case ChatPiece::Type::Word:
            c.insertText(piece.text, fmt);
            break;
        case ChatPiece::Type::Link: {
            QTextCharFormat lf = styleFormat(kChatLinkStyle);
            lf.setAnchor(true);
            lf.setAnchorHref(QString::number(links_.size()));
            links_.push_back(piece.text.trimmed());
            c.insertText(piece.text, lf);
            break;
        }
        case ChatPiece::Type::Smiley: {
            QTextImageFormat img;
            img.setName(kSmileyScheme + u':' + QString::number(piece.picture));
            img.setWidth(17);
            img.setHeight(16);
            img.setProperty(kStyleProperty, line->style);
            img.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            c.insertImage(img);
            break;
        }
        }
    }
    if (!scrollOff_) verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void ChatPane::chatrecieved(const QString& received) {
    const ReceivedChat r = splitReceivedChat(received);
    addlinetochat(r.text, r.colour);
}

void ChatPane::setTextSize(int points) {
    if (points <= 0) return;
    textSize_ = points;
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

void ChatPane::clearChat() {
    clear();
    applyPaneLook();
}

QVariant ChatPane::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == kSmileyScheme) {
        bool ok = false;
        const int n = name.path().toInt(&ok);
        QImage img = ok && smileys_ ? smileys_(n) : QImage();
        if (img.isNull()) {
            img = QImage(17, 16, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
        }
        return img;
    }
    return QTextBrowser::loadResource(type, name);
}

void ChatPane::openLink(const QUrl& url) {
    bool ok = false;
    const auto index = url.toString().toULongLong(&ok);
    const QString target = ok && index < links_.size() ? links_[index] : QString();
    if (target.isEmpty() || !opener_ || !opener_(target)) emit linkFailed();
}

} // namespace quadrino
