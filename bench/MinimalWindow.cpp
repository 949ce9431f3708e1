#include <QApplication>
#include <QLabel>
#include <QMainWindow>

// The yardstick of the start-up measure: the least a Qt window costs to show,
// titled as the program's window so that one search finds either.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("minimal.tr3 - Vireldo");
    window.setCentralWidget(new QLabel("Vireldo"));
    window.resize(1024, 640);
    window.show();
    return application.exec();
}
