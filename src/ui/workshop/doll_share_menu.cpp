#include "ui/workshop/doll_share_menu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

#include "career/doll_exchange.h"

namespace velko::ui {

namespace {

std::filesystem::path toPath(const QString& name) {
  return std::filesystem::path(name.toStdU16String());
}

}  // namespace

DollShareMenu::DollShareMenu(CareerState& state, CareerServices& services, QWidget* parent)
    : QObject(parent), state_(state), services_(services), parent_(parent) {
  choosePath = [this](bool save, const QString& suggested) {
    if (save)
      return QFileDialog::getSaveFileName(parent_, qtTrId("Dollの書き出し"), suggested,
                                          qtTrId(kDollFileFilter));
    return QFileDialog::getOpenFileName(parent_, qtTrId("Dollの読み込み（対戦相手）"),
                                        QDir::homePath(), qtTrId(kDollFileFilter));
  };
}

void DollShareMenu::addTo(QMenu* menu) {
  QAction* exportDoll = menu->addAction(qtTrId("Dollの書き出し(&E)..."));
  exportDoll->setObjectName("mnExportDoll");
  connect(exportDoll, &QAction::triggered, this, &DollShareMenu::mnExportDoll_Click);
  QAction* importDoll = menu->addAction(qtTrId("Dollの読み込み（対戦相手）(&I)..."));
  importDoll->setObjectName("mnImportDoll");
  connect(importDoll, &QAction::triggered, this, &DollShareMenu::mnImportDoll_Click);
}

void DollShareMenu::mnExportDoll_Click() {
  const QString suggested =
      QDir::home().filePath(QString::fromStdString(state_.playerDoll().name) + ".velkodoll");
  const QString name = choosePath(true, suggested);
  if (name.isEmpty()) return;
  exportPlayerDoll(services_.folder, toPath(name), state_, services_.prompter);
}

void DollShareMenu::mnImportDoll_Click() {
  const QString name = choosePath(false, QString());
  if (name.isEmpty()) return;
  importDuelOpponent(services_.folder, toPath(name), state_, services_.prompter);
}

}  // namespace velko::ui
