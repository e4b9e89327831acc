// The reference of the start benchmark: the least a Qt Widgets program does to show a
// dialog of four buttons, on the same toolkit as lanvane. Prints "shown" and ends when
// the dialog is first exposed.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstExposure : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.installEventFilter(new FirstExposure(&application));
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    for (const char* text : {"Ethernet Configuration", "WLAN Configuration", "Serial/USB Configuration", "Exit"}) {
        layout->addWidget(new QPushButton(QString::fromLatin1(text), &dialog));
    }
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    return dialog.exec();
}
