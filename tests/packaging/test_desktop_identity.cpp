// SPDX-License-Identifier: GPL-3.0-or-later
// The program names the menu entry the package installs, and every window wears the icon.
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTest>

#include "app/desktop_identity.h"

class TestDesktopIdentity : public QObject {
    Q_OBJECT
private slots:
    void namesTheInstalledMenuEntry() {
        quadrino::presentToDesktop();
        // The compositor looks for <desktop file name>.desktop among the installed entries.
        const QFileInfo entry(QStringLiteral(QUADRINO_DESKTOP_ENTRY));
        QVERIFY2(entry.exists(), qPrintable(entry.filePath()));
        QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), entry.fileName());
    }

    void everyWindowWearsTheIcon() {
        quadrino::presentToDesktop();
        const QIcon icon = QGuiApplication::windowIcon();
        for (const int size : {16, 48, 256}) QCOMPARE(icon.pixmap(size).width(), size);
        QMainWindow main;
        QDialog dialog(&main);
        for (QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&dialog)})
            QCOMPARE(w->windowIcon().cacheKey(), icon.cacheKey());
    }
};

QTEST_MAIN(TestDesktopIdentity)
#include "test_desktop_identity.moc"
