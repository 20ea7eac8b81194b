#include "shop/shop_tables.h"

namespace velko {

void readShopTables(const GameFolder& folder, ShopTables& tables) {
  tables.motors = ld_AllMotors(folder);
  tables.frames = ld_AllFrame(folder);
  tables.soft = ld_AllSoft(folder);
  tables.boosters = ld_AllBooster(folder);
  tables.protectors = ld_AllProtector(folder);
  tables.hards = ld_AllHard(folder);
}

}  // namespace velko
