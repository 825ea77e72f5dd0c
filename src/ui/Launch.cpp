#include "ui/Launch.h"

namespace bxl::ui {

// The graph, ORF and genetic code windows are built by their own sources;
// until each exists, its launch button checks the workspace and opens nothing.
void openGraphWindow(TForm3&) {}
void openOrfWindow(TForm3&) {}
void openGeneticCodeWindow(TForm3&) {}

}  // namespace bxl::ui
