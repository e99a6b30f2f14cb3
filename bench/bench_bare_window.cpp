// A bare Qt program showing a window of two tables, linked with Qt Widgets alone: what any such
// program costs from exec to its first frame, the baseline of `BM_ExecToFirstFrameOverBareWindow`.
#include "BareWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow bare;
    bare.window.show();
    return QApplication::exec();
}
