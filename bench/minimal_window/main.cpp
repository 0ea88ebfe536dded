// The floor the programmer's start-up is compared against: the least a Qt Widgets program can do
// to put a dialog on the screen. Default font, no resources, no translations.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Minimal window"), &dialog));
    dialog.show();
    return app.exec();
}
