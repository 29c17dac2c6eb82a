// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: version, maker, the maker's web address and a picture.
#include <QDialog>
#include <QLabel>
#include <QUrl>

#include <functional>

namespace quadrino {

// The maker's web site; the about box, the lobby advert and the board's logo send people there.
inline constexpr const char* kMakerName = "Kestrun";
inline constexpr const char* kMakerWebAddress = "http://www.kestrun.com";

// An address that opens in the web browser when clicked, or when Enter or Space is pressed
// on it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QUrl& address, QWidget* parent = nullptr);
    QUrl address() const { return address_; }

signals:
    // The browser was asked to open the address; `opened` is false when that failed.
    void activated(bool opened);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void open();

    QUrl address_;
    bool pressed_ = false;
};

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The version text this program sends when it logs in to a host.
    QString version() const;

    // Where the message goes when the browser cannot be started; tests replace the box.
    void setMessageBox(std::function<void(const QString&)> show);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* version_ = nullptr;
    std::function<void(const QString&)> messageBox_;
};

// The about box's picture: pawns of the four colours round a pair of dice showing a five.
QPixmap aboutPicture();

} // namespace quadrino
