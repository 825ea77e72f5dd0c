#include "ui/Launch.h"

#include "ui/GENETICCODE_Form45.h"
#include "ui/Workspace.h"

namespace bxl::ui {

// The graph, ORF and genetic code windows are built by their own sources;
// until each exists, its launch button checks the workspace and opens nothing.
void openGraphWindow(const WorkspaceView&) {}
void openOrfWindow(const WorkspaceView&) {}

// The window takes the language when it is shown; in Spanish it is told once more.
void openGeneticCodeWindow(const WorkspaceView& workspace) {
  auto* window = new TForm45(workspace);
  window->show();
  if (workspace.language() == QLatin1String("Es")) window->ButtonIDIOMA();
}

}  // namespace bxl::ui
