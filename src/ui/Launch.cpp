#include "ui/Launch.h"

#include "platform/Desktop.h"
#include "ui/GENETICCODE_Form45.h"
#include "ui/ORF_Form27.h"
#include "ui/TRANSLATIONGraphic_Form17.h"
#include "ui/Workspace.h"

namespace bxl::ui {

// The graph window opens maximised and is disposed of when it closes.
void openGraphWindow(const WorkspaceView& workspace) {
  auto* window = new TForm17(workspace);
  window->setAttribute(Qt::WA_DeleteOnClose);
  platform::desktop().showMaximized(window);
}

// A new ORF window each time, beside any already open: it lays itself out as
// it is made and loads the translation as it is shown.
void openOrfWindow(const WorkspaceView& workspace) { platform::desktop().showMaximized(new TForm27(workspace)); }

// The window takes the language when it is shown; in Spanish it is told once more.
void openGeneticCodeWindow(const WorkspaceView& workspace) {
  auto* window = new TForm45(workspace);
  window->show();
  if (workspace.language() == QLatin1String("Es")) window->ButtonIDIOMA();
}

}  // namespace bxl::ui
