#include "ui/workshop/pilot_name_menu.h"

#include <QAction>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>

#include "ui/widgets/name_field.h"

namespace velko::ui {

PilotNameMenu::PilotNameMenu(Game& game, QWidget* parent)
    : QObject(parent), game_(game), parent_(parent) {
  askName = [this](const QString& present) -> std::optional<QString> {
    QInputDialog box(parent_);
    box.setWindowTitle(qtTrId("プレイヤー名の変更"));
    box.setLabelText(qtTrId("新しいプレイヤー名"));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(present);
    // Wide enough for twelve full-width characters and the whole title.
    box.setMinimumWidth(360);
    // The name box takes as many characters as the Doll's does.
    if (auto* field = box.findChild<QLineEdit*>()) limitNameInput(field);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
  };
}

void PilotNameMenu::addTo(QMenu* menu) {
  QAction* rename = menu->addAction(qtTrId("プレイヤー名の変更(&N)..."));
  rename->setObjectName("mnPilotName");
  connect(rename, &QAction::triggered, this, &PilotNameMenu::mnPilotName_Click);
}

void PilotNameMenu::mnPilotName_Click() {
  const std::optional<QString> name = askName(QString::fromStdString(game_.state().player().name));
  if (!name) return;
  game_.mnPilotName_Click(name->toStdString());
  emit renamed();
}

}  // namespace velko::ui
