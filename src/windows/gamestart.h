// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game options dialog: the hosting user picks the optional rules and starts a game.
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QSpinBox>

#include <functional>
#include <string>

class QAbstractButton;

namespace quadrino {

// A check picture that toggles when clicked. Its state (0 off, 1 on) is the dynamic property
// "tag", as the rest of the program reads it.
class CheckImage : public QLabel {
    Q_OBJECT
public:
    explicit CheckImage(const QString& name, QWidget* parent = nullptr);
    int state() const;
    // Shows picture `value` (0 or 1) and stores it in "tag".
    void setState(int value);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space toggles the box that has the focus, which wears a dotted frame.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

// The block-limit number box: 0 to 10, no wrapping, no arrow keys; reached by Tab so that the
// dialog works from the keyboard alone.
class LimitSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit LimitSpinBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class GameOptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxBlockLimit = 10;

    explicit GameOptionsDialog(QWidget* parent = nullptr);

    // Where the dialog gets the user's name, sends its message, and what runs after a start
    // (saving the settings).
    void setNameProvider(std::function<QString()> provider);
    void setSender(std::function<void(const std::string&)> sender);
    void setAfterStart(std::function<void()> afterStart);

    int penalty() const;
    int passing() const;
    int blocking() const;
    int pouncing() const;
    int fullgame() const;
    int teamgame() const;
    int blocklimit() const;

    // Toggles one of the six boxes (every box's click lands here).
    void box_penaltyClick(CheckImage* box);
    // Sets the box with this component name to 0 or 1. Unknown names and other values are
    // refused (false) and change nothing.
    bool changebox(const QString& name, int value);
    // Sets the up-down control with this name; the value is kept within 0..10.
    bool changebox1(const QString& name, int value);
    // Sends the start request with the current choices, hides the dialog, then runs the
    // after-start hook.
    void button_startClick();

    // The message a start would send now.
    std::string startMessage() const;

protected:
    void showEvent(QShowEvent* event) override;
    // Enter starts the game from anywhere in the dialog (Escape closes it, as in any dialog).
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CheckImage* addBox(const QString& name, int y, const QString& caption, int initial);

    CheckImage* penalty_ = nullptr;
    CheckImage* passing_ = nullptr;
    CheckImage* blocking_ = nullptr;
    CheckImage* pouncing_ = nullptr;
    CheckImage* fullgame_ = nullptr;
    CheckImage* teamgame_ = nullptr;
    LimitSpinBox* limit_ = nullptr;
    QAbstractButton* start_ = nullptr;

    QHash<QObject*, CheckImage*> captionBoxes_; // caption label -> its box

    std::function<QString()> nameProvider_;
    std::function<void(const std::string&)> sender_;
    std::function<void()> afterStart_;
};

} // namespace quadrino
