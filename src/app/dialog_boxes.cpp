// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialog_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace quadrino {

MessageBox messageBoxOver(QWidget* window) {
    return [window](const QString& text) { QMessageBox::information(window, QStringLiteral("Quadrino"), text); };
}

QuestionBox questionBoxOver(QWidget* window) {
    return [window](const QString& text) {
        return QMessageBox::question(window, QStringLiteral("Quadrino"), text) == QMessageBox::Yes;
    };
}

ChoiceBox choiceBoxOver(QWidget* window) {
    return [window](const QString& text, const QStringList& choices, std::function<void(int)> chosen) {
        auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Quadrino"), text, QMessageBox::NoButton, window);
        box->setObjectName(QStringLiteral("choicebox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        QList<QAbstractButton*> buttons;
        for (const QString& choice : choices) buttons << box->addButton(choice, QMessageBox::AcceptRole);
        if (!buttons.isEmpty()) box->setEscapeButton(buttons.back());
        QObject::connect(box, &QMessageBox::finished, box, [box, buttons, chosen = std::move(chosen)] {
            chosen(static_cast<int>(buttons.indexOf(box->clickedButton())));
        });
        box->open();
    };
}

} // namespace quadrino
