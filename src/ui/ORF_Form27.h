#pragma once
// The ORF window: the largest ORF of a frame or of all three, every ORF of a
// frame, the ORFs of the alternative start codons, and the map of where they
// lie. Its searches read the ORF module state, shared by every ORF window and
// loaded from the main window's translation when the window is shown.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "orf/OrfMap.h"
#include "orf/OrfSearch.h"
#include "orf/OrfText.h"
#include "ui/Form.h"
#include "ui/ORF_Form27_controls.h"

namespace bxl::ui {

class WorkspaceView;

class TForm27 : public Form {
  Q_OBJECT
 public:
  // The window reads the main window's workspace through `workspace`, which
  // outlives it. It is destroyed when closed.
  explicit TForm27(const WorkspaceView& workspace, QWidget* parent = nullptr);

  // Opening.
  void FormCreate();
  void FormShow();
  void ButtonPANTALLA();
  void ButtonIDIOMA();
  void BtnCargaSecuencias();

  // The tool panels.
  void BtnLargest();
  void BtnAll();
  void BtnGRAM();

  // The map's base drawing.
  void ButtonNEWGRAPH();

  // The largest ORF.
  void ButtonLargestin1();
  void ButtonLargestin2();
  void ButtonLargestin3();
  void Button4LargestInAll();

  // Every ORF of the selected frame.
  void ButtonALLORFS();

  // The ORFs of one alternative start codon in the checked frame.
  void ButtonGTG();
  void ButtonTTG();
  void ButtonCTG();
  void ButtonATT();

  // Printing, closing, the help menu's link.
  void BtnPRINT();
  void ButtonCERRAR();
  void Geneticcodepage1Click();

  // What the map holds now, as geometry.
  const orf::OrfMap& map() const { return map_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  orf::Language language() const;
  // A message captioned "BeXalo" with an OK button, the text 8-bit.
  void say(std::string_view text);
  void setCaptionText(QLabel* label, std::string_view text);
  void showCaptionText(QLabel* label, std::string_view text);
  void showLines(const std::vector<std::string>& lines);
  // The map as it is now, on screen; called after every drawing. Before the
  // first drawing the surface is blank and as large as the scroll box.
  void showMap();
  void showMap(QSize surface);
  // The top of the map as one picture, for the clipboard and the printer.
  QImage mapPicture() const;

  // The frame search of ButtonLargestin1 to ButtonLargestin3.
  void largestInFrame(int frame);
  // A click on RadioButton6 to RadioButton8: lists the frame with the progress bar up.
  void listFrame(int frame);
  // The codon command of ButtonGTG to ButtonATT.
  void searchStartCodon(orf::StartCodon codon);
  // A click on a start-codon radio button, and on a frame check box.
  void startCodonChosen(orf::StartCodon codon);
  void frameBoxClicked(int frame);
  // Every frame selected for a listing, 1 to 3: by the all-ORFs radio buttons
  // or by the frame check boxes, or by the check boxes alone.
  std::vector<int> framesSelectedForListing() const;
  std::vector<int> checkedFrameBoxes() const;
  void uncheckAlternativeStartSelectors();

  std::array<RadioButton*, 3> largestRadios() const;
  std::array<RadioButton*, 3> allOrfsRadios() const;
  std::array<RadioButton*, 4> startCodonRadios() const;
  std::array<CheckBox*, 3> frameBoxes() const;

  const WorkspaceView& workspace_;
  // The nucleotide copy RichEdit2 shows: the main window's editor text as it
  // stood when the window was made, 8-bit.
  std::string nucleotideCopy_;
  orf::OrfMap map_;
  Form27Controls ui_;
};

}  // namespace bxl::ui
