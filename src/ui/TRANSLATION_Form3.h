#pragma once
// The main window: the sequence editor, the translation display and the
// workspace every other window reads.
#include <string>

#include "sequence/ClaseSecuencia.h"
#include "ui/Form.h"

namespace bxl::ui {

// The program-wide values of the main window: the working copy of the sequence
// and the description of the last classified text.
inline std::string SecuenciaTrabajo;
inline ClaseSecuencia DatosSecuencia;

class TForm3 : public Form {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

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

  bool spanish() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void applyLanguage(bool spanish);
  void setDown(const char* toggle, bool down);
  void setShown(const char* control, bool shown);
};

// The workspace as the script driver prints it.
QStringList dumpWorkspace();

}  // namespace bxl::ui
