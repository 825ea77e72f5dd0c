// A rich edit that is never shown: plain text kept between commands, either
// its own (Unicode) or an 8-bit text kept elsewhere that it reads and writes.
#include <QObject>
#include <algorithm>

#include "platform/RichEdit.h"
#include "platform/Text8.h"

namespace bxl::platform {
namespace {

// The holder's own text.
class OwnText {
 public:
  const QString& get() const { return text_; }
  void set(QString text) { text_ = std::move(text); }
  qsizetype size() const { return text_.size(); }

 private:
  QString text_;
};

// An 8-bit text owned by someone else, one byte per character: what the holder
// shows is that text, so a genome's frames exist once.
class AnsiText {
 public:
  explicit AnsiText(std::string* text) : text_(text) {}
  QString get() const { return fromAnsi(*text_); }
  void set(const QString& text) { *text_ = toAnsi(text); }
  qsizetype size() const { return qsizetype(text_->size()); }

 private:
  std::string* text_;
};

template <class Text>
class TextHolder : public QObject, public RichEdit {
 public:
  TextHolder(QObject* parent, Text text) : QObject(parent), text_(std::move(text)) {}

  QObject* object() override { return this; }
  QWidget* view() override { return nullptr; }
  QString plainText() const override { return text_.get(); }
  void setText(const QString& text) override {
    text_.set(normalizeLineEnds(text));
    selStart_ = selLength_ = 0;
    changed();
  }
  QStringList lines() const override {
    const QString text = text_.get();
    return text.isEmpty() ? QStringList() : text.split('\n');
  }
  qsizetype length() const override { return text_.size(); }
  // Kept inside the text, which its owner may have changed since the selection was made.
  qsizetype selStart() const override { return std::min(selStart_, length()); }
  qsizetype selLength() const override { return std::min(selLength_, length() - selStart()); }
  void setSelection(qsizetype start, qsizetype length) override {
    selStart_ = std::clamp<qsizetype>(start, 0, text_.size());
    selLength_ = std::clamp<qsizetype>(length, 0, text_.size() - selStart_);
  }
  QString selectionText() const override { return text_.get().mid(selStart(), selLength()); }
  void replaceSelection(const QString& text) override {
    const QString inserted = normalizeLineEnds(text);
    const qsizetype start = selStart();
    QString all = text_.get();
    all.replace(start, selLength(), inserted);
    text_.set(std::move(all));
    selStart_ = start + inserted.size();
    selLength_ = 0;
    changed();
  }
  CharFormat formatAt(qsizetype) const override { return {}; }
  void setSelectionFormat(const CharFormat&) override {}
  void applyFormats(std::span<const FormatRun>) override {}
  std::vector<FormatRun> formatRuns() const override { return {}; }
  qsizetype findText(const QString& what, qsizetype start, qsizetype length, int options) const override {
    return findInText(text_.get(), what, start, length, options);
  }
  QFont textFont() const override { return font_; }
  void setTextFont(const QFont& font) override { font_ = font; }
  void setWordWrap(bool) override {}
  void setScrollBars(ScrollBars) override {}
  void setKeepSelectionVisible(bool) override {}
  void setWantReturns(bool) override {}
  void setPopupMenu(QMenu*) override {}

 private:
  Text text_;
  qsizetype selStart_ = 0;
  qsizetype selLength_ = 0;
  QFont font_;
};

}  // namespace

RichEdit* createTextHolder(QObject* parent) { return new TextHolder<OwnText>(parent, OwnText()); }

RichEdit* createTextHolder(QObject* parent, std::string* ansiText) {
  return new TextHolder<AnsiText>(parent, AnsiText(ansiText));
}

}  // namespace bxl::platform
