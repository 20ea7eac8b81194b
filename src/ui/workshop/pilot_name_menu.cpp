#include "ui/workshop/pilot_name_menu.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/widgets/name_field.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

constexpr int kNameBoxWidth = 360;

}  // namespace

PilotNameMenu::PilotNameMenu(Game& game, QWidget* parent)
    : QObject(parent), game_(game), parent_(parent) {
  askName = [this](const QString& present) -> std::optional<QString> {
    QDialog box(parent_);
    box.setWindowTitle(qtTrId("プレイヤー名の変更"));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(qtTrId("新しいプレイヤー名"), &box));
    auto* field = new QLineEdit(present, &box);
    field->setObjectName("impPilotName");
    // The name box takes as many characters as the Doll's does.
    limitNameInput(field);
    field->selectAll();
    layout->addWidget(field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for twelve full-width characters and the whole title; no resize handle.
    box.setFixedSize(std::max(kNameBoxWidth, box.sizeHint().width()), box.sizeHint().height());
    fitToScreen(&box);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return field->text();
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
