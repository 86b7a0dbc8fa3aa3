// Entry of the viewer program: makes the Qt application and the main window, runs the loop.
#pragma once

namespace lapscope::ui {

int RunViewer(int argc, char** argv);

}  // namespace lapscope::ui
