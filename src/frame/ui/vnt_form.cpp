#include "frame/ui/vnt_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "frame/language/language_manager.h"
#include "frame/settings/settings_store.h"
#include "frame/ui/form_translation.h"
#include "frame/ui/vnt_messages.h"

namespace frame::ui {

namespace {
std::vector<TVntForm*>& OpenForms() {
  static std::vector<TVntForm*> forms;
  return forms;
}

TWindowRect ToRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
}  // namespace

TVntForm::TVntForm(QWidget* form, std::vector<std::string> classChain, bool sizeable)
    : QObject(form), form_(form), classChain_(std::move(classChain)), sizeable_(sizeable) {
  OpenForms().push_back(this);
  form_->installEventFilter(this);
  Language().SetFormTranslator(&TVntForm::TranslateAllForms);
}

TVntForm::~TVntForm() {
  auto& forms = OpenForms();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void TVntForm::Loaded() {
  Translate();
  const std::string& folder = Language().ExportFolder();
  if (!folder.empty() && !classChain_.empty() && ExportFormFile(form_, classChain_.back(), folder))
    ShowMessage(form_, TMessageKind::Plain, QString::fromStdString(classChain_.back() + "\n" + Language().Texts().LookupText("#QB.FormTextsSaved")));
  if (restoreState_) RestoreWindowState();
}

void TVntForm::Translate() { TranslateForm(form_, classChain_, Language().Texts()); }

void TVntForm::RestoreWindowState() {
  QScreen* screen = form_->screen() ? form_->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  std::optional<TWindowState> stored = ReadWindowState(UserStore(), form_->objectName().toStdString());
  QRect designed(form_->pos(), form_->size());
  TWindowState placed = PlaceWindow(stored, ToRect(screen->availableGeometry()), ToRect(designed), sizeable_);
  form_->setGeometry(placed.rect.left, placed.rect.top, placed.rect.width, placed.rect.height);
  if (placed.state == TWindowShowState::Maximized)
    form_->setWindowState(form_->windowState() | Qt::WindowMaximized);
  else if (placed.state == TWindowShowState::Minimized)
    form_->setWindowState(form_->windowState() | Qt::WindowMinimized);
}

TWindowState TVntForm::CurrentState() const {
  TWindowState state;
  // A maximised or minimised form keeps the size it had before.
  bool changed = form_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen);
  QRect normal = changed && form_->normalGeometry().isValid() ? form_->normalGeometry() : form_->geometry();
  state.rect = ToRect(normal);
  if (form_->windowState() & Qt::WindowMinimized)
    state.state = TWindowShowState::Minimized;
  else if (form_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
    state.state = TWindowShowState::Maximized;
  return state;
}

void TVntForm::SaveWindowState() {
  if (!saveState_ || form_->objectName().isEmpty()) return;
  WriteWindowState(UserStore(), form_->objectName().toStdString(), CurrentState());
}

void TVntForm::TranslateAllForms() {
  for (TVntForm* form : OpenForms()) form->Translate();
}

bool TVntForm::eventFilter(QObject* watched, QEvent* event) {
  // A window the user minimises is hidden by the window system: that is no closing.
  if (watched == form_ && (event->type() == QEvent::Close || event->type() == QEvent::Hide) &&
      !event->spontaneous() && form_->isWindow())
    SaveWindowState();
  return QObject::eventFilter(watched, event);
}

}  // namespace frame::ui
