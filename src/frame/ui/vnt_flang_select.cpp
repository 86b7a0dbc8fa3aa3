#include "frame/ui/vnt_flang_select.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "frame/app_folders.h"
#include "frame/language/language_manager.h"
#include "frame/language/language_table.h"
#include "frame/settings/lapscope_settings.h"
#include "frame/settings/settings_store.h"
#include "frame/ui/flag_pictures.h"
#include "frame/ui/vnt_form.h"

namespace fs = std::filesystem;

namespace frame::ui {

namespace {
constexpr int kIndexRole = Qt::UserRole + 1;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QListWidget* MakeList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setIconSize(QSize(18, 12));
  list->setMinimumHeight(120);
  return list;
}

bool Exists(const std::string& file) {
  std::error_code ec;
  return fs::is_regular_file(file, ec);
}
}  // namespace

TvntFLangSelect::TvntFLangSelect(QWidget* parent, bool showHelpList) : QDialog(parent) {
  setObjectName("FLangSelect");
  setWindowTitle(QString::fromUtf8("Sprache auswählen"));
  lbxLanguage_ = MakeList(this, "lbxLanguage");
  lbxPrnLanguage_ = MakeList(this, "lbxPrnLanguage");
  lbxHlpLanguage_ = MakeList(this, "lbxHlpLanguage");
  lblHlpLanguage_ = MakeLabel(this, "lblHlpLanguage", QString::fromUtf8("Sprache für Hilfeanzeige:"));

  auto* grid = new QGridLayout;
  grid->addWidget(MakeLabel(this, "lblLanguage", QString::fromUtf8("Sprache Bildschirmanzeige:")), 0, 0);
  grid->addWidget(MakeLabel(this, "lblPrnLanguage", QString::fromUtf8("Sprache für Ausdrucke:")), 0, 1);
  grid->addWidget(lblHlpLanguage_, 0, 2);
  grid->addWidget(lbxLanguage_, 1, 0);
  grid->addWidget(lbxPrnLanguage_, 1, 1);
  grid->addWidget(lbxHlpLanguage_, 1, 2);
  auto* note = MakeLabel(this, "lblNote",
                         QString::fromUtf8("Die neuegewählte Sprache wird erst beim nächsten Neustart des Programmes "
                                           "überall korrekt verwendet."));
  note->setWordWrap(true);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("BOk");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Abbrechen", this);
  cancel->setObjectName("BCancel");
  connect(ok, &QPushButton::clicked, this, [this] {
    ApplyOk();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(note);
  layout->addLayout(buttons);

  lbxHlpLanguage_->setVisible(showHelpList);
  lblHlpLanguage_->setVisible(showHelpList);
  resize(showHelpList ? 550 : 370, 300);
  FillLists();

  vntForm_ = new TVntForm(this, {"TvntFLangSelect"}, false);
  vntForm_->Loaded();
}

void TvntFLangSelect::FillLists() {
  TLanguage& language = Language();
  const std::string& folder = language.Texts().Search().folder;
  const std::string& program = language.Texts().Search().programName;
  for (int index = 0; index < kLanguageIndexCount - 1; ++index) {
    QString name = QString::fromStdString(language.GetText('G', 149, index + 1));
    QIcon flag(FlagPicture(FlagCodeOfLanguageIndex(index)));
    auto add = [&](QListWidget* list) {
      auto* item = new QListWidgetItem(flag, name, list);
      item->setData(kIndexRole, index);
    };
    std::string file = folder + "/" + program + ".x" + std::string(LanguageCodeOfIndex(index));
    if (Exists(file)) {
      add(lbxLanguage_);
      add(lbxPrnLanguage_);
    }
    if (Exists(language.HelpFileOf(index))) add(lbxHlpLanguage_);
  }
  for (QListWidget* list : {lbxLanguage_, lbxPrnLanguage_, lbxHlpLanguage_}) list->sortItems();
  SelectIndex(lbxLanguage_, language.ScreenIndex());
  SelectIndex(lbxPrnLanguage_, language.PrintIndex());
  SelectIndex(lbxHlpLanguage_, language.HelpIndex());
}

void TvntFLangSelect::SelectIndex(QListWidget* list, int index) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->data(kIndexRole).toInt() == index) {
      list->setCurrentRow(row);
      return;
    }
  if (list->count() > 0) list->setCurrentRow(0);
}

bool TvntFLangSelect::Execute() {
  if (lbxLanguage_->count() < 2) {
    ApplyOk();
    return true;
  }
  return exec() == QDialog::Accepted;
}

void TvntFLangSelect::ApplyOk() {
  TLanguage& language = Language();
  TVntIniFile& ini = ProgramIni();
  const QListWidgetItem* screenItem = lbxLanguage_->currentItem();
  int screen = 3;  // English when nothing can be chosen
  if (screenItem) {
    screen = screenItem->data(kIndexRole).toInt();
    ini.WriteInteger(settings::kConfig, settings::kScreenLanguage, screen);
  }
  if (const QListWidgetItem* print = lbxPrnLanguage_->currentItem()) {
    language.SetPrintLanguage(print->data(kIndexRole).toInt());
    ini.WriteInteger(settings::kConfig, settings::kPrintLanguage, language.PrintIndex());
  }
  if (!lbxHlpLanguage_->isHidden()) {
    if (const QListWidgetItem* help = lbxHlpLanguage_->currentItem()) {
      language.SetHelpLanguage(help->data(kIndexRole).toInt());
      ini.WriteInteger(settings::kConfig, settings::kHelpLanguage, language.HelpIndex());
    }
  }
  if (screen != language.ScreenIndex()) language.SetScreenLanguage(screen, true);
}

void SelectLanguageAtFirstStart(QWidget* parent) {
  if (settings::LanguageChosen(ProgramIni())) return;
  TvntFLangSelect dialog(parent, false);
  dialog.Execute();
}

}  // namespace frame::ui
