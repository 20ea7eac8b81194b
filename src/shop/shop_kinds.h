#pragma once
// The five kinds the shop deals in: the selector's entries (index 0-4), the kind number of the
// owned-parts row codes (1-5), and the codes themselves (kind number x 1000 + part ID).

#include <array>
#include <cstdint>

#include "core/shown_text.h"
#include "model/mount.h"

namespace velko {

inline constexpr int kKindMotor = kindNumberOf(kMotorKind);
inline constexpr int kKindFrame = kindNumberOf(kFrameKind);
inline constexpr int kKindBooster = kindNumberOf(kBoosterKind);
inline constexpr int kKindProtector = kindNumberOf(kProtectorKind);
inline constexpr int kKindHard = kindNumberOf(kComputerKind);

// ComboShop's entries, in selector order.
inline constexpr std::array<const char*, 5> kShopKindNames = {
    QT_TRID_NOOP("モーター"), QT_TRID_NOOP("フレーム"), QT_TRID_NOOP("ブースター"),
    QT_TRID_NOOP("プロテクタ"), QT_TRID_NOOP("コンピュータ")};

// The kind number of a selector index; any index the selector does not list counts as motors.
int kindNumberOfIndex(int index);

bool isShopKind(int kindNumber);

int rowCode(int kindNumber, int16_t id);
// The kind number is the code's first decimal digit; the ID what is left after kind x 1000.
int kindOfCode(int code);
int16_t idOfCode(int code);

}  // namespace velko
