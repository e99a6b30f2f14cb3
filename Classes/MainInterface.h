#pragma once
#include <memory>

class QApplication;
class QuorrelAppDelegate;

// The main interface: builds the main window from its layout, creates the controller, connects
// its outlets and the controls' actions, and starts it (awakeFromNib).
std::unique_ptr<QuorrelAppDelegate> loadMainInterface();
