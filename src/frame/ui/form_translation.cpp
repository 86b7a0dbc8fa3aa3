#include "frame/ui/form_translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>
#include <filesystem>

#include "base/temp_files.h"
#include "frame/ui/vnt_action_list.h"

namespace fs = std::filesystem;

namespace frame::ui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The tab widget whose page the widget is, or none.
QTabWidget* TabOfPage(QWidget* page, int* index) {
  auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
  auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  if (!tabs) return nullptr;
  *index = tabs->indexOf(page);
  return *index >= 0 ? tabs : nullptr;
}

template <class T>
void SetHint(T* target, const std::string& hint) {
  target->setToolTip(Q(hint));
  target->setStatusTip(Q(hint));
}

QStringList Items(const std::vector<std::string>& lines, size_t from) {
  QStringList items;
  for (size_t i = from; i < lines.size(); ++i) items << Q(lines[i]);
  return items;
}

void ApplyBlock(QObject* component, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  const std::string& first = lines[0];
  const bool hasSecond = lines.size() >= 2;
  const std::string second = hasSecond ? lines[1] : std::string();

  if (auto* translatable = dynamic_cast<IVntTranslatable*>(component)) {
    translatable->ImportTexts(lines);
  } else if (auto* label = qobject_cast<QLabel*>(component)) {
    if (!first.empty()) label->setText(Q(first));
    if (hasSecond) SetHint(label, second);
  } else if (auto* button = qobject_cast<QAbstractButton*>(component)) {
    if (!first.empty()) button->setText(Q(first));
    if (hasSecond) SetHint(button, second);
  } else if (auto* combo = qobject_cast<QComboBox*>(component)) {
    if (!first.empty()) SetHint(combo, first);
    if (hasSecond) {
      int selected = combo->currentIndex();
      combo->clear();
      combo->addItems(Items(lines, 1));
      combo->setCurrentIndex(selected < combo->count() ? selected : -1);
    }
  } else if (auto* list = qobject_cast<QListWidget*>(component)) {
    if (!first.empty()) SetHint(list, first);
    if (hasSecond) {
      int selected = list->currentRow();
      list->clear();
      list->addItems(Items(lines, 1));
      list->setCurrentRow(selected < list->count() ? selected : -1);
    }
  } else if (auto* group = qobject_cast<QGroupBox*>(component)) {
    if (!first.empty()) group->setTitle(Q(first));
    if (hasSecond) SetHint(group, second);
  } else if (auto* menu = qobject_cast<QMenu*>(component)) {
    if (!first.empty()) menu->setTitle(Q(first));
    if (hasSecond) SetHint(menu, second);
  } else if (auto* action = qobject_cast<QAction*>(component)) {
    if (!first.empty()) action->setText(Q(first));
    if (hasSecond) SetHint(action, second);
  } else if (auto* widget = qobject_cast<QWidget*>(component)) {
    int tabIndex = -1;
    if (QTabWidget* tabs = TabOfPage(widget, &tabIndex)) {
      if (!first.empty()) tabs->setTabText(tabIndex, Q(first));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
      if (!first.empty()) SetHint(plain, first);
      if (hasSecond) plain->setPlainText(Items(lines, 1).join('\n'));
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
      if (!first.empty()) SetHint(rich, first);
      if (hasSecond) rich->setPlainText(Items(lines, 1).join('\n'));
    } else {
      SetHint(widget, first);
    }
  }
}

bool HasLetter(const QString& text) {
  for (QChar c : text)
    if (c.isLetter()) return true;
  return false;
}

// The texts of a component in the order ApplyBlock reads them; empty when it has none.
std::vector<std::string> ExportBlock(QObject* component) {
  auto s = [](const QString& text) { return text.isEmpty() ? std::string(".") : text.toStdString(); };
  auto captionAndHint = [&](const QString& caption, const QString& hint) {
    std::vector<std::string> lines{s(caption)};
    if (!hint.isEmpty()) lines.push_back(hint.toStdString());
    return lines;
  };
  auto hintAndItems = [&](const QString& hint, const QStringList& items) {
    std::vector<std::string> lines{s(hint)};
    for (const QString& item : items) lines.push_back(s(item));
    return lines;
  };
  if (auto* translatable = dynamic_cast<IVntTranslatable*>(component)) return translatable->ExportTexts();
  if (auto* label = qobject_cast<QLabel*>(component)) return captionAndHint(label->text(), label->statusTip());
  if (auto* button = qobject_cast<QAbstractButton*>(component)) return captionAndHint(button->text(), button->statusTip());
  if (auto* combo = qobject_cast<QComboBox*>(component)) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return hintAndItems(combo->statusTip(), items);
  }
  if (auto* list = qobject_cast<QListWidget*>(component)) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return hintAndItems(list->statusTip(), items);
  }
  if (auto* group = qobject_cast<QGroupBox*>(component)) return captionAndHint(group->title(), group->statusTip());
  if (auto* menu = qobject_cast<QMenu*>(component)) return captionAndHint(menu->title(), menu->statusTip());
  if (auto* action = qobject_cast<QAction*>(component)) return captionAndHint(action->text(), action->statusTip());
  if (auto* widget = qobject_cast<QWidget*>(component)) {
    int tabIndex = -1;
    if (QTabWidget* tabs = TabOfPage(widget, &tabIndex)) return {s(tabs->tabText(tabIndex))};
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
      return hintAndItems(plain->statusTip(), plain->toPlainText().split('\n'));
    if (!widget->statusTip().isEmpty()) return {widget->statusTip().toStdString()};
  }
  return {};
}

}  // namespace

void ApplyFormTexts(QWidget* form, const TFormTexts& texts) {
  if (!texts.caption.empty()) form->setWindowTitle(Q(texts.caption));
  for (const TFormTexts::Block& block : texts.blocks) {
    if (block.component.empty()) continue;
    QObject* component = form->objectName() == Q(block.component) ? nullptr : form->findChild<QObject*>(Q(block.component));
    if (component) ApplyBlock(component, block.lines);
  }
}

void TranslateForm(QWidget* form, const std::vector<std::string>& classChain, const TQbLanguageTxtFiles& texts) {
  for (const std::string& className : classChain) ApplyFormTexts(form, SplitFormSection(texts.FormSection(className)));
}

std::string ExportFormText(QWidget* form, const std::string& className) {
  std::string text = "[" + className + "]\r\n";
  text += (form->windowTitle().isEmpty() ? std::string(".") : form->windowTitle().toStdString()) + "\r\n";
  for (QObject* component : form->findChildren<QObject*>()) {
    if (component->objectName().isEmpty() || component->objectName().startsWith(QLatin1String("qt_"))) continue;
    std::vector<std::string> lines = ExportBlock(component);
    QString all;
    for (const std::string& line : lines) all += Q(line);
    if (lines.empty() || !HasLetter(all) || (lines.size() == 1 && lines[0] == "OK")) continue;
    text += ".@" + component->objectName().toStdString() + "\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
  }
  return text;
}

bool ExportFormFile(QWidget* form, const std::string& className, const std::string& folder) {
  std::error_code ec;
  fs::path file = fs::path(folder) / (className + ".txt");
  if (fs::exists(file, ec)) return false;
  fs::create_directories(folder, ec);
  return qb::WriteWholeFile(file.string(), ExportFormText(form, className));
}

}  // namespace frame::ui
