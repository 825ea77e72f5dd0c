#pragma once
// The main window's workspace: what it keeps between commands and what the
// other windows read from it.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <string_view>

#include "translation/TranslationState.h"
#include "ui/StateDump.h"

class QLabel;
class QLineEdit;

namespace bxl::platform {
class RichEdit;
}

namespace bxl::ui {

// The workspace as the ORF, graph and lookup windows see it: read-only, read
// at the moment their commands run, never kept.
class WorkspaceView {
 public:
  virtual ~WorkspaceView() = default;
  // Frame 1, 2 or 3 (index 0, 1, 2) of the last translation, 8-bit: codon cells
  // ("M··") after a one-letter translation, names ("Met") after a three-letter
  // one; empty when nothing is translated.
  virtual std::string_view frame(std::size_t index) const = 0;
  // Label1: "1Code" or "3Code", the code of the last translation; "Label1" before the first.
  virtual QString letterCode() const = 0;
  // Label17: the graph's frame selection, "All" after every translation;
  // "INFORMACION PARA GRAFICA" before the first.
  virtual QString graphFrames() const = 0;
  // LabelIdioma: "En" or "Es".
  virtual QString language() const = 0;
  // Edit6: the full path of the last opened file; empty before the first.
  virtual QString filePath() const = 0;
  // RichEdit1: the sequence editor's text as the editor hands it out (line ends "\r\n").
  virtual QString editorText() const = 0;
};

// The controls that hold the rest of the workspace; the workspace reads them.
struct WorkspaceControls {
  const QLabel* letterCode = nullptr;          // Label1
  const QLabel* graphFrames = nullptr;         // Label17
  const QLabel* language = nullptr;            // LabelIdioma
  const QLineEdit* filePath = nullptr;         // Edit6
  const platform::RichEdit* editor = nullptr;  // RichEdit1
};

// The main window's workspace. The 8-bit values (SecuenciaTrabajo,
// DatosSecuencia, the frames) live here, and the hidden holders RichEdit2 to
// RichEdit4 show the frames from here; the captions, the path and the editor
// text live in their controls. While it lives, dump-state workspace prints it.
class Workspace final : public TranslationState, public WorkspaceView {
 public:
  Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  // The controls, once the window has built them.
  void attach(const WorkspaceControls& controls) { controls_ = controls; }

  std::string_view frame(std::size_t index) const override { return frames[index]; }
  QString letterCode() const override;
  QString graphFrames() const override;
  QString language() const override;
  QString filePath() const override;
  QString editorText() const override;

  // The lines of dump-state workspace.
  QStringList dump() const;

 private:
  WorkspaceControls controls_;
  StateDumpRegistration registration_;
};

}  // namespace bxl::ui
