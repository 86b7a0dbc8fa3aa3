#include "frame/ui/vnt_action_list.h"

namespace frame::ui {

namespace {
const char* const kTagProperty = "vntTag";

std::string DropTrailingDollar(std::string text) {
  if (!text.empty() && text.back() == '$') text.pop_back();
  return text;
}
}  // namespace

TVntActionList::TVntActionList(QObject* parent) : QObject(parent) {}

QAction* TVntActionList::Add(const QString& name, const QString& caption, const QKeySequence& shortcut, int tag) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  action->setProperty(kTagProperty, tag);
  actions_.push_back(action);
  return action;
}

QAction* TVntActionList::Find(const QString& name) const {
  for (QAction* action : actions_)
    if (action->objectName().compare(name, Qt::CaseInsensitive) == 0) return action;
  return nullptr;
}

int TVntActionList::Tag(const QAction* action) { return action ? action->property(kTagProperty).toInt() : 0; }

void TVntActionList::ImportTexts(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() < 2 || lines[i][0] != '@') continue;
    QAction* action = Find(QString::fromStdString(DropTrailingDollar(lines[i].substr(1))));
    std::string caption = i + 1 < lines.size() ? DropTrailingDollar(lines[i + 1]) : std::string();
    std::string hint = i + 2 < lines.size() ? DropTrailingDollar(lines[i + 2]) : std::string();
    if (!action) continue;
    // A caption or hint line that is itself the next marker belongs to the next group.
    if (!caption.empty() && caption[0] != '@') action->setText(QString::fromStdString(caption));
    if (!hint.empty() && hint[0] != '@') {
      action->setToolTip(QString::fromStdString(hint));
      action->setStatusTip(QString::fromStdString(hint));
    }
  }
}

std::vector<std::string> TVntActionList::ExportTexts() const {
  std::vector<std::string> lines;
  for (const QAction* action : actions_) {
    lines.push_back("@" + action->objectName().toStdString());
    std::string caption = action->text().toStdString();
    std::string hint = action->statusTip().toStdString();
    lines.push_back(caption.empty() ? "." : caption);
    lines.push_back(hint.empty() ? "." : hint);
  }
  return lines;
}

}  // namespace frame::ui
