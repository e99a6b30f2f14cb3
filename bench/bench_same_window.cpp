// Quorrel's own main window built from its layout, empty, in a program that does nothing else:
// what the window alone costs from exec to its first frame, the second baseline of
// `BM_ExecToFirstFrameOverBareWindow`. No string tables, no controller, no reads, no rows.
#include "ui_MainWindow.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    Ui::MainWindow ui;
    ui.setupUi(&window);
    window.show();
    return QApplication::exec();
}
