#pragma once
// The genetic code window: the amino acid of a typed or clicked codon, always
// in the standard code, with the codon written with T or with U.
#include <QSize>
#include <optional>

#include "ui/Form.h"
#include "ui/GENETICCODE_Form45_controls.h"

class QShowEvent;

namespace bxl::ui {

class WorkspaceView;

// The percentage this window is scaled by on a screen, or nothing when it
// keeps its designed size. Unlike the other windows it grows on a screen that
// is taller than 810 pixels and wider still in proportion.
std::optional<int> geneticCodeScalePercent(QSize screen);

class TForm45 : public Form {
  Q_OBJECT
 public:
  // The window reads only the main window's language, when it applies it.
  // It disposes of itself when closed.
  explicit TForm45(const WorkspaceView& workspace, QWidget* parent = nullptr);

  // Commands, each named after the control or event that runs it.
  void FormCreate();
  void FormShow();
  void ButtonIDIOMA();
  void ButtonGeneticCode();
  void ButtonCERRAR();
  void MaskEdit1Change();
  // What every codon button does: its codon, written with U, into the entry.
  void codonButtonClick(int codon);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showCodonButtons();

  const WorkspaceView& workspace_;
  Form45Controls ui_;
};

}  // namespace bxl::ui
