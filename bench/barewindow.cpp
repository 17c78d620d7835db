// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up and memory: a plain Qt Widgets window of the
// calendar window's size with one label and one push button, so that it
// loads fonts and a style as any window with text does; built with the same
// compiler and Qt.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(702, 335);
    auto* label = new QLabel(QStringLiteral("Cycle length"), &window);
    label->setGeometry(20, 20, 200, 20);
    auto* button = new QPushButton(QStringLiteral("Calculate"), &window);
    button->setGeometry(20, 50, 100, 24);
    window.show();
    return app.exec();
}
