#pragma once
// The base of every window: builds its controls from a design table, finds
// them by name, binds commands to buttons, attaches menus and keeps the list
// of open windows that the script driver addresses.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/Desktop.h"
#include "platform/RichEdit.h"
#include "ui/Design.h"

class QAbstractButton;
class QMenu;

namespace bxl::ui {

class Form : public QMainWindow {
  Q_OBJECT
 public:
  // formClass is the window's class name as scripts write it ("TForm3").
  explicit Form(const QString& formClass, QWidget* parent = nullptr);
  ~Form() override;

  const QString& formClass() const { return formClass_; }
  QWidget* client() const { return client_; }

  // The control with this name; throws std::logic_error when there is none.
  QObject* control(const QString& name) const;
  template <class T>
  T* control(const QString& name) const {
    T* typed = qobject_cast<T*>(control(name));
    if (!typed) throw std::logic_error("control " + name.toStdString() + " is not of the expected kind");
    return typed;
  }
  platform::RichEdit* richEdit(const QString& name) const;
  // The named control as a T, for a window's typed handles; a rich edit is
  // found through its object.
  template <class T>
  T* typedControl(const char* name) const {
    if constexpr (std::is_same_v<T, platform::RichEdit>)
      return richEdit(QString::fromLatin1(name));
    else
      return control<T>(QString::fromLatin1(name));
  }

  // Whether the window speaks Spanish: its LabelIdioma reads "Es".
  bool spanish() const;
  // Shows a message in the window's language; %1, %2... take the arguments.
  platform::Answer showMessage(const MessageDesign& message, platform::Buttons buttons = platform::Buttons::Ok,
                               const QStringList& arguments = {});

  // The main menu attached to the window, or nullptr.
  QMenu* attachedMenu() const { return attachedMenu_; }

  // The windows open now, in order of creation.
  static const std::vector<Form*>& openWindows();

  // A control's caption as the user reads it ("&" is a plain character).
  static QString captionOf(const QObject* control);
  static void setCaptionOf(QObject* control, const QString& caption);

 protected:
  // An 8-bit text the window keeps itself, shown by the named hidden holder.
  struct HeldText {
    const char* holder;
    std::string* text;
  };
  // Builds the controls; a text holder named in heldTexts reads and writes its
  // text there instead of keeping one of its own.
  void build(std::span<const ControlDesign> design, std::span<const HeldText> heldTexts = {});
  void buildMainMenu(const MainMenuDesign& design);
  void buildPopupMenu(const PopupMenuDesign& design);
  void attachMenu(QMenu* menu);
  // Runs command when the named button is clicked, the menu item chosen or the timer ticks.
  void bindCommand(const QString& name, std::function<void()> command);
  // Sets each listed control's caption in one language.
  void applyCaptions(std::span<const CaptionDesign> captions, bool spanish);
  void setCaption(const QString& name, const QString& caption);
  // Runs a command; an error that escapes it is shown and the program goes on.
  void runGuarded(const std::function<void()>& command);

  void closeEvent(QCloseEvent* event) override;

  // Puts the client area in a scroll area: when the window is smaller than
  // its laid-out controls, scroll bars bring every control within reach.
  void scrollWhenSmaller();
  // The size the laid-out controls take; below it the client scrolls.
  void setClientExtent(QSize extent);

 private:
  QString formClass_;
  QWidget* client_;
  QMenu* attachedMenu_ = nullptr;
};

}  // namespace bxl::ui
