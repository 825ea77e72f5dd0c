#include "ui/Workspace.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/RichEdit.h"
#include "platform/ScriptText.h"
#include "platform/Text8.h"

namespace bxl::ui {

Workspace::Workspace() : registration_(QStringLiteral("workspace"), [this] { return dump(); }) {}

QString Workspace::letterCode() const { return controls_.letterCode->text(); }
QString Workspace::graphFrames() const { return controls_.graphFrames->text(); }
QString Workspace::language() const { return controls_.language->text(); }
QString Workspace::filePath() const { return controls_.filePath->text(); }
QString Workspace::editorText() const { return controls_.editor->text(); }

QStringList Workspace::dump() const {
  using platform::quoteScriptText;
  const auto code = [](char c) { return quoteScriptText(platform::fromAnsi(std::string_view(&c, 1))); };
  const ClaseSecuencia& d = DatosSecuencia;
  const QString field = QStringLiteral("workspace.DatosSecuencia.%1 = %2");
  return {
      QStringLiteral("workspace.SecuenciaTrabajo = ") + quoteScriptText(platform::fromAnsi(SecuenciaTrabajo)),
      field.arg(QStringLiteral("Tipo"), code(d.Tipo)),
      field.arg(QStringLiteral("Caso"), code(d.Caso)),
      field.arg(QStringLiteral("Reversa"), code(d.Reversa)),
      field.arg(QStringLiteral("Complemento"), code(d.Complemento)),
      field.arg(QStringLiteral("Barra"), code(d.Barra)),
      field.arg(QStringLiteral("Punto"), code(d.Punto)),
      field.arg(QStringLiteral("Hebra"), code(d.Hebra)),
      field.arg(QStringLiteral("Longitud")).arg(d.Longitud),
      field.arg(QStringLiteral("Texto"), quoteScriptText(platform::fromAnsi(d.Texto))),
  };
}

}  // namespace bxl::ui
