#pragma once
#include "calc/Werkblad.h"
#include "calc/Wegdek.h"

namespace tarvo {

// Road-surface correction of category c (1 lv, 2 mv, 3 zv) for the chosen
// road surface at the category's speed; sets CwegdekCat(c).
void CwD(Werkblad& ws, const Catalogus& catalogus, int c, int p);

// Emission numbers of period p (1..3): Qtotaal, Vrachtverkeer, the category
// numbers and the two energetic totals.
void Emissie(Werkblad& ws, const Catalogus& catalogus, int p);

}  // namespace tarvo
