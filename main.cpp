#include "Application.h"
#include "MainInterface.h"
#include "QuorrelAppDelegate.h"

#include <QApplication>

int main(int argc, char** argv)
{
    return ApplicationMain(argc, argv, [](QApplication&) -> ApplicationDelegate* { return loadMainInterface().release(); });
}
