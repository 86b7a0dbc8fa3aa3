// TVntActionList: the actions of a form by name. It translates itself from its block of the form
// section: repeated groups of "@" + action name, caption, hint, where an empty line (".") keeps
// the current text.
#pragma once

#include <QAction>
#include <QObject>
#include <string>
#include <vector>

namespace frame::ui {

// A component that reads and writes its own block of a form section.
class IVntTranslatable {
 public:
  virtual ~IVntTranslatable() = default;
  virtual void ImportTexts(const std::vector<std::string>& lines) = 0;
  virtual std::vector<std::string> ExportTexts() const = 0;
};

class TVntActionList : public QObject, public IVntTranslatable {
  Q_OBJECT
 public:
  explicit TVntActionList(QObject* parent);

  // A new action named name with its designed caption, shortcut and tag.
  QAction* Add(const QString& name, const QString& caption, const QKeySequence& shortcut = {}, int tag = 0);
  const std::vector<QAction*>& Actions() const { return actions_; }
  QAction* Find(const QString& name) const;

  static int Tag(const QAction* action);

  void ImportTexts(const std::vector<std::string>& lines) override;
  std::vector<std::string> ExportTexts() const override;

 private:
  std::vector<QAction*> actions_;
};

}  // namespace frame::ui
