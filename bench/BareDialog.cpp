// The reference of the start benchmark: the least a Qt Widgets program does to show a
// dialog of four buttons, on the same toolkit as lanvane. Under the benchmark it prints
// "shown" and ends when the dialog is first exposed, through the desktop program's own signal.
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/desktop/ShownSignal.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    lanvane::ExitWhenMainMenuShownIfAsked();
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    for (const char* text : {"Ethernet Configuration", "WLAN Configuration", "Serial/USB Configuration", "Exit"}) {
        layout->addWidget(new QPushButton(QString::fromLatin1(text), &dialog));
    }
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    return dialog.exec();
}
