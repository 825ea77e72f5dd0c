#include "ui/Launch.h"

#include "platform/Desktop.h"
#include "ui/TRANSLATIONGraphic_Form17.h"

namespace bxl::ui {

// The graph window opens maximised and is disposed of when it closes.
void openGraphWindow(const WorkspaceView& workspace) {
  auto* window = new TForm17(workspace);
  window->setAttribute(Qt::WA_DeleteOnClose);
  platform::desktop().showMaximized(window);
}

// The ORF and genetic code windows are built by their own sources; until each
// exists, its launch button checks the workspace and opens nothing.
void openOrfWindow(const WorkspaceView&) {}
void openGeneticCodeWindow(const WorkspaceView&) {}

}  // namespace bxl::ui
