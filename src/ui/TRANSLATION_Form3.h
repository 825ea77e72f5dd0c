#pragma once
// The main window: the sequence editor, the translation display and the
// workspace every other window reads.
#include <optional>
#include <string_view>

#include "translation/Display.h"
#include "translation/Pipeline.h"
#include "ui/Form.h"
#include "ui/TRANSLATION_Form3_controls.h"
#include "ui/Workspace.h"

namespace bxl::ui {

class TForm3 : public Form {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

  // What the other windows read from this one.
  const WorkspaceView& workspace() const { return workspace_; }

  // Commands, each named after the button that runs it.
  void FormCreate();
  void BtnPANTALLA();
  void ButtonIDIOMA();
  void BitEspanol();
  void BitEnglish();
  void ButtonUpButtons();
  void ButtonUpPanelOut();
  void BtnBorrarPaneles();
  void TimerProgressBarTimer();

  // Sequence input and checks.
  void TipoSecuencia();
  void BtnSequenceEmpty();
  void BtnClear();
  void ButtonABRIR();
  void BtnSeQExample();
  void ButtonEDITAR();
  void BtnSelectedText();
  void BitOPENFILE();

  // Translation.
  void BtnFuncionTraducir();
  void Btn1LetterCode();
  void Btn3LetterCode();
  void ButtonESCRIBIRENRE1();
  void Mitochondrial();
  void BtnVertebrate();
  void BtnMus();

  // Display, labelling, strand operations, find, clipboard, launching, printing.
  void Button11();
  void Button12();
  void Button13();
  void Button5();
  void BtnLabelStops();
  void BtnLabelMet();
  void AdvSmoothButton2();
  void BtnComplementaria();
  void BtnReversa();
  void BtnRevCom();
  void AdvSmoothButton16();
  void AdvSmoothButton8();
  void FindDialog1Find();
  void Cut3();
  void Copy3();
  void Paste3();
  void SelectAll3();
  void BitGraphic();
  void BitOpenORF();
  void ButtonGeneticCode();
  void ButtonCERRAR();
  void ButtonPRINT();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct MitochondrialCommand;
  void translateMitochondrial(const MitochondrialCommand& command);
  void showOneFrame(int frame);
  // What "Label Met" looks for in the display: "M" or "Met" after a translation in that code.
  std::optional<QString> methioninePattern() const;
  void clearMarks();
  // Marks every match of the pattern in the display; returns how many.
  std::size_t markInDisplay(const QString& pattern, const QColor& color);
  void toggleStatus(QLabel* status, const QString& caption);
  // Whether the sequence editor has the keyboard focus: Cut and Paste act only then.
  bool editorHasFocus() const;
  // The rich edit that Copy and Select All act on: the sequence editor or the
  // display, whichever has the keyboard focus; nullptr for neither.
  platform::RichEdit* focusedTextSource() const;
  void popupMenuOpening();
  void popupMenuClosed();
  // Puts pasted text at the editor's caret; of a text in a record format, only
  // its first record's sequence, and the user is told what was left out.
  void pasteSequence(const QString& pasted);
  void applyLanguage(bool spanish);
  void fitLabelCaptions();
  // Puts the stop-codon legend just under the display, at its left edge.
  void placeLegend();
  // The size the laid-out controls take: the window scrolls below it.
  QSize laidOutSize() const;
  void showResultTitle(const QString& title);
  void caretToStartOfResults();
  void markUnusableCharacters();
  // With an empty editor: tells the user, releases the toggle (if any) and returns true.
  bool refuseEmptyEditor(SmoothToggleButton* toggle);
  // Classifies the editor's text as the working sequence; true for nucleotides.
  bool classifyEditor();
  // Puts a written display on screen, with the progress bar's steps and the legend.
  void showDisplay(const Display& written);
  // What the display writer shows once it has written the all-frames display.
  void showAllFrames(const Display& written);
  // A translate command's chain on the text, then its display on screen.
  void translateAndShow(std::string_view text, TranslationCode code, LetterMode letters);
  // Asks "The sequence will be cleared"; a No puts the focus back in the editor.
  bool agreesToClear();
  // What "Clear data" clears once the user has agreed.
  void clearWorkspace();
  // After the workspace's frames were written directly: their holders'
  // selections go back to the start, as after any new text.
  void framesReplaced();

  // Set while the selection, not the whole editor, is being classified: a
  // deletion of other characters then cleans only the selected stretch.
  // Made before the controls: the frame holders show its frames.
  Workspace workspace_;
  Form3Controls ui_;
  bool classifyingSelection_ = false;
  // Lines of each block of the display on screen: the printout keeps a block on one page.
  std::size_t displayLinesPerBlock_ = 0;
};

}  // namespace bxl::ui
