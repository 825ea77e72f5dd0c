#pragma once
// Opening the secondary windows from the main window. Each call creates one
// more window, owned by the application, and shows it modelessly. A window
// keeps the view and reads the workspace through it whenever one of its own
// commands runs; the main window outlives every window it opened.
namespace bxl::ui {

class WorkspaceView;

void openGraphWindow(const WorkspaceView& workspace);
void openOrfWindow(const WorkspaceView& workspace);
// The genetic code window; it takes the main window's language when shown.
void openGeneticCodeWindow(const WorkspaceView& workspace);

}  // namespace bxl::ui
