#include "app/ui/viewer_app.h"

int main(int argc, char** argv) { return lapscope::ui::RunViewer(argc, argv); }
