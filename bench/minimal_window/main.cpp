// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the programmer's start-up is compared against: the least a Qt Widgets program can do
// to put a window with text on the screen, a top-level label. Default font, no layout, no
// resources, no translations.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Minimal window"));
    label.show();
    return app.exec();
}
