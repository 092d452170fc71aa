#include "app/qt_requesters.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "document/font_store.h"
#include "document/numeric.h"

namespace tavisk {

namespace {

QString Q(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

// "label|*.a|label|*.b" -> "label (*.a);;label (*.b)".
QStringList Filters(const std::string& pattern) {
  const QStringList parts = Q(pattern).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  }
  return filters;
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Info:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

std::string RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const std::string& title,
                          const std::string& defaultFile, const std::string& pattern,
                          int patternIndex) {
  QFileDialog dialog(parent, Q(title), Q(defaultFile));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  const QStringList filters = Filters(pattern);
  dialog.setNameFilters(filters);
  if (patternIndex >= 0 && patternIndex < filters.size()) {
    dialog.selectNameFilter(filters[patternIndex]);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

void QtRequesters::Message(const std::string& title, const std::string& text, MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), Q(title), Q(text), QMessageBox::Ok, parent_);
  box.exec();
}

std::string QtRequesters::OpenFile(const std::string& title, const std::string& defaultFile,
                                   const std::string& pattern, int patternIndex) {
  return RunFileDialog(parent_, QFileDialog::AcceptOpen, title, defaultFile, pattern,
                       patternIndex);
}

std::string QtRequesters::SaveFile(const std::string& title, const std::string& defaultFile,
                                   const std::string& pattern, int patternIndex) {
  return RunFileDialog(parent_, QFileDialog::AcceptSave, title, defaultFile, pattern,
                       patternIndex);
}

int64_t QtRequesters::Color(int64_t initial) {
  const QColor chosen =
      QColorDialog::getColor(QColor(Red(initial), Green(initial), Blue(initial)), parent_);
  if (!chosen.isValid()) return -1;
  return RGBA(chosen.red(), chosen.green(), chosen.blue(), 0);
}

std::optional<FontChoice> QtRequesters::Font(const std::string& name, int size) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, QFont(Q(name), size), parent_);
  if (!ok) return std::nullopt;
  int64_t style = 0;
  if (chosen.bold()) style |= kFontBold;
  if (chosen.italic()) style |= kFontItalic;
  if (chosen.underline()) style |= kFontUnderline;
  if (chosen.strikeOut()) style |= kFontStrikeOut;
  return FontChoice{chosen.family().toStdString(), chosen.pointSize(), style};
}

std::string QtRequesters::Input(const std::string& title, const std::string& prompt,
                                const std::string& initial) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent_, Q(title), Q(prompt), QLineEdit::Normal, Q(initial), &ok);
  return ok ? text.toStdString() : std::string();
}

SaveAnswer QtRequesters::AskToSave(const std::string& title, const std::string& text) {
  const QMessageBox::StandardButton answer = QMessageBox::question(
      parent_, Q(title), Q(text), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
      QMessageBox::Save);
  if (answer == QMessageBox::Save) return SaveAnswer::Save;
  if (answer == QMessageBox::Discard) return SaveAnswer::Discard;
  return SaveAnswer::Cancel;
}

std::optional<bool> QtRequesters::AskYesNo(const std::string& title, const std::string& text) {
  const QMessageBox::StandardButton answer =
      QMessageBox::question(parent_, Q(title), Q(text),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                            QMessageBox::Yes);
  if (answer == QMessageBox::Yes) return true;
  if (answer == QMessageBox::No) return false;
  return std::nullopt;
}

}  // namespace tavisk
