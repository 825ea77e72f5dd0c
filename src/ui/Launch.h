#pragma once
// Opening the secondary windows from the main window. Each call creates one
// more window, owned by the application, and shows it modelessly.
namespace bxl::ui {

class TForm3;

void openGraphWindow(TForm3& main);
void openOrfWindow(TForm3& main);
// The genetic code window; it takes the main window's language when shown.
void openGeneticCodeWindow(TForm3& main);

}  // namespace bxl::ui
