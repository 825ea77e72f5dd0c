// A rich edit that is never shown: plain text kept between commands.
#include <QObject>

#include "platform/RichEdit.h"

namespace bxl::platform {
namespace {

class TextHolder : public QObject, public RichEdit {
 public:
  explicit TextHolder(QObject* parent) : QObject(parent) {}

  QObject* object() override { return this; }
  QWidget* view() override { return nullptr; }
  QString plainText() const override { return text_; }
  void setText(const QString& text) override {
    text_ = normalizeLineEnds(text);
    selStart_ = selLength_ = 0;
    changed();
  }
  QStringList lines() const override { return text_.isEmpty() ? QStringList() : text_.split('\n'); }
  qsizetype length() const override { return text_.size(); }
  qsizetype selStart() const override { return selStart_; }
  qsizetype selLength() const override { return selLength_; }
  void setSelection(qsizetype start, qsizetype length) override {
    selStart_ = std::clamp<qsizetype>(start, 0, text_.size());
    selLength_ = std::clamp<qsizetype>(length, 0, text_.size() - selStart_);
  }
  QString selectionText() const override { return text_.mid(selStart_, selLength_); }
  void replaceSelection(const QString& text) override {
    const QString inserted = normalizeLineEnds(text);
    text_.replace(selStart_, selLength_, inserted);
    selStart_ += inserted.size();
    selLength_ = 0;
    changed();
  }
  CharFormat formatAt(qsizetype) const override { return {}; }
  void setSelectionFormat(const CharFormat&) override {}
  void applyFormats(std::span<const FormatRun>) override {}
  std::vector<FormatRun> formatRuns() const override { return {}; }
  qsizetype findText(const QString& what, qsizetype start, qsizetype length, int options) const override {
    return findInText(text_, what, start, length, options);
  }
  QFont textFont() const override { return font_; }
  void setTextFont(const QFont& font) override { font_ = font; }
  void setWordWrap(bool) override {}
  void setScrollBars(ScrollBars) override {}
  void setKeepSelectionVisible(bool) override {}
  void setWantReturns(bool) override {}
  void setPopupMenu(QMenu*) override {}

 private:
  QString text_;
  qsizetype selStart_ = 0;
  qsizetype selLength_ = 0;
  QFont font_;
};

}  // namespace

RichEdit* createTextHolder(QObject* parent) { return new TextHolder(parent); }

}  // namespace bxl::platform
