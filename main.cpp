#include "Classes/MainInterface.h"
#include "Classes/QuorrelAppDelegate.h"
#include "platform/Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return ApplicationMain(argc, argv, [](QApplication&) -> ApplicationDelegate* { return loadMainInterface().release(); });
}
