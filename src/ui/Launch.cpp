#include "ui/Launch.h"

#include "platform/Desktop.h"
#include "ui/ORF_Form27.h"

namespace bxl::ui {

// The graph, ORF and genetic code windows are built by their own sources;
// until each exists, its launch button checks the workspace and opens nothing.
void openGraphWindow(const WorkspaceView&) {}
void openGeneticCodeWindow(const WorkspaceView&) {}

// A new ORF window each time, beside any already open: it lays itself out as
// it is made and loads the translation as it is shown.
void openOrfWindow(const WorkspaceView& workspace) { platform::desktop().showMaximized(new TForm27(workspace)); }

}  // namespace bxl::ui
