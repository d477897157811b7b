#include "ownedgoods.h"

namespace goods {

Possessions& possessions()
{
    static Possessions set;
    return set;
}

void resetPossessions()
{
    possessions() = Possessions{};
}

} // namespace goods
