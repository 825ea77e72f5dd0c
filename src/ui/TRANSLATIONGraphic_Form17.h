#pragma once
// The graph window: the frames of the main window's translation drawn as
// tracks, stops and methionines marked on them and in a text box of the
// frames under a ruler, and the amino acids under a click highlighted.
#include <memory>
#include <vector>

#include "graph/GraphCommands.h"
#include "graph/GraphImage.h"
#include "graph/GraphState.h"
#include "graph/GraphTextBox.h"
#include "ui/Form.h"
#include "ui/GraphCanvas.h"
#include "ui/TRANSLATIONGraphic_Form17_controls.h"

namespace bxl::ui {

class WorkspaceView;

class TForm17 : public Form {
  Q_OBJECT
 public:
  // Creation takes the main window's language. The window reads the main
  // window's workspace through the view, which outlives it.
  explicit TForm17(const WorkspaceView& workspace, QWidget* parent = nullptr);
  ~TForm17() override;

  // The graph's module state: one for the program, shared by every graph
  // window; each window loads the frame texts into it when it is shown.
  static graph::GraphState& moduleState();

  // Where the last press on the picture fell, in picture pixels.
  int clickX() const { return ClickX; }
  int clickY() const { return ClickY; }

  // Commands, each named after the button that runs it.
  void ButtonIDIOMA();
  void ButtonPANTALLA();
  void BitVIEWGRAPH();
  void EscribirRE3();
  void BtnRepaint();
  // Button1, Button2 and Button3: the markers of frame 1, 2 or 3 in the state's marker mode.
  void ButtonFrameMarkers(int frame);
  void BtnLabelStops();
  void BtnLabelMet();
  void AdvSmoothButton1();
  void AdvSmoothButton2();
  void Image1MouseDown(int x, int y);
  void Mensaje();
  void ButtonPRINT();
  void ButtonCERRAR();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Clears the picture and draws the tracks, titled in the given language.
  void drawTracks(graph::TitleLanguage titles);
  void label(graph::LabelCommand command);
  // Adds the changes' attributes to the text box's characters and sets their colour.
  void applyFormatChanges(std::vector<graph::FormatRun> changes);
  bool showsAllFrames() const;

  const WorkspaceView& workspace_;
  Form17Controls ui_;
  // The text box's text as the graph wrote it (8-bit, "\n" line ends) and
  // where its lines start: what the marker commands search and clicks map to.
  graph::TextBox textBox_;
  std::unique_ptr<GraphCanvas> canvas_;
  int ClickX = 0;
  int ClickY = 0;
  bool shown_ = false;
};

}  // namespace bxl::ui
