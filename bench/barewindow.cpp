// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up and memory: a bare Qt Widgets window of the
// calendar window's size, built with the same compiler and Qt.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(702, 335);
    window.show();
    return app.exec();
}
